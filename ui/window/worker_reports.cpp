#include "ui/window/worker_reports.h"

#include "ui/window/main_window_state.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/tag_worker.h"

void OnScanDone() {
  MainWindowState& state = State();
  // A stop that came after the scan's last message has closed the handle and
  // started the tag reading itself, when there was anything to read.
  if (!state.scanThread) return;
  state.scanThread.reset();
  state.tagThread = StartWorker(TagThreadProc);
}

void OnTagsDone() { State().tagThread.reset(); }

void OnUpdateChecked(WPARAM outOfDate) {
  MainWindowState& state = State();
  state.updateThread.reset();
  // Not DestroyWindow: the window is already hidden, and the quit message
  // that WM_DESTROY posts is all the loop needs to end.
  if (outOfDate == 1) SendMessageW(state.mainWindow, WM_DESTROY, 0, 0);
}
