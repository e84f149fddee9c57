#include "ui/listing/tag_batch.h"

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/redraw_held.h"
#include "tracks/track_table.h"
#include "ui/framework/edit.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"

namespace {

void ShowReading(const std::u16string& path) { SetStatusText(u"正在读取ID3标签: " + path); }

void ApplyRead(TagBatch& batch) {
  if (batch.read.empty()) return;
  // Once per batch: the style cannot change while the box is read-only.
  const std::u16string style = WindowText(State().editNameStyle->hwnd);
  TrackTable& tracks = Tracks();
  std::vector<std::size_t> dropped;
  auto row = static_cast<std::size_t>(batch.firstRow);
  for (std::size_t i = 0; i < batch.read.size() && i < batch.paths.size(); ++i, ++row) {
    TrackTagsResult& tags = batch.read[i];
    if (!tags.kept) {
      dropped.push_back(row);
      continue;
    }
    ++State().tagsRead;
    tracks.SetTags(row, std::move(tags.entry), style);
  }
  RemoveRows(dropped);
  batch.firstRow = static_cast<int>(row - dropped.size());
}

// Every file found, kept or dropped, less the rows still to read.
std::int64_t RowsHandled(const TagBatch& batch) {
  const auto unread = static_cast<std::int64_t>(Tracks().Size()) - batch.firstRow;
  return std::int64_t{State().filesFound} - unread;
}

void HandOutPaths(TagBatch& batch) {
  const TrackTable& tracks = Tracks();
  batch.paths.clear();
  // Asked anew each batch: reports still queued from a stopped scan add rows.
  for (auto row = static_cast<std::size_t>(batch.firstRow);
       row < tracks.Size() && batch.paths.size() < kTagBatchRows; ++row) {
    // Whole, never cut: a cut path could open another file. A path too long
    // to open fails like a vanished file and loses its row.
    batch.paths.push_back(tracks.Row(row)->path);
  }
  // The file the worker reads first, shown while it reads the batch: the
  // status bar is drawn once a batch, and under Wine each text set costs
  // more than reading a file's tags.
  if (!batch.paths.empty()) ShowReading(batch.paths.front());
}

}  // namespace

void OnTagBatch(TagBatch& batch) {
  // Its text and the progress part change together: drawn once.
  const RedrawHeld statusHeld(State().statusBar->hwnd);
  ApplyRead(batch);
  batch.read.clear();
  ShowProgress(RowsHandled(batch), State().filesFound);
  HandOutPaths(batch);
  // The rows read show their titles and statuses.
  InvalidateRect(State().listFile->hwnd, nullptr, FALSE);
}

bool DropUnreadRows() {
  // Rows are read in order and the ones not kept go: the rows past the
  // last one with tags are the ones not read.
  const TrackTable& tracks = Tracks();
  std::size_t read = tracks.Size();
  while (read > 0 && tracks.Entry(read - 1) == nullptr) --read;
  return RemoveRowsFrom(read);
}
