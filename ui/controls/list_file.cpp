#include "ui/controls/list_file.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/handles.h"
#include "platform/text.h"
#include "tracks/name_style.h"
#include "ui/controls/details_panel.h"
#include "ui/controls/list_sort.h"
#include "ui/framework/button.h"
#include "ui/framework/dpi.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"
#include "ui/state/window_messages.h"
#include "ui/state/workers.h"

namespace CorvaneWnd {

namespace {

constexpr COLORREF kRowBackground = RGB(255, 255, 255);
constexpr COLORREF kSelectedFocused = RGB(185, 213, 241);
constexpr COLORREF kFocusFrame = RGB(51, 153, 255);
constexpr COLORREF kSelectedUnfocused = RGB(240, 240, 240);
constexpr COLORREF kPlainText = RGB(0, 0, 0);
constexpr int kCellInset = 5;

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  const UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

void Frame(HDC dc, const RECT& area, COLORREF colour) {
  const UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &area, brush.get());
}

bool HasState(HWND list, int row, UINT state) {
  return (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), state) & state) != 0;
}

}  // namespace

std::u16string_view CellText(const TrackRow& row, int column) {
  switch (column) {
    case kPathColumn:
      return row.path;
    case kTitleColumn:
      return row.entry && row.entry->title ? std::u16string_view(*row.entry->title)
                                           : std::u16string_view();
    case kStatusColumn:
      return row.status;
    default:
      return {};
  }
}

std::u16string ShownText(const TrackRow& track, int column, std::u16string_view style) {
  if (column == kNewNameColumn) return NewNameText(track, style);
  // The file's own name, from the whole path: a cut path's last part
  // would be a name the file does not bear.
  if (column == kPathColumn) return std::u16string(FileNamePart(track.path));
  return std::u16string(CellText(track, column));
}

COLORREF StatusTextColour(std::u16string_view status) {
  if (status == kStatusUnchanged) return RGB(0, 0, 255);
  if (status == kStatusRenamed) return RGB(0, 120, 0);
  return RGB(139, 0, 245);
}

LRESULT CListFile::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
  if (draw == nullptr) return CDRF_DODEFAULT;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      // Once per paint, not once per row.
      paintStyle_ = WindowText(State().editNameStyle->hwnd);
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      DrawRow(draw->nmcd.hdc, static_cast<int>(draw->nmcd.dwItemSpec));
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void CListFile::DrawRow(HDC dc, int row) const {
  const bool listFocused = GetFocus() == hwnd;
  const bool selected = HasState(hwnd, row, LVIS_SELECTED);
  const bool focusedRow = HasState(hwnd, row, LVIS_FOCUSED);
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  SendMessageW(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
  if (!selected) {
    Fill(dc, bounds, kRowBackground);
  } else if (listFocused) {
    Fill(dc, bounds, kSelectedFocused);
    if (focusedRow) Frame(dc, bounds, kFocusFrame);
  } else {
    Fill(dc, bounds, kSelectedUnfocused);
  }

  const TrackRow* track = Tracks().Row(static_cast<std::size_t>(row));
  if (track == nullptr) return;
  SetBkMode(dc, TRANSPARENT);
  const int inset = ScaleToDpi(kCellInset, ControlDpi());
  for (int column = 0; column < kFileListColumnCount; ++column) {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageW(hwnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cell));
    cell.left += inset;
    cell.right -= inset;
    const std::u16string text = ShownText(*track, column, paintStyle_);
    SetTextColor(dc, column == kStatusColumn ? StatusTextColour(text) : kPlainText);
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
              &cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
}

void CListFile::OnGetDispInfo(NMLVDISPINFOW* info) {
  if (info == nullptr) return;
  const TrackRow* track = Tracks().Row(static_cast<std::size_t>(info->item.iItem));
  if (track != nullptr && info->item.iSubItem == kNewNameColumn) {
    FillDispInfoText(*info, NewNameText(*track, WindowText(State().editNameStyle->hwnd)));
    return;
  }
  FillDispInfoText(*info, track != nullptr ? CellText(*track, info->item.iSubItem) : u"");
}

void CListFile::OnColumnClick(int column) {
  if (column < 0 || column >= kFileListColumnCount || AnyWorkerRuns()) return;
  const bool descending = column == sortColumn && !sortDescending;
  ReorderRows(
      SortedRowOrder(Tracks(), column, descending, WindowText(State().editNameStyle->hwnd)));
  ShowSortMark(column, descending);
}

std::u16string CListFile::TextIfCut(int row, int column) const {
  const TrackRow* track = Tracks().Row(static_cast<std::size_t>(row));
  if (track == nullptr) return {};
  const std::u16string text = ShownText(*track, column, WindowText(State().editNameStyle->hwnd));
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_LABEL;
  if (text.empty() || SendMessageW(hwnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(&cell)) == 0) {
    return {};
  }
  const WindowDcScope dc(hwnd);
  if (dc.dc() == nullptr) return {};
  SIZE extent{};
  {
    const SelectionScope font(dc.dc(),
                              reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32W(dc.dc(), Wide(text), static_cast<int>(text.size()), &extent);
  }
  // The room DrawRow leaves the text.
  const int room = cell.right - cell.left - 2 * ScaleToDpi(kCellInset, ControlDpi());
  return extent.cx > room ? text : std::u16string();
}

void CListFile::OnGetInfoTip(NMLVGETINFOTIPW* tip) {
  if (tip == nullptr || tip->pszText == nullptr || tip->cchTextMax <= 0) return;
  // The notice names the row alone: the column is the one under the pointer.
  LVHITTESTINFO hit{};
  GetCursorPos(&hit.pt);
  ScreenToClient(hwnd, &hit.pt);
  SendMessageW(hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const int column = hit.iItem == tip->iItem ? hit.iSubItem : kPathColumn;
  const std::u16string text = TextIfCut(tip->iItem, column);
  const auto units = std::min(text.size(), static_cast<std::size_t>(tip->cchTextMax - 1));
  std::copy_n(text.data(), units, reinterpret_cast<char16_t*>(tip->pszText));
  tip->pszText[units] = L'\0';
}

void CListFile::OnBeginScroll() { OnEndScroll(); }

void CListFile::OnEndScroll() { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE); }

void CListFile::OnClick() { FollowSelection(); }

void CListFile::FollowSelection() {
  followPending_ = false;
  const MainWindowState& state = State();
  const auto selectedCount = SendMessageW(hwnd, LVM_GETSELECTEDCOUNT, 0, 0);
  const auto rowCount = SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0);
  const bool someSelected = selectedCount != 0 && selectedCount != rowCount;
  ShowText(state.btnDeleteEmpty->hwnd, someSelected ? u"删除" : u"清空");
  if (selectedCount == 0) {
    ResetDetails();
    return;
  }
  const auto row = static_cast<int>(
      SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  if (row < 0) {
    ResetDetails();
    return;
  }
  ShowSelectionText(u"当前选中了第 " + platform::DecimalText(row + 1) + u" 项.");
  const TrackRow* track = Tracks().Row(static_cast<std::size_t>(row));
  if (track == nullptr) {
    ResetDetails();
    return;
  }
  // The whole path: the box shows which file the row stands for.
  ShowText(state.editFileName->hwnd, track->path);
  const TrackEntry* entry = track->entry ? &*track->entry : nullptr;
  if (entry == nullptr) {
    for (const CCorvaneEdit* box :
         {state.editTitle, state.editArtist, state.editAlbum, state.editNewName}) {
      ShowText(box->hwnd, u"暂无");
    }
    return;
  }
  ShowText(state.editTitle->hwnd, entry->title.value_or(u""));
  ShowText(state.editArtist->hwnd, entry->artist.value_or(u""));
  ShowText(state.editAlbum->hwnd, entry->album.value_or(u""));
  ShowText(state.editNewName->hwnd, NewNameText(*track, WindowText(state.editNameStyle->hwnd)));
}

void CListFile::OnSelectionChanged() {
  if (followPending_) return;
  followPending_ = PostMessageW(State().mainWindow, WM_FOLLOW_SELECTION, 0, 0) != FALSE;
}

void CListFile::OnMouseLeave() {
  mouseInside = false;
  const HWND button = State().btnDeleteEmpty->hwnd;
  ShowWindow(button, SW_HIDE);
  POINT pointer{};
  RECT area{};
  GetCursorPos(&pointer);
  GetWindowRect(button, &area);
  // Edges count as inside: the pointer went from the list onto the button.
  if (pointer.x >= area.left && pointer.x <= area.right && pointer.y >= area.top &&
      pointer.y <= area.bottom) {
    ShowWindow(button, SW_SHOW);
  }
}

void CListFile::OnMouseEnter() { ShowWindow(State().btnDeleteEmpty->hwnd, SW_SHOW); }

}  // namespace CorvaneWnd

bool CreateFileList(int x, int y, int width, int height) {
  CCorvaneList* list = State().listFile;
  // Reached with Tab, after the commands.
  // Owner data: the rows live in the track table, the list only shows them.
  if (list == nullptr || !CreateListWindow(*list, u"listFileLeft", x, y, width, height,
                                           State().mainWindow, WS_TABSTOP | LVS_OWNERDATA)) {
    return false;
  }
  // A cell too narrow for its text shows it whole in a tooltip.
  const LRESULT extended = SendMessageW(list->hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageW(list->hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_INFOTIP);
  return true;
}
