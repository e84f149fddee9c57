#include "ui/workers/undo_worker.h"

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/no_throw.h"
#include "tracks/rename.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/status_bar.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/window/undo_step.h"
#include "ui/window/window_messages.h"
#include "ui/workers/rename_worker.h"
#include "ui/workers/worker_run.h"

namespace {

bool HandOver(UndoStep& step) { return SendRecord(State().mainWindow, WM_UNDO_STEP, step); }

// True when it was stopped before the last file.
bool UndoAllMoves(const StopRequest& stop, std::uint32_t& tried, std::uint32_t& restored) {
  UndoStep step;
  if (!HandOver(step)) return false;
  while (step.move) {
    if (stop.Requested()) return true;
    const auto fileStart = std::chrono::steady_clock::now();
    const RenameOutcome outcome =
        RenameTrackBack(step.move->after, step.move->before, step.move->file, *State().fileSystem);
    step.path = outcome.path;
    step.restored = RenameSucceeded(outcome.result);
    ++tried;
    if (step.restored) ++restored;
    if (!HandOver(step)) return false;
    if (stop.WaitUntil(fileStart + kPauseAfterFile)) return true;
  }
  return false;
}

}  // namespace

DWORD WINAPI UndoThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  const ClosingMessage done(State().mainWindow, WM_UNDO_DONE, run->number);
  NoThrow<bool>(false, [&run] {
    std::uint32_t tried = 0;
    std::uint32_t restored = 0;
    if (UndoAllMoves(*run->stop, tried, restored)) return false;
    SetStatusText(FilesSummary(u"恢复", tried, restored));
    return true;
  });
  return 0;
}

void OnUndoDone(WPARAM run) {
  MainWindowState& state = State();
  if (!CloseIfCurrent(state.renameThread, state.renameRun, run)) return;
  ApplyControlStates(ControlMoment::RenamingOver);
}
