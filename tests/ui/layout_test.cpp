// The main window and its 28 controls as CreateControls leaves them, at the
// display's scale (run at 96, 144 and 192 dpi), and after a move to a
// display of another scale.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/wide.h"
#include "support/main_window_fixture.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/frame/layout.h"
#include "ui/frame/main_window.h"
#include "ui/framework/check_box.h"
#include "ui/framework/control_font.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/dpi.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/progress_bar.h"
#include "ui/framework/status_bar.h"
#include "ui/state/progress.h"

namespace {

using LayoutTest = MainWindowTest;

std::u16string ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return platform::FromWide(name);
}

// A 96-dpi size at the scale the controls are laid out for.
int Px(int value) { return ScaleToDpi(value, ControlDpi()); }

// Scaled places may be off by the rounding of their sums; at 96 dpi none.
int Slack() { return ControlDpi() == kDefaultDpi ? 0 : 1; }

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

enum Check { kNoCheck = -1, kUnchecked = BST_UNCHECKED, kChecked = BST_CHECKED };

struct Expected {
  const char* member;
  CCorvaneControl* control;
  ControlKind kind;
  const char16_t* windowClass;
  std::u16string text;
  int x, y, width, height;
  DWORD typeStyle;  // the style bits of the control's type
  bool clientEdge;
  bool visible;
  bool enabled;
  int check;
  bool ownFont;
};

constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kPush = BS_PUSHBUTTON;
constexpr DWORD kCheck = BS_CHECKBOX;
constexpr DWORD kValue = ES_READONLY | ES_AUTOHSCROLL;
constexpr DWORD kInput = ES_AUTOHSCROLL;

std::u16string HelpText() {
  return u"说明: %title% - 曲名, %artist% - 艺术家, %album% - 专辑,\r\n"
         u"%track% - 音轨号, %year% - 年份. 具体效果可从右侧\"详细信息\"内预览.";
}

std::vector<Expected> ExpectedControls() {
  MainWindowState& s = State();
  const ControlKind B = ControlKind::Button, L = ControlKind::Label, E = ControlKind::Edit;
  return {
      {"groupFileList", s.groupFileList, B, u"Button", u"文件列表", 10, 10, 670, 225, kGroup, false,
       true, true, kNoCheck, true},
      {"listFile", s.listFile, ControlKind::List, u"SysListView32", u"listFileLeft", 20, 30, 650,
       200, LVS_REPORT, false, true, true, kNoCheck, false},
      {"groupSettings", s.groupSettings, B, u"Button", u"设置", 10, 245, 330, 210, kGroup, false,
       true, true, kNoCheck, true},
      {"btnDeleteEmpty", s.btnDeleteEmpty, B, u"Button", u"清空", 570, 157, 60, 25, kPush, false,
       false, true, kNoCheck, true},
      {"labelWorkDir", s.labelWorkDir, L, u"Static", u"工作目录:", 20, 270, 100, 20, SS_LEFT, false,
       true, true, kNoCheck, false},
      {"editWorkDir", s.editWorkDir, E, u"Edit", u"", 20, 290, 285, 20, kValue, true, true, true,
       kNoCheck, true},
      {"btnSetWorkDir", s.btnSetWorkDir, B, u"Button", u"...", 310, 290, 25, 20, kPush, false, true,
       true, kNoCheck, true},
      {"checkSubfolders", s.checkSubfolders, B, u"Button", u"搜索子文件夹中的文件", 20, 313, 140,
       20, kCheck, false, true, true, kChecked, true},
      {"checkLyrics", s.checkLyrics, B, u"Button", u"重命名后自动下载歌词", 170, 313, 140, 20,
       kCheck, false, false, true, kChecked, true},
      {"labelNameStyle", s.labelNameStyle, L, u"Static", u"文件名修改格式:", 20, 343, 100, 20,
       SS_LEFT, false, true, true, kNoCheck, false},
      {"editNameStyle", s.editNameStyle, E, u"Edit", u"%title% - %artist%", 20, 360, 310, 20,
       kInput, true, true, true, kNoCheck, true},
      {"labelNameStyleHelp", s.labelNameStyleHelp, L, u"Static", HelpText(), 20, 385, 310, 30,
       SS_LEFT, false, true, true, kNoCheck, false},
      {"btnListFile", s.btnListFile, B, u"Button", u"刷新文件列表", 20, 420, 150, 25, kPush, false,
       true, false, kNoCheck, true},
      {"btnProcess", s.btnProcess, B, u"Button", u"开始重命名!", 180, 420, 150, 25, kPush, false,
       true, false, kNoCheck, true},
      {"groupDetails", s.groupDetails, B, u"Button", u"详细信息", 345, 245, 335, 210, kGroup, false,
       true, true, kNoCheck, true},
      {"labelSelection", s.labelSelection, L, u"Static", u"当前未选中任意一项.", 355, 275, 335, 20,
       SS_LEFT, false, true, true, kNoCheck, false},
      {"labelFileName", s.labelFileName, L, u"Static", u"文件名:", 355, 298, 30, 20, SS_LEFT, false,
       true, true, kNoCheck, false},
      {"editFileName", s.editFileName, E, u"Edit", u"暂无", 400, 295, 270, 20, kValue, true, true,
       true, kNoCheck, true},
      {"labelTitle", s.labelTitle, L, u"Static", u"曲名:", 367, 323, 30, 20, SS_LEFT, false, true,
       true, kNoCheck, false},
      {"editTitle", s.editTitle, E, u"Edit", u"暂无", 400, 320, 270, 20, kValue, true, true, true,
       kNoCheck, true},
      {"labelArtist", s.labelArtist, L, u"Static", u"艺术家:", 355, 348, 30, 20, SS_LEFT, false,
       true, true, kNoCheck, false},
      {"editArtist", s.editArtist, E, u"Edit", u"暂无", 400, 345, 270, 20, kValue, true, true, true,
       kNoCheck, true},
      {"labelAlbum", s.labelAlbum, L, u"Static", u"专辑:", 367, 373, 30, 20, SS_LEFT, false, true,
       true, kNoCheck, false},
      {"editAlbum", s.editAlbum, E, u"Edit", u"暂无", 400, 370, 270, 20, kValue, true, true, true,
       kNoCheck, true},
      {"labelNewName", s.labelNewName, L, u"Static", u"文件名修改效果:", 355, 405, 30, 20, SS_LEFT,
       false, true, true, kNoCheck, false},
      {"editNewName", s.editNewName, E, u"Edit", u"暂无", 355, 422, 310, 20, kValue, true, true,
       true, kNoCheck, true},
  };
}

// Reached with Tab, in this order.
std::vector<CCorvaneControl*> TabStops() {
  const MainWindowState& s = State();
  return {s.editWorkDir, s.btnSetWorkDir, s.checkSubfolders, s.editNameStyle,
          s.btnListFile, s.btnProcess,    s.listFile};
}

void ExpectEveryControlInPlace() {
  const std::vector<Expected> controls = ExpectedControls();
  const std::vector<CCorvaneControl*> tabStops = TabStops();
  ASSERT_EQ(controls.size() + 2, 28u);  // and the status bar and its progress bar, below
  std::set<HFONT> fonts;
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.member);
    ASSERT_NE(c.control, nullptr);
    const HWND window = c.control->hwnd;
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(FindControl(window), c.control);
    EXPECT_EQ(c.control->kind, c.kind);
    EXPECT_EQ(ClassOf(window), c.windowClass);
    EXPECT_EQ(TextOf(window), c.text);

    const RECT rect = RectInParent(window);
    EXPECT_NEAR(rect.left, Px(c.x), Slack());
    EXPECT_NEAR(rect.top, Px(c.y), Slack());
    if (c.kind == ControlKind::Label) {
      // A label grows where its text needs more room than it was given.
      EXPECT_GE(rect.right - rect.left, Px(c.width) - Slack());
      EXPECT_GE(rect.bottom - rect.top, Px(c.height) - Slack());
    } else {
      EXPECT_NEAR(rect.right - rect.left, Px(c.width), Slack());
      EXPECT_NEAR(rect.bottom - rect.top, Px(c.height), Slack());
    }

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(style & c.typeStyle, c.typeStyle);
    const bool tabStop = std::count(tabStops.begin(), tabStops.end(), c.control) != 0;
    EXPECT_EQ((style & WS_TABSTOP) != 0, tabStop);
    EXPECT_EQ(GetDlgCtrlID(window), 0);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    if (c.kind != ControlKind::List) {
      EXPECT_EQ((exStyle & WS_EX_CLIENTEDGE) != 0, c.clientEdge);
    }
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.visible);
    EXPECT_EQ(IsWindowEnabled(window) != FALSE, c.enabled);
    if (c.check != kNoCheck) {
      EXPECT_EQ(SendMessageW(window, BM_GETCHECK, 0, 0), c.check);
    }

    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (c.ownFont) {
      ASSERT_NE(font, nullptr);
      LOGFONTW logFont{};
      ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0);
      EXPECT_EQ(platform::FromWide(logFont.lfFaceName), u"MS Shell Dlg");
      EXPECT_EQ(logFont.lfHeight, Px(-9));
      EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
      EXPECT_EQ(logFont.lfCharSet, ANSI_CHARSET);
      EXPECT_TRUE(fonts.insert(font).second) << "font shared with another control";
    } else if (c.kind == ControlKind::Label) {
      EXPECT_EQ(font, nullptr);
    }
  }
  EXPECT_EQ(fonts.size(), 16u);
}

TEST_F(LayoutTest, EveryControlHasItsClassTextPlaceStyleStateAndFont) {
  // Run at a given scale, the window must really have it.
  if (const char* asked = std::getenv("CORVANE_TEST_DPI")) {
    ASSERT_EQ(ControlDpi(), static_cast<UINT>(std::atoi(asked)));
  }
  EXPECT_EQ(ControlDpi(), DpiOfWindow(State().mainWindow));
  ExpectEveryControlInPlace();
}

TEST_F(LayoutTest, ParentsAreTheMainWindowExceptForTheDeleteButton) {
  MainWindowState& s = State();
  EXPECT_EQ(GetParent(s.btnDeleteEmpty->hwnd), s.listFile->hwnd);
  for (const Expected& c : ExpectedControls()) {
    if (c.control == s.btnDeleteEmpty) continue;
    EXPECT_EQ(GetParent(c.control->hwnd), s.mainWindow) << c.member;
  }
  EXPECT_EQ(GetParent(s.statusBar->hwnd), s.mainWindow);
}

TEST_F(LayoutTest, StatusBarRunsAlongTheBottomAndShowsTheTip) {
  MainWindowState& s = State();
  const HWND bar = s.statusBar->hwnd;
  EXPECT_EQ(FindControl(bar), s.statusBar);
  EXPECT_EQ(s.statusBar->kind, ControlKind::StatusBar);
  EXPECT_EQ(ClassOf(bar), u"msctls_statusbar32");
  EXPECT_EQ(GetDlgCtrlID(bar), kStatusBarId);
  EXPECT_TRUE(IsWindowVisible(bar));
  RECT client{};
  GetClientRect(s.mainWindow, &client);
  const RECT rect = RectInParent(bar);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, client.right);
  EXPECT_EQ(rect.bottom, client.bottom);
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(StatusText(),
            u"小提示: 当文件列表加载完毕后, 您可以选中并删除列表中的部分条目, "
            u"把鼠标移动到文件列表上看看吧!");
}

void ExpectColumns() {
  const CCorvaneList& list = *State().listFile;
  EXPECT_EQ(list.columnCount, 3);
  struct Column {
    const char16_t* title;
    int width;
  };
  const Column columns[] = {{u"文件名", 350}, {u"曲名", 200}, {u"状态", 80}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(list.hwnd, LVM_GETCOLUMNW, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(platform::FromWide(title), columns[i].title);
    EXPECT_EQ(column.cx, Px(columns[i].width));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
  LVCOLUMNW fourth{};
  fourth.mask = LVCF_WIDTH;
  EXPECT_FALSE(SendMessageW(list.hwnd, LVM_GETCOLUMNW, 3, reinterpret_cast<LPARAM>(&fourth)));
}

TEST_F(LayoutTest, ListHasThreeEmptyColumnsAndItsExtendedStyles) {
  CCorvaneList& list = *State().listFile;
  ExpectColumns();
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_FALSE(list.mouseInside);
  const auto extended = SendMessageW(list.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER),
            LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  EXPECT_EQ(GetWindowLongPtrW(list.hwnd, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
}

TEST_F(LayoutTest, HelpLabelFitsItsTwoLinesIntoThirtyPixels) {
  const std::u16string text = HelpText();
  HDC dc = CreateCompatibleDC(nullptr);
  {
    const UniqueFont font = MakeControlFont(ControlDpi());
    const SelectionScope selection(dc, font.get());
    RECT oneLine{0, 0, Px(310), 0};
    DrawTextW(dc, L"说明", -1, &oneLine, DT_CALCRECT);
    RECT both{0, 0, Px(310), 0};
    DrawTextW(dc, platform::Wide(text), -1, &both, DT_CALCRECT);
    EXPECT_EQ(both.bottom, 2 * oneLine.bottom);
    EXPECT_LE(both.bottom, Px(30));
    // Each line whole in the label's width: DrawTextW cuts nothing it is not told to.
    EXPECT_LE(both.right, Px(310));
  }
  DeleteDC(dc);
}

// Where DrawTextW puts the end of text in the labels' font, from the left.
int TextEnd(const std::u16string& text) {
  const HDC dc = CreateCompatibleDC(nullptr);
  RECT extent{};
  {
    const UniqueFont font = MakeControlFont(ControlDpi());
    const SelectionScope selection(dc, font.get());
    DrawTextW(dc, platform::Wide(text), -1, &extent, DT_NOCLIP | DT_CALCRECT);
  }
  DeleteDC(dc);
  return extent.right;
}

// Pixels in a part of the main window's client area, as it was drawn, that
// are darker than the window's background: the labels' text is black, its
// smoothed edges grey.
int InkIn(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC memory = CreateCompatibleDC(nullptr);
  const UniqueGdi<HBITMAP> bitmap(
      CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  int ink = 0;
  if (bitmap) {
    const SelectionScope selection(memory, bitmap.get());
    const WindowDcScope window(State().mainWindow);
    BitBlt(memory, 0, 0, width, height, window.dc(), area.left, area.top, SRCCOPY);
    GdiFlush();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int background = GetRValue(face) + GetGValue(face) + GetBValue(face);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
      const std::uint32_t p = pixels[i];
      const auto light = static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
      ink += light < background - 96 ? 1 : 0;
    }
  }
  DeleteDC(memory);
  return ink;
}

TEST_F(LayoutTest, DetailsPanelLabelsShowTheirWholeTextAndLeaveTheBoxesFree) {
  const MainWindowState& s = State();
  RedrawWindow(s.mainWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const CCorvaneLabel* labels[] = {s.labelFileName, s.labelTitle, s.labelArtist, s.labelAlbum,
                                   s.labelNewName};
  for (const CCorvaneLabel* label : labels) {
    const std::u16string text = TextOf(label->hwnd);
    SCOPED_TRACE(platform::Wide(text));
    const RECT place = RectInParent(label->hwnd);
    // The last character, the colon, stands between the ends of the text
    // without it and with it; its ink must be there on the screen.
    const RECT lastCharacter{place.left + TextEnd(text.substr(0, text.size() - 1)), place.top,
                             place.left + TextEnd(text), place.top + Px(14)};
    ASSERT_GT(lastCharacter.right, lastCharacter.left);
    const RECT firstCharacter{place.left, place.top, place.left + TextEnd(text.substr(0, 1)),
                              place.top + Px(14)};
    ASSERT_GT(InkIn(firstCharacter), 0) << "nothing drawn where the text begins";
    EXPECT_GT(InkIn(lastCharacter), 0) << "the text ends before its last character";
    if (label != s.labelNewName) {
      EXPECT_LE(place.right, Px(400)) << "the label reaches into the box beside it";
    }
  }
}

TEST_F(LayoutTest, MainWindowIsAFixedCentredCorvaneWindow) {
  const HWND window = State().mainWindow;
  EXPECT_EQ(ClassOf(window), u"Corvane");
  EXPECT_EQ(TextOf(window), u"Corvane");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetMenu(window), nullptr);

  // Wine draws every program at the display's scale; Windows does so only
  // for one whose manifest asks, per display, and stretches the others.
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "no manifest";
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  for (const char* part :
       {"<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm<",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
        "PerMonitorV2",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }

  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, Px(700));
  EXPECT_EQ(rect.bottom - rect.top, Px(515));
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - Px(700)) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - Px(515)) / 2);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"Corvane", &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EXPECT_NE(windowClass.hIcon, nullptr) << "icon 103 missing";

  // Its display at another scale than the one signed in with: sized for the
  // display's, then centred on its work area, clear of the taskbar.
  const UINT other = ControlDpi() == 96 ? 144 : 96;
  FitToDisplay(window, other);
  MONITORINFO display{};
  display.cbSize = sizeof(display);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &display));
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, ScaleToDpi(700, other));
  EXPECT_EQ(rect.bottom - rect.top, ScaleToDpi(515, other));
  EXPECT_NEAR(rect.left - display.rcWork.left, display.rcWork.right - rect.right, 1);
  EXPECT_NEAR(rect.top - display.rcWork.top, display.rcWork.bottom - rect.bottom, 1);
}

// Where a control stands at 96 dpi: its place, a label grown to its text
// in the 96-dpi font.
RECT At96Dpi(const Expected& c) {
  RECT rect{c.x, c.y, c.x + c.width, c.y + c.height};
  if (c.kind != ControlKind::Label) return rect;
  const HDC dc = CreateCompatibleDC(nullptr);
  RECT text{};
  {
    const UniqueFont font = MakeControlFont(kDefaultDpi);
    const SelectionScope selection(dc, font.get());
    DrawTextW(dc, platform::Wide(c.text), -1, &text, DT_NOCLIP | DT_CALCRECT);
  }
  DeleteDC(dc);
  rect.right = std::max(rect.right, c.x + text.right);
  rect.bottom = std::max(rect.bottom, c.y + text.bottom);
  return rect;
}

TEST_F(LayoutTest, ControlsOverlapOnlyAsAt96DpiAndTheWindowHoldsThemAll) {
  const MainWindowState& s = State();
  std::vector<Expected> shown;
  for (const Expected& c : ExpectedControls()) {
    if (c.visible) shown.push_back(c);
  }
  RECT client{};
  GetClientRect(s.mainWindow, &client);
  const RECT bar = RectInParent(s.statusBar->hwnd);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(shown[i].member);
    const RECT place = RectInParent(shown[i].control->hwnd);
    EXPECT_GE(place.left, 0);
    EXPECT_LE(place.right, client.right);
    EXPECT_LE(place.bottom, bar.top) << "under the status bar";
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      RECT overlap{};
      const RECT a = At96Dpi(shown[i]), b = At96Dpi(shown[j]);
      if (IntersectRect(&overlap, &a, &b)) continue;
      const RECT other = RectInParent(shown[j].control->hwnd);
      EXPECT_FALSE(IntersectRect(&overlap, &place, &other)) << "overlaps " << shown[j].member;
    }
  }
}

// While counted work shows: the status bar in two parts, the right one
// 160 px at 96 dpi, the bar inside it; the text keeps the rest.
void ExpectBarInTheRightPart(int done, int total) {
  const MainWindowState& s = State();
  const HWND status = s.statusBar->hwnd;
  const HWND bar = s.progressBar->hwnd;
  ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 2);
  RECT client{};
  GetClientRect(status, &client);
  int edges[2] = {};
  SendMessageW(status, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], client.right - Px(160));
  EXPECT_EQ(edges[1], -1);
  RECT part{};
  ASSERT_TRUE(SendMessageW(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part)));
  const RECT place = RectInParent(bar);
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_GE(place.left, part.left);
  EXPECT_GE(place.top, part.top);
  EXPECT_LE(place.right, part.right);
  EXPECT_LE(place.bottom, part.bottom);
  EXPECT_GE(place.right - place.left, Px(150)) << "a bar, not a sliver";
  EXPECT_GE(place.bottom - place.top, Px(12));
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), done);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), total);
  std::printf(
      "at %u dpi: status bar client {0,0,%ld,%ld}, right part {%ld,%ld,%ld,%ld}, bar "
      "{%ld,%ld,%ld,%ld}\n",
      ControlDpi(), client.right, client.bottom, part.left, part.top, part.right, part.bottom,
      place.left, place.top, place.right, place.bottom);
}

void ExpectNoBar() {
  const MainWindowState& s = State();
  EXPECT_FALSE(IsWindowVisible(s.progressBar->hwnd));
  EXPECT_EQ(SendMessageW(s.statusBar->hwnd, SB_GETPARTS, 0, 0), 1) << "the text has the whole bar";
}

TEST_F(LayoutTest, TheProgressBarShowsInTheStatusBarsRightPartOnlyWhileCountedWorkRuns) {
  const MainWindowState& s = State();
  ASSERT_NE(s.progressBar, nullptr);
  EXPECT_EQ(FindControl(s.progressBar->hwnd), s.progressBar);
  EXPECT_EQ(s.progressBar->kind, ControlKind::ProgressBar);
  EXPECT_EQ(ClassOf(s.progressBar->hwnd), u"msctls_progress32");
  EXPECT_EQ(GetParent(s.progressBar->hwnd), s.statusBar->hwnd);
  const std::u16string tip = StatusText();
  ExpectNoBar();
  ShowUncountedProgress();
  ExpectNoBar();
  ShowProgress(4, 9);
  ExpectBarInTheRightPart(4, 9);
  EXPECT_EQ(StatusText(), tip) << "the text stays in part 0";
  EndProgress();
  ExpectNoBar();
  EXPECT_EQ(StatusText(), tip);
}

LONG ListFontHeight() {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(State().listFile->hwnd, WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  return font.lfHeight;
}

TEST_F(LayoutTest, AMoveToAnotherScaleLaysEverythingOutAgainAndBackExactly) {
  const HWND window = State().mainWindow;
  const UINT start = ControlDpi();
  const LONG startFontHeight = ListFontHeight();
  ASSERT_NE(startFontHeight, 0);
  // Counted work runs through the moves: its bar follows the status bar.
  ShowProgress(5, 9);
  for (const UINT dpi : {start == 144 ? 192u : 144u, start}) {
    SCOPED_TRACE(dpi);
    RECT suggested{};
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + ScaleToDpi(700, dpi);
    suggested.bottom = suggested.top + ScaleToDpi(515, dpi);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(ControlDpi(), dpi);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &suggested)) << "the window takes the place offered";
    ExpectEveryControlInPlace();
    ExpectColumns();
    EXPECT_EQ(ListFontHeight(), ScaleToDpi(startFontHeight, dpi, start));
    ExpectBarInTheRightPart(5, 9);
  }
  EndProgress();
  ExpectNoBar();
}

}  // namespace
