#pragma once
// The renaming's one round trip per row to the window thread: the worker
// hands over the outcome of the row it just renamed, the window thread shows
// it and hands back the whole path of the next row.

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_identity.h"

struct RenameStep {
  // Set by the worker. row -1: nothing done yet, only the first path wanted.
  int row = -1;
  bool tried = false;          // false: the row had no entry, nothing to show
  std::u16string oldPath;      // the row's path when its turn came
  std::u16string newPath;      // where the file is now; equal to oldPath when it stayed
  std::u16string_view status;  // one of the status texts, which live for the whole run
  // The moved file's identity where it now is, for the undo.
  std::optional<platform::FileId> file;
  // Set by the window thread: the path of row + 1, nothing when there is no such row.
  std::optional<std::u16string> nextPath;
  // Set by the window thread with the first path: the rows the run is to try.
  int rowCount = 0;
};

// WM_RENAME_STEP, on the window thread: the progress text naming the old
// path, then column 0 when the file moved and column 2, then the next path
// (before the first row: the row count and the first path).
void OnRenameStep(RenameStep& step);
