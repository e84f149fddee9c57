#pragma once
// The moving run's one round trip per file to the window thread: the worker
// hands over what became of the file it just tried, the window thread shows
// it and hands back the next file. The window thread also keeps the run's
// tally, which the run's end shows as its summary.

#include <cstdint>
#include <optional>
#include <string>

#include "tracks/rename.h"
#include "ui/renaming/file_moves.h"

struct MoveStep {
  // Set by the window thread: the next file; nothing when none is left.
  std::optional<FileToMove> file;
  // Set by the worker once it has tried file; nothing when it was not tried.
  std::optional<RenameOutcome> outcome;
};

// The run as the window thread sees it.
struct MovingRun {
  const MovePolicy* policy = nullptr;
  bool lyricsFollow = true;  // as after a renaming, unless the policy says not
  std::u16string style;      // as the run began
  int tried = 0;             // the files the run is to try, counted as it began
  int nextPlace = 0;         // the place of the file to hand out next
  std::uint32_t done = 0;    // the files that count as renamed (or restored)
  // The last file a move left under a name nobody asked for, if any.
  std::u16string strayed;
};

// The run started last; main thread only.
const MovingRun& CurrentMoves();

// A new run begins under policy and style: the tally starts afresh.
void BeginMoves(const MovePolicy& policy, const std::u16string& style);

// WM_RENAME_STEP, on the window thread: the file just tried is shown under
// the run's policy and counted, then the next file is handed out.
void OnMoveStep(MoveStep& step);
