#include "ui/window/tag_batch.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "tracks/name_style.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/redraw_held.h"

namespace {

void ShowReading(const std::u16string& path) { SetStatusText(u"正在读取ID3标签: " + path); }

void RemoveRow(HWND list, int row) {
  SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

// Row `row` keeps its file: entry, title, and the status under the style.
void KeepRow(const CorvaneWnd::CListFile& list, int row, TrackEntry entry,
             const std::u16string& path, const std::u16string& style) {
  ++State().tagsRead;
  list.SetItemText(row, kTitleColumn, entry.title.value_or(u""));
  const std::u16string newName = MakeNewName(style, entry);
  list.SetItemText(row, kStatusColumn, std::u16string(NewNameStatus(path, newName)));
  Tracks().Append(std::move(entry), path);
}

void ApplyRead(TagBatch& batch) {
  if (batch.read.empty()) return;
  const CorvaneWnd::CListFile& list = *State().listFile;
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
      RemoveRow(list.hwnd, row);  // the next row moves into its place
      continue;
    }
    KeepRow(list, row, std::move(tags.entry), batch.paths[i], style);
    ++row;
  }
  batch.firstRow = row;
}

void HandOutPaths(TagBatch& batch) {
  const CorvaneWnd::CListFile& list = *State().listFile;
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
  HandOutPaths(batch);
}

bool DropUnreadRows() {
  const CorvaneWnd::CListFile& list = *State().listFile;
  const auto kept = static_cast<int>(Tracks().Size());
  if (list.GetItemCount() <= kept) return false;
  const RedrawHeld held(list.hwnd);
  // From the end: nothing moves up, however many rows go.
  for (int row = list.GetItemCount() - 1; row >= kept; --row) RemoveRow(list.hwnd, row);
  return true;
}
