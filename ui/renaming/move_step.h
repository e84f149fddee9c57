#pragma once
// The moving run's round trip to the window thread, about ten times a
// second: the worker hands over what became of each file it tried since the
// last one, the window thread shows it in the files' rows and the undo
// record, and hands out the next files. The window thread also keeps the
// run's tally (ui/state/moving_run.h), which the run's end shows.

#include <cstddef>
#include <optional>
#include <vector>

#include "tracks/rename.h"
#include "ui/renaming/file_moves.h"

struct TriedFile {
  FileToMove file;
  // Nothing when the file was not tried: its row had nothing to name it after.
  std::optional<RenameOutcome> outcome;
};

struct MoveStep {
  // Set by the window thread: the next files, in order; the worker goes on
  // with them after the ones it still holds. Empty when none is left.
  std::vector<FileToMove> files;
  // Set by the worker: each file tried since the last round trip, in order.
  std::vector<TriedFile> tried;
};

// The most files one round trip hands out; the worker asks again once it
// has tried them, or after kHandOverInterval.
inline constexpr std::size_t kFilesPerHandOut = 256;

// A new run begins under policy and style: the tally starts afresh.
void BeginMoves(const MovePolicy& policy, const std::u16string& style);

// WM_RENAME_STEP, on the window thread: each file tried is shown under the
// run's policy and counted, in order, then the next files are handed out
// and the file in progress is named in the status bar, at most about ten
// times a second.
void OnMoveStep(MoveStep& step);
