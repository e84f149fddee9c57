#include "ui/window/program_end.h"

#include "ui/window/main_window_state.h"
#include "ui/workers/stop_worker.h"

void StopRenamingBeforeTheEnd() {
  MainWindowState& state = State();
  StopWorker(state.renameRun, state.renameThread);
}
