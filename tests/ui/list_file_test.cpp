// The file list's own behaviour: the details panel and the delete/clear
// caption after a click, the rows' drawing, the button shown over the list.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "platform/text.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/win_text.h"
#include "ui/state/rows.h"

namespace {

class FileList : public ListingTest {
 protected:
  // Three rows; the first two have entries, the third not yet.
  void SetUp() override {
    ListingTest::SetUp();
    ListPaths({u"D:\\music\\a.mp3", u"D:\\music\\b.mp3", u"D:\\music\\c.mp3"});
    Tracks().SetTags(0, {u"Ta", u"Aa", u"La"}, u"");
    Tracks().SetTags(1, {u"Tb", u"Ab", u"Lb"}, u"");
  }

  static void Select(const std::set<int>& rows) {
    const HWND list = State().listFile->hwnd;
    for (int row = 0; row < State().listFile->GetItemCount(); ++row) {
      LVITEMW item{};
      item.stateMask = LVIS_SELECTED;
      item.state = rows.count(row) != 0 ? LVIS_SELECTED : 0;
      SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    }
  }

  // The click notice as the list view sends it to the main window.
  static void Click() {
    NMITEMACTIVATE notice{};
    notice.hdr.hwndFrom = State().listFile->hwnd;
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(State().listFile->hwnd));
    notice.hdr.code = NM_CLICK;
    SendMessageW(State().mainWindow, WM_NOTIFY, notice.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&notice));
  }

  struct Panel {
    std::u16string selection, fileName, title, artist, album, newName, button;
    bool operator==(const Panel& o) const {
      return selection == o.selection && fileName == o.fileName && title == o.title &&
             artist == o.artist && album == o.album && newName == o.newName && button == o.button;
    }
  };

  static Panel CurrentPanel() {
    const MainWindowState& s = State();
    return {TextOf(s.labelSelection->hwnd), TextOf(s.editFileName->hwnd),
            TextOf(s.editTitle->hwnd),      TextOf(s.editArtist->hwnd),
            TextOf(s.editAlbum->hwnd),      TextOf(s.editNewName->hwnd),
            TextOf(s.btnDeleteEmpty->hwnd)};
  }
};

// By a click, or by any change of the selection (the keyboard's too) once
// the window has run its messages.
TEST_F(FileList, ClickOrSelectionChangeFillsTheDetailsOfTheFirstSelectedRowAndSetsTheCaption) {
  struct Case {
    const char* what;
    std::set<int> selected;
    Panel panel;
  };
  const std::u16string rest = u"当前未选中任意一项.";
  const Case cases[] = {
      {"one of three",
       {1},
       {u"当前选中了第 2 项.", u"D:\\music\\b.mp3", u"Tb", u"Ab", u"Lb", u"Tb - Ab.mp3", u"删除"}},
      {"several: the lowest",
       {0, 2},
       {u"当前选中了第 1 项.", u"D:\\music\\a.mp3", u"Ta", u"Aa", u"La", u"Ta - Aa.mp3", u"删除"}},
      {"a row without its entry yet",
       {2},
       {u"当前选中了第 3 项.", u"D:\\music\\c.mp3", u"暂无", u"暂无", u"暂无", u"暂无", u"删除"}},
      {"all rows",
       {0, 1, 2},
       {u"当前选中了第 1 项.", u"D:\\music\\a.mp3", u"Ta", u"Aa", u"La", u"Ta - Aa.mp3", u"清空"}},
      {"the empty part of the list",
       {},
       {rest, u"暂无", u"暂无", u"暂无", u"暂无", u"暂无", u"清空"}},
  };
  for (const bool click : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (click ? ", clicked" : ", selected"));
      Select(c.selected);
      if (click) {
        Click();
      } else {
        PumpPending();
      }
      EXPECT_TRUE(CurrentPanel() == c.panel)
          << "selection \"" << platform::Utf16ToUtf8(CurrentPanel().selection) << "\" title \""
          << platform::Utf16ToUtf8(CurrentPanel().title) << "\" preview \""
          << platform::Utf16ToUtf8(CurrentPanel().newName) << "\" button \""
          << platform::Utf16ToUtf8(CurrentPanel().button) << "\"";
    }
  }
  // A selected row that goes away takes its details with it.
  Select({1});
  PumpPending();
  RemoveRow(1);
  PumpPending();
  EXPECT_EQ(CurrentPanel().selection, rest);
  EXPECT_EQ(CurrentPanel().button, u"清空");
}

TEST_F(FileList, PreviewFollowsTheNameStyleSaysWhichNamesWillNotBeUsedAndShowsALongPathWhole) {
  Tracks().SetTags(2, {u"AC/DC", u"Nul", u"Lc"}, u"");
  struct Case {
    std::u16string style;
    int row;
    std::u16string preview;
  };
  // Shown whatever the style holds; the renaming refuses the style itself.
  const Case cases[] = {
      {u"%title% - %artist%", 0, u"Ta - Aa.mp3"},
      {u"%album%/%title%", 0, u"La/Ta.mp3 (无法使用此文件名)"},
      // A tag's forbidden character is made full-width; the style's own stays.
      {u"%title%", 2, u"AC／DC.mp3"},
      {u"%artist%", 2, u"Nul.mp3 (无法使用此文件名)"},
      {u"%artist% - %album%", 2, u"Nul - Lc.mp3"},
      {u"", 1, u"(没有可用的标题、艺术家或专辑)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.preview));
    SetText(State().editNameStyle->hwnd, c.style);
    Select({c.row});
    Click();
    EXPECT_EQ(TextOf(State().editNewName->hwnd), c.preview);
  }

  const std::u16string longPath = u"D:\\" + std::u16string(300, u'x') + u".mp3";
  ListPaths({longPath});
  Select({3});
  Click();
  EXPECT_EQ(TextOf(State().editFileName->hwnd), longPath);
}

TEST_F(FileList, StatusColourTellsTheStatus) {
  using CorvaneWnd::StatusTextColour;
  EXPECT_EQ(StatusTextColour(u"未修改"), RGB(0, 0, 255));
  EXPECT_EQ(StatusTextColour(u"已修改"), RGB(0, 120, 0));
  EXPECT_EQ(StatusTextColour(u"已拷贝"), RGB(139, 0, 245));
  EXPECT_EQ(StatusTextColour(u""), RGB(139, 0, 245));
  EXPECT_EQ(StatusTextColour(u"未修改 "), RGB(139, 0, 245)) << "the whole text must match";
}

// One row drawn by the list's own drawing into a bitmap of the list's size.
class RowPicture {
 public:
  explicit RowPicture(int row) : row_(row) {
    const HWND list = State().listFile->hwnd;
    RECT client{};
    GetClientRect(list, &client);
    const HDC screen = GetDC(list);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(list, screen);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, client.right, client.bottom};
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(dc_, &all, black);
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = list;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.hdc = dc_;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    result_ = State().listFile->OnCustomDraw(&draw);
    bounds_.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&bounds_));
  }
  ~RowPicture() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  RowPicture(const RowPicture&) = delete;
  RowPicture& operator=(const RowPicture&) = delete;

  LRESULT result() const { return result_; }
  const RECT& bounds() const { return bounds_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  // Whether any pixel of the cell (column) has exactly this colour.
  bool CellHas(int column, COLORREF colour) const {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageW(State().listFile->hwnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row()),
                 reinterpret_cast<LPARAM>(&cell));
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) {
        if (GetPixel(dc_, x, y) == colour) return true;
      }
    }
    return false;
  }

 private:
  int row() const { return row_; }
  int row_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  LRESULT result_ = 0;
  RECT bounds_{};
};

TEST_F(FileList, RowsAreDrawnWithTheirStatusColourAndSelectionBackground) {
  CCorvaneList& list = *State().listFile;
  ShowRowStatus(0, u"未修改");
  ShowRowStatus(1, u"已修改");
  ShowRowStatus(2, u"已拷贝");
  struct Case {
    int row;
    COLORREF status;
  };
  for (const Case& c :
       {Case{0, RGB(0, 0, 255)}, Case{1, RGB(0, 120, 0)}, Case{2, RGB(139, 0, 245)}}) {
    SCOPED_TRACE(c.row);
    const RowPicture picture(c.row);
    EXPECT_EQ(picture.result(), CDRF_SKIPDEFAULT);
    EXPECT_EQ(picture.Pixel(picture.bounds().left + 1, picture.bounds().top + 1),
              RGB(255, 255, 255));
    EXPECT_TRUE(picture.CellHas(2, c.status));
    EXPECT_TRUE(picture.CellHas(0, RGB(0, 0, 0))) << "the file's name in black";
  }
  ShowRowStatus(0, u"");
  const RowPicture empty(0);
  for (COLORREF colour : {RGB(0, 0, 0), RGB(139, 0, 245)}) {
    EXPECT_FALSE(empty.CellHas(2, colour)) << "an empty status draws nothing";
  }

  // Selected: light grey without the focus; light blue with it, framed when
  // the row also has the focus.
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list.hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  SetFocus(State().editNameStyle->hwnd);
  {
    const RowPicture picture(1);
    EXPECT_EQ(picture.Pixel(picture.bounds().left, picture.bounds().top), RGB(240, 240, 240));
    EXPECT_EQ(picture.Pixel(picture.bounds().left + 2, picture.bounds().top + 2),
              RGB(240, 240, 240));
  }
  SetFocus(list.hwnd);
  ASSERT_EQ(GetFocus(), list.hwnd);
  {
    const RowPicture picture(1);
    EXPECT_EQ(picture.Pixel(picture.bounds().left, picture.bounds().top), RGB(51, 153, 255));
    EXPECT_EQ(picture.Pixel(picture.bounds().left + 2, picture.bounds().top + 2),
              RGB(185, 213, 241));
  }
  item.state = LVIS_SELECTED;
  SendMessageW(list.hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  {
    const RowPicture picture(1);
    EXPECT_EQ(picture.Pixel(picture.bounds().left, picture.bounds().top), RGB(185, 213, 241));
  }
}

TEST_F(FileList, CustomDrawAsksForRowsAndLeavesOtherStagesAlone) {
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(State().listFile->OnCustomDraw(&draw), CDRF_NOTIFYITEMDRAW);
  draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
  EXPECT_EQ(State().listFile->OnCustomDraw(&draw), CDRF_DODEFAULT);
}

TEST_F(FileList, DeleteButtonShowsOverTheListAndStaysWhileThePointerIsOnIt) {
  CCorvaneList& list = *State().listFile;
  const HWND button = State().btnDeleteEmpty->hwnd;
  ASSERT_FALSE(IsWindowVisible(button));
  list.OnMouseEnter();
  EXPECT_TRUE(IsWindowVisible(button));

  RECT area{};
  GetWindowRect(button, &area);
  ASSERT_TRUE(SetCursorPos(area.left, area.top));  // an edge counts as on it
  list.mouseInside = true;
  list.OnMouseLeave();
  EXPECT_FALSE(list.mouseInside);
  EXPECT_TRUE(IsWindowVisible(button));

  ASSERT_TRUE(SetCursorPos(area.right + 40, area.bottom + 40));
  list.OnMouseLeave();
  EXPECT_FALSE(IsWindowVisible(button));
}

}  // namespace
