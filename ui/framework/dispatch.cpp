#include "ui/framework/dispatch.h"

#include <commctrl.h>

#include "ui/framework/button.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/edit.h"
#include "ui/framework/list.h"

LRESULT DispatchCommand(WPARAM wParam, LPARAM lParam) {
  CCorvaneControl* control = FindControl(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) return 0;
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      if (auto* button = dynamic_cast<CCorvaneButton*>(control);
          button != nullptr && control->kind == ControlKind::Button) {
        button->OnClick();
      }
      return 0;
    case EN_CHANGE:
      if (auto* edit = dynamic_cast<CCorvaneEdit*>(control);
          edit != nullptr && control->kind == ControlKind::Edit) {
        edit->OnChange();
      }
      return 0;
    default:
      return 1;
  }
}

LRESULT DispatchNotify(const NMHDR* header) {
  if (header == nullptr) return 0;
  auto* list = FindControlOf<CCorvaneList>(header->hwndFrom, ControlKind::List);
  if (list == nullptr) return 0;
  switch (header->code) {
    case NM_CUSTOMDRAW:
      return list->OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header)));
    case LVN_BEGINSCROLL:
      list->OnBeginScroll();
      return 0;
    case LVN_ENDSCROLL:
      list->OnEndScroll();
      return 0;
    case NM_CLICK:
      list->OnClick();
      return 0;
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
      if ((change->uChanged & LVIF_STATE) != 0 &&
          ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) != 0) {
        list->OnSelectionChanged();
      }
      return 0;
    }
    case LVN_ODSTATECHANGED:
      // An owner-data list's selection changed over a range of rows.
      list->OnSelectionChanged();
      return 0;
    case LVN_GETDISPINFOW:
      list->OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header)));
      return 0;
    case LVN_DELETEITEM:
      list->OnSelectionChanged();
      return 0;
    case LVN_DELETEALLITEMS:
      list->OnSelectionChanged();
      return TRUE;  // no LVN_DELETEITEM for each row

    default:
      return 0;
  }
}
