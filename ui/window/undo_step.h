#pragma once
// The undo's one round trip per file to the window thread: the worker hands
// back where the file it took back now is, the window thread shows it and
// hands over the next move of the last renaming.

#include <optional>
#include <string>

#include "tracks/last_renaming.h"

struct UndoStep {
  // Set by the window thread: the next move to undo, nothing when none is left.
  std::optional<UndoMove> move;
  // Set by the worker once it has tried move: where that file is now, and
  // whether it went back.
  std::u16string path;
  bool restored = false;
};

// WM_UNDO_STEP, on the window thread: the row of the move just tried gets the
// file's path and its status under the style as it reads now, and the move
// drops out of the last renaming if it went back (one that failed stays for
// the next undo); then the move recorded before it, so that one run tries
// each move once.
void OnUndoStep(UndoStep& step);
