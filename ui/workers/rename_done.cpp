#include "ui/workers/rename_done.h"

#include <memory>

#include "ui/framework/check_box.h"
#include "ui/framework/closing_message.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/start_worker.h"

void OnRenameDone(WPARAM run) {
  MainWindowState& state = State();
  // A stop that came after the worker's last message has closed the handle
  // and given the controls back already.
  if (!CloseIfCurrent(state.renameThread, state.renameRun, run)) return;
  if (SendMessageW(state.checkLyrics->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    state.lyricsThread = StartRun(LyricsThreadProc, state.lyricsRun);
    return;
  }
  ApplyControlStates(ControlMoment::RenamingOver);
}

void OnLyricsDone(WPARAM run) {
  MainWindowState& state = State();
  if (!CloseIfCurrent(state.lyricsThread, state.lyricsRun, run)) return;
  ApplyControlStates(ControlMoment::RenamingOver);
}

DWORD WINAPI LyricsThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  const ClosingMessage done(State().mainWindow, WM_LYRICS_DONE, run->number);
  return 0;
}
