#include "ui/state/rows.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "platform/redraw_held.h"
#include "ui/framework/list.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"

namespace {

HWND ListWindow() { return State().listFile->hwnd; }

int ListedCount() { return static_cast<int>(Tracks().Size()); }

void DrawRow(std::size_t row) {
  if (State().rowsDrawnTogether > 0) return;
  ListView_RedrawItems(ListWindow(), static_cast<int>(row), static_cast<int>(row));
}

}  // namespace

void AddFileRows(std::vector<std::u16string> paths) {
  MainWindowState& state = State();
  state.filesFound += static_cast<std::uint32_t>(paths.size());
  for (std::u16string& path : paths) Tracks().AddFile(std::move(path));
  ShowRows();
}

void AddFileRow(std::u16string path) {
  std::vector<std::u16string> one;
  one.push_back(std::move(path));
  AddFileRows(std::move(one));
}

void ShowRows() {
  if (State().listFile != nullptr) State().listFile->SetRowCount(ListedCount());
}

void MoveRowFile(std::size_t row, std::u16string path) {
  Tracks().SetPath(row, std::move(path));
  DrawRow(row);
}

void ReorderRows(const std::vector<std::size_t>& order) {
  if (order.size() != Tracks().Size()) return;
  const HWND list = ListWindow();
  std::vector<std::size_t> rowAt(order.size());
  for (std::size_t row = 0; row < order.size(); ++row) rowAt[order[row]] = row;
  const auto selectedCount = SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0);
  const bool allSelected = selectedCount == ListedCount();
  std::vector<std::size_t> selected;
  if (!allSelected) {
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
      selected.push_back(rowAt[static_cast<std::size_t>(row)]);
    }
  }
  const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  Tracks().Reorder(order);
  State().lastRenaming.Renumber(rowAt);
  {
    const RedrawHeld held(list);
    if (!allSelected) {
      ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
      for (const std::size_t row : selected) {
        ListView_SetItemState(list, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
      }
    }
    if (focused >= 0 && static_cast<std::size_t>(focused) < rowAt.size()) {
      const int row = static_cast<int>(rowAt[static_cast<std::size_t>(focused)]);
      ListView_SetItemState(list, row, LVIS_FOCUSED, LVIS_FOCUSED);
      ListView_SetSelectionMark(list, row);
    }
  }
  State().listFile->FollowSelection();
}

void ShowRowStatus(std::size_t row, std::u16string_view status) {
  Tracks().SetStatus(row, status);
  DrawRow(row);
}

RowsDrawnTogether::RowsDrawnTogether() { ++State().rowsDrawnTogether; }

RowsDrawnTogether::~RowsDrawnTogether() {
  // Owner data: only the rows in view are drawn, from the table.
  if (--State().rowsDrawnTogether == 0) InvalidateRect(ListWindow(), nullptr, FALSE);
}

void RemoveRows(const std::vector<std::size_t>& rows) {
  if (rows.empty()) return;
  const HWND list = ListWindow();
  Tracks().EraseRows(rows);
  State().lastRenaming.EraseRows(rows);
  if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
    ShowRows();
    return;
  }
  // The list keeps its selection by row number: each row that goes takes
  // its own with it and moves the later ones down. From the end, so that
  // every number still names the row it named.
  const RedrawHeld held(list);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(*row), 0);
  }
}

void RemoveRow(std::size_t row) { RemoveRows({row}); }

int RemoveSelectedRows() {
  const HWND list = ListWindow();
  std::vector<std::size_t> selected;
  for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
    if (static_cast<std::size_t>(row) < Tracks().Size()) {
      selected.push_back(static_cast<std::size_t>(row));
    }
  }
  Tracks().EraseRows(selected);
  State().lastRenaming.EraseRows(selected);
  // Every selected row went: the selection goes with them in one step.
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ShowRows();
  State().filesFound -= static_cast<std::uint32_t>(selected.size());
  State().listFile->FollowSelection();
  return static_cast<int>(selected.size());
}

bool RemoveRowsFrom(std::size_t first) {
  const std::size_t count = Tracks().Size();
  if (count <= first) return false;
  std::vector<std::size_t> rows;
  rows.reserve(count - first);
  for (std::size_t row = first; row < count; ++row) rows.push_back(row);
  State().lastRenaming.EraseRows(rows);
  Tracks().EraseFrom(first);
  // No row after them moves; a shorter list drops the selection of the rest.
  ShowRows();
  return true;
}

void ClearRows() {
  MainWindowState& state = State();
  Tracks().Clear();
  SendMessageW(ListWindow(), LVM_DELETEALLITEMS, 0, 0);
  state.lastRenaming.Forget();
  state.listFile->ShowSortMark(-1, false);
  state.filesFound = 0;
  EndProgress();
  state.listFile->FollowSelection();
}
