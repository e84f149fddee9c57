#include "ui/framework/list.h"

#include <algorithm>

#include "platform/no_throw.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/win_text.h"

void CCorvaneList::TrackMouse() {
  if (mouseInside) return;
  mouseInside = true;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = hwnd;
  TrackMouseEvent(&track);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE);
  OnMouseEnter();
}

void CCorvaneList::InsertColumn(int width, const std::u16string& title) {
  std::u16string text = title;
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = reinterpret_cast<wchar_t*>(text.data());
  column.cchTextMax = kTextBufferUnits;
  column.iSubItem = 0;
  if (SendMessageW(hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columnCount),
                   reinterpret_cast<LPARAM>(&column)) != -1) {
    ++columnCount;
  }
}

bool CCorvaneList::AddRow(LPARAM itemData, const std::vector<std::u16string>& texts) {
  if (columnCount == 0) return false;
  auto textOf = [&texts](std::size_t column) -> wchar_t* {
    if (column >= texts.size()) return nullptr;
    return const_cast<wchar_t*>(Wide(texts[column]));
  };
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = GetItemCount();
  item.iSubItem = 0;
  item.pszText = textOf(0);
  item.cchTextMax = kTextBufferUnits;
  item.lParam = itemData;
  const LRESULT row = SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (row == -1) return false;
  for (std::int32_t column = 1; column < columnCount; ++column) {
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = textOf(static_cast<std::size_t>(column));
    SendMessageW(hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  }
  return true;
}

int CCorvaneList::GetItemCount() const {
  return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
}

void CCorvaneList::SetItemText(int row, int column, const std::u16string& text) const {
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<wchar_t*>(Wide(text));
  SendMessageW(hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

std::u16string CCorvaneList::GetItemText(int row, int column) const {
  wchar_t buffer[kTextBufferUnits];
  buffer[0] = L'\0';  // a row that is not there copies nothing
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = buffer;
  cell.cchTextMax = kTextBufferUnits;
  const auto copied = static_cast<std::size_t>(SendMessageW(
      hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)));
  return platform::FromWide(buffer,
                            std::min(copied, static_cast<std::size_t>(kTextBufferUnits - 1)));
}

void CCorvaneList::SetRowCount(int count) const {
  SendMessageW(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
}

void FillDispInfoText(NMLVDISPINFOW& info, std::u16string_view text) {
  if ((info.item.mask & LVIF_TEXT) == 0 || info.item.pszText == nullptr ||
      info.item.cchTextMax <= 0) {
    return;
  }
  const std::size_t room = static_cast<std::size_t>(info.item.cchTextMax) - 1;
  const std::size_t units = std::min(room, text.size());
  std::copy_n(text.data(), units, reinterpret_cast<char16_t*>(info.item.pszText));
  info.item.pszText[units] = L'\0';
}

std::u16string CCorvaneList::GetWholeItemText(int row, int column) const {
  // The list view copies at most cchTextMax - 1 units and says how many it
  // copied; a full buffer may mean a cut, so ask again with more room.
  std::wstring buffer(kTextBufferUnits, L'\0');
  for (;;) {
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = buffer.data();
    cell.cchTextMax = static_cast<int>(buffer.size());
    const auto copied = static_cast<std::size_t>(SendMessageW(
        hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)));
    if (copied + 1 < buffer.size() || buffer.size() >= kWholeTextLimitUnits) {
      buffer.resize(std::min(copied, buffer.size() - 1));
      return platform::FromWide(buffer.c_str());
    }
    buffer.assign(buffer.size() * 2, L'\0');
  }
}

LRESULT CALLBACK ListSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&]() -> LRESULT {
    auto* list = FindControlOf<CCorvaneList>(window, ControlKind::List);
    if (list == nullptr) return 0;
    switch (message) {
      case WM_COMMAND:
        // The delete/clear button is the list's child, so its clicks land
        // here; they are handled as if the main window had received them.
        if (list->commandProcedure == nullptr) return 0;
        return list->commandProcedure(list->commandWindow, WM_COMMAND, wParam, lParam);
      case WM_MOUSEMOVE:
        list->TrackMouse();
        return 0;
      case WM_MOUSEHOVER:
        list->OnMouseEnter();
        return 0;
      case WM_MOUSELEAVE:
        list->OnMouseLeave();
        return 0;
      default:
        return CallWindowProcW(list->prevWndProc, window, message, wParam, lParam);
    }
  });
}

bool CreateListWindow(CCorvaneList& list, const char16_t* name, int x, int y, int width, int height,
                      HWND parent, DWORD extraStyle) {
  list.hwnd = CreateWindowExW(0, WC_LISTVIEWW, Wide(name),
                              WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | extraStyle, x, y,
                              width, height, parent, nullptr, nullptr, nullptr);
  if (list.hwnd == nullptr) return false;
  list.commandWindow = parent;
  list.commandProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(parent, GWLP_WNDPROC));
  RegisterControl(list.hwnd, &list);
  list.prevWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListSubclassProc)));
  const LRESULT extended = SendMessageW(list.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageW(list.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               extended | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  return true;
}
