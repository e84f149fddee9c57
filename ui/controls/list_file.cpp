#include "ui/controls/list_file.h"

#include <optional>
#include <string>

#include "platform/handles.h"
#include "platform/text.h"
#include "tracks/name_style.h"
#include "ui/controls/details_panel.h"
#include "ui/framework/button.h"
#include "ui/framework/dpi.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"
#include "ui/state/window_messages.h"

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

COLORREF StatusTextColour(std::u16string_view status) {
  if (status == kStatusUnchanged) return RGB(0, 0, 255);
  if (status == kStatusRenamed) return RGB(0, 120, 0);
  return RGB(139, 0, 245);
}

LRESULT CListFile::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
  if (draw == nullptr) return CDRF_DODEFAULT;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
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
    // The file's own name, from the whole path: a cut path's last part
    // would be a name the file does not bear.
    const std::u16string_view text =
        column == kPathColumn ? FileNamePart(track->path) : CellText(*track, column);
    SetTextColor(dc, column == kStatusColumn ? StatusTextColour(text) : kPlainText);
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
              &cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
}

void CListFile::OnGetDispInfo(NMLVDISPINFOW* info) {
  if (info == nullptr) return;
  const TrackRow* track = Tracks().Row(static_cast<std::size_t>(info->item.iItem));
  FillDispInfoText(*info, track != nullptr ? CellText(*track, info->item.iSubItem) : u"");
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
  ShowText(state.editNewName->hwnd,
           NewNamePreview(MakeNewName(WindowText(state.editNameStyle->hwnd), *entry)));
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
  return list != nullptr && CreateListWindow(*list, u"listFileLeft", x, y, width, height,
                                             State().mainWindow, WS_TABSTOP | LVS_OWNERDATA);
}
