#include "ui/controls/list_menu.h"

#include <commctrl.h>

#include "ui/framework/list.h"
#include "ui/renaming/undo.h"
#include "ui/state/main_window_state.h"

namespace {

// Where a menu opened from the keyboard shows: below the first selected row,
// else at the list's top left corner.
POINT KeyboardMenuPoint(HWND list) {
  POINT point{0, 0};
  const auto row = static_cast<int>(
      SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  RECT area{};
  area.left = LVIR_LABEL;
  if (row >= 0 && SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(&area)) != 0) {
    point = POINT{area.left, area.bottom};
  }
  ClientToScreen(list, &point);
  return point;
}

}  // namespace

UniqueMenu MakeFileListMenu() {
  UniqueMenu menu(CreatePopupMenu());
  if (menu) {
    AppendMenuW(menu.get(), MF_STRING | (CanUndoRenaming() ? MF_ENABLED : MF_GRAYED),
                kUndoRenamingItem, L"撤销上次重命名");
  }
  return menu;
}

bool ShowFileListMenu(HWND from, LPARAM where) {
  const MainWindowState& state = State();
  if (state.listFile == nullptr || from != state.listFile->hwnd) return false;
  const UniqueMenu menu = MakeFileListMenu();
  if (!menu) return true;
  POINT point{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (point.x == -1 && point.y == -1) point = KeyboardMenuPoint(state.listFile->hwnd);
  const BOOL chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                     point.x, point.y, 0, state.mainWindow, nullptr);
  if (static_cast<UINT>(chosen) == kUndoRenamingItem) OfferUndoRenaming();
  return true;
}
