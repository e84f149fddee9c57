#include "ui/frame/program_end.h"

#include "ui/renaming/renaming.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

void OnClose() { StopRenamingBeforeTheEnd(); }

void StopRenamingForTheSessionEnd() {
  // As "停止" does: the run ends between two files, and its rows and the
  // undo record tell what became of each file before the process goes.
  if (Runs(Worker::Renaming)) StopRenaming();
}

void OnUpdateChecked(WPARAM outOfDate) {
  SlotOf(Worker::Update).thread.reset();
  // Not DestroyWindow: the window is already hidden, and the quit message
  // that WM_DESTROY posts is all the loop needs to end.
  if (outOfDate == 1) {
    StopRenamingBeforeTheEnd();
    SendMessageW(State().mainWindow, WM_DESTROY, 0, 0);
  }
}
