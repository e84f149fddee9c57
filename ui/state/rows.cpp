#include "ui/state/rows.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/redraw_held.h"
#include "ui/framework/list.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"

namespace {

HWND ListWindow() { return State().listFile->hwnd; }

bool IsSelected(HWND list, int row) {
  return (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
          LVIS_SELECTED) != 0;
}

// The panel and the delete/clear caption follow the selection as it is now:
// the next click may come before the follow that the list posts itself.
void FollowSelectionNow() { State().listFile->OnClick(); }

}  // namespace

void AddFileRow(const std::u16string& path) {
  MainWindowState& state = State();
  ++state.filesFound;
  if (state.listFile != nullptr) state.listFile->AddRow(0, {path});
}

void MoveRowFile(int row, const std::u16string& path) {
  State().listFile->SetItemText(row, kPathColumn, path);
  Tracks().SetPath(static_cast<std::size_t>(row), path);
}

void RemoveRow(int row) {
  const HWND list = ListWindow();
  SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  // A row the tag reading never came to has no entry; the others move down
  // with their rows.
  Tracks().Erase(static_cast<std::size_t>(row));
  State().lastRenaming.EraseRow(static_cast<std::size_t>(row));
}

int RemoveSelectedRows() {
  const HWND list = ListWindow();
  int removed = 0;
  for (int row = 0; row < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));) {
    if (!IsSelected(list, row)) {
      ++row;
      continue;
    }
    RemoveRow(row);
    SendMessageW(list, LVM_UPDATE, static_cast<WPARAM>(row), 0);
    --State().filesFound;
    ++removed;
  }
  FollowSelectionNow();
  return removed;
}

bool RemoveRowsFrom(int first) {
  const HWND list = ListWindow();
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  if (count <= first) return false;
  const RedrawHeld held(list);
  // From the end: nothing moves up, however many rows go.
  for (int row = count - 1; row >= first; --row) RemoveRow(row);
  return true;
}

void ClearRows() {
  MainWindowState& state = State();
  SendMessageW(ListWindow(), LVM_DELETEALLITEMS, 0, 0);
  Tracks().Clear();
  state.lastRenaming.Forget();
  state.filesFound = 0;
  EndProgress();
  FollowSelectionNow();
}
