#include "ui/renaming/move_step.h"

#include <utility>

#include "ui/state/progress.h"

namespace {

MovingRun& Moves() {
  static MovingRun run;
  return run;
}

}  // namespace

const MovingRun& CurrentMoves() { return Moves(); }

void BeginMoves(const MovePolicy& policy, const std::u16string& style) {
  MovingRun& run = Moves();
  run = MovingRun{};
  run.policy = &policy;
  run.lyricsFollow = policy.lyricsFollow;
  run.style = style;
  run.tried = policy.begin();
}

void OnMoveStep(MoveStep& step) {
  MovingRun& run = Moves();
  if (run.policy == nullptr) return;
  if (step.file && step.outcome) {
    // The file has moved: its row must name it before anything else happens,
    // or the list would lose track of it.
    run.policy->show(*step.file, *step.outcome, run.style);
    if (RenameSucceeded(step.outcome->result)) ++run.done;
    // Rare enough to outweigh the summary: the user must learn where it went.
    if (step.outcome->strayed) run.strayed = step.outcome->path;
  }
  step.outcome.reset();
  step.file.reset();
  ShowProgress(run.nextPlace, run.tried);
  if (run.nextPlace >= run.tried) return;
  FileToMove next = run.policy->fileAt(run.nextPlace++);
  // Fewer files than counted (the record ran out): the run is done.
  if (!next.path.empty()) step.file = std::move(next);
}
