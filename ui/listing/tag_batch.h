#pragma once
// The tag reading's round trip to the window thread, one per batch of rows:
// the worker hands over what it read, the window thread writes it into the
// list and the table and hands back the whole paths of the rows to read
// next. One round trip instead of several messages per row, each with the
// list repainting in between, is what makes a library of thousands of files
// list in seconds.

#include <cstddef>
#include <string>
#include <vector>

#include "tracks/read_track_tags.h"

struct TagBatch {
  // Set by the worker: what it read, in row order, for the rows given to it
  // last; it may have read fewer rows than it was given.
  std::vector<TrackTagsResult> read;
  // Set by the window thread: the rows to read next, from the row after the
  // last one kept. Empty when every row is read.
  std::vector<std::u16string> paths;
  // Where paths start; kept by the window thread from one batch to the next.
  int firstRow = 0;
};

// The most rows one batch hands over, and about the longest the worker reads
// before it hands back what it has: the status bar must name the file being
// read at least every 100 ms, and the list should visibly fill.
inline constexpr std::size_t kTagBatchRows = 512;
inline constexpr int kTagBatchMilliseconds = 80;

// WM_TAG_BATCH, on the window thread: every row read is kept with its entry,
// title and status, or removed, in order; then the next paths, the first of
// them named in the status bar as the file now being read.
void OnTagBatch(TagBatch& batch);

// The rows past the last entry: not read yet, so they go when the reading is
// stopped, keeping rows and table aligned. False when there were none.
bool DropUnreadRows();
