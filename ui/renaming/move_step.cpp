#include "ui/renaming/move_step.h"

#include <chrono>
#include <utility>

#include "ui/framework/status_bar.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"

namespace {

using Clock = std::chrono::steady_clock;

// As often as a person can read it.
constexpr std::chrono::milliseconds kShowInterval{100};

void ShowTried(MovingRun& run, TriedFile& tried) {
  if (!run.inProgress.empty()) run.inProgress.pop_front();
  ++run.reported;
  if (!tried.outcome) return;
  // The file has moved: its row must name it before anything else happens,
  // or the list would lose track of it.
  run.policy->show(tried.file, *tried.outcome, run.style);
  if (RenameSucceeded(tried.outcome->result)) ++run.done;
  // Rare enough to outweigh the summary: the user must learn where it went.
  if (tried.outcome->strayed) run.strayed = tried.outcome->path;
}

void HandOut(MovingRun& run, std::vector<FileToMove>& files) {
  files.clear();
  // Handed out so far: the files reported and the ones the worker holds.
  auto handedOut = [&run] { return run.reported + static_cast<int>(run.inProgress.size()); };
  while (handedOut() < run.tried && files.size() < kFilesPerHandOut) {
    FileToMove next = run.policy->next(run.cursor);
    // Fewer files than counted (the record ran out): the run is done.
    if (next.path.empty()) {
      run.tried = handedOut();
      break;
    }
    run.inProgress.push_back(next.path);
    files.push_back(std::move(next));
  }
}

void ShowFileInProgress(MovingRun& run) {
  if (run.inProgress.empty()) return;
  const Clock::time_point now = Clock::now();
  if (run.lastShown != Clock::time_point{} && now - run.lastShown < kShowInterval) return;
  run.lastShown = now;
  SetStatusText(std::u16string(run.policy->progressText) + run.inProgress.front());
}

}  // namespace

void BeginMoves(const MovePolicy& policy, const std::u16string& style) {
  MovingRun& run = State().movingRun;
  run = MovingRun{};
  run.policy = &policy;
  run.style = style;
  run.tried = policy.begin();
}

void OnMoveStep(MoveStep& step) {
  MovingRun& run = State().movingRun;
  if (run.policy == nullptr) return;
  if (!step.tried.empty()) {
    const RowsDrawnTogether rowsDrawn;
    for (TriedFile& tried : step.tried) ShowTried(run, tried);
  }
  step.tried.clear();
  HandOut(run, step.files);
  ShowFileInProgress(run);
  ShowProgress(run.reported, run.tried);
}
