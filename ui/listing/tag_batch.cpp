#include "ui/listing/tag_batch.h"

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/redraw_held.h"
#include "tracks/name_style.h"
#include "ui/framework/edit.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"

namespace {

void ShowReading(const std::u16string& path) { SetStatusText(u"正在读取ID3标签: " + path); }

// Row `row` keeps its file: entry, title, and the status under the style.
void KeepRow(const CCorvaneList& list, int row, TrackEntry entry, const std::u16string& path,
             const std::u16string& style) {
  ++State().tagsRead;
  list.SetItemText(row, kTitleColumn, entry.title.value_or(u""));
  const std::u16string newName = MakeNewName(style, entry);
  list.SetItemText(row, kStatusColumn, std::u16string(NewNameStatus(path, newName)));
  Tracks().Append(std::move(entry), path);
}

void ApplyRead(TagBatch& batch) {
  if (batch.read.empty()) return;
  const CCorvaneList& list = *State().listFile;
  // Once per batch: the style cannot change while the box is read-only.
  const std::u16string style = WindowText(State().editNameStyle->hwnd);
  const RedrawHeld listHeld(list.hwnd);
  int row = batch.firstRow;
  for (std::size_t i = 0; i < batch.read.size() && i < batch.paths.size(); ++i) {
    // Every file is named once, in row order; the first one was named as the
    // batch was handed out.
    if (i > 0) ShowReading(batch.paths[i]);
    TrackTagsResult& tags = batch.read[i];
    if (!tags.kept) {
      RemoveRow(row);  // the next row moves into its place
      continue;
    }
    KeepRow(list, row, std::move(tags.entry), batch.paths[i], style);
    ++row;
  }
  batch.firstRow = row;
}

// Every file found, kept or dropped, less the rows still to read.
std::int64_t RowsHandled(const TagBatch& batch) {
  const int unread = State().listFile->GetItemCount() - batch.firstRow;
  return std::int64_t{State().filesFound} - unread;
}

void HandOutPaths(TagBatch& batch) {
  const CCorvaneList& list = *State().listFile;
  batch.paths.clear();
  // Asked anew each batch: reports still queued from a stopped scan add rows.
  const int count = list.GetItemCount();
  for (int row = batch.firstRow; row < count && batch.paths.size() < kTagBatchRows; ++row) {
    // Whole, never cut: a cut path could open another file. A path too long
    // to open fails like a vanished file and loses its row.
    batch.paths.push_back(list.GetWholeItemText(row, kPathColumn));
  }
  // Shown while the worker reads it.
  if (!batch.paths.empty()) ShowReading(batch.paths.front());
}

}  // namespace

void OnTagBatch(TagBatch& batch) {
  // Every file is named in the status bar; it is drawn once per batch.
  const RedrawHeld statusHeld(State().statusBar->hwnd);
  ApplyRead(batch);
  batch.read.clear();
  ShowProgress(RowsHandled(batch), State().filesFound);
  HandOutPaths(batch);
}

bool DropUnreadRows() { return RemoveRowsFrom(static_cast<int>(Tracks().Size())); }
