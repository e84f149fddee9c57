#include "ui/frame/program_end.h"

#include "ui/renaming/renaming.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

void OnClose() { StopRenamingBeforeTheEnd(); }

void OnUpdateChecked(WPARAM outOfDate) {
  SlotOf(Worker::Update).thread.reset();
  // Not DestroyWindow: the window is already hidden, and the quit message
  // that WM_DESTROY posts is all the loop needs to end.
  if (outOfDate == 1) {
    StopRenamingBeforeTheEnd();
    SendMessageW(State().mainWindow, WM_DESTROY, 0, 0);
  }
}
