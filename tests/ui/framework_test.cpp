// The control framework: the dispatchers' routing, the subclass procedures,
// check boxes, mouse tracking and the list helpers, exercised on the real
// main window with controls of the tests' own that count their calls.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "support/main_window_fixture.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/win_text.h"

namespace {

struct CountingButton : CCorvaneButton {
  int clicks = 0;
  void OnClick() override { ++clicks; }
};

struct CountingEdit : CCorvaneEdit {
  int changes = 0;
  int keyUps = 0;
  void OnChange() override { ++changes; }
  LRESULT OnKeyUp() override {
    ++keyUps;
    return 7;
  }
};

struct CountingList : CCorvaneList {
  static constexpr LRESULT kDrawResult = 0x1234;
  int draws = 0, beginScrolls = 0, endScrolls = 0, clicks = 0, leaves = 0, enters = 0;
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW*) override {
    ++draws;
    return kDrawResult;
  }
  void OnBeginScroll() override { ++beginScrolls; }
  void OnEndScroll() override { ++endScrolls; }
  void OnClick() override { ++clicks; }
  void OnMouseLeave() override {
    mouseInside = false;
    ++leaves;
  }
  void OnMouseEnter() override { ++enters; }
};

class FrameworkTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    const HWND parent = State().mainWindow;
    CreateButton(button, u"button", BS_PUSHBUTTON, 0, 0, 50, 20, parent);
    CreateEdit(edit, u"edit", ES_AUTOHSCROLL, 0, 30, 50, 20, parent);
    CreateLabel(label, u"label", 0, 60, 50, 20, parent);
    ASSERT_TRUE(CreateListWindow(list, u"countingList", 100, 0, 200, 100, parent));
    stranger = CreateWindowExW(0, L"Button", L"stranger", WS_CHILD, 0, 90, 50, 20, parent, nullptr,
                               nullptr, nullptr);
  }
  void TearDown() override {
    if (stranger != nullptr) DestroyWindow(stranger);
    MainWindowTest::TearDown();
  }

  LRESULT Command(WORD code, HWND from) {
    return SendMessageW(State().mainWindow, WM_COMMAND, MAKEWPARAM(0, code),
                        reinterpret_cast<LPARAM>(from));
  }
  LRESULT Notify(UINT code, HWND from) {
    NMLVCUSTOMDRAW record{};  // big enough for every code sent here
    record.nmcd.hdr.hwndFrom = from;
    record.nmcd.hdr.code = code;
    return SendMessageW(State().mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&record));
  }

  // Created per test and never deleted, like the program's own controls.
  CountingButton& button = *new CountingButton();
  CountingEdit& edit = *new CountingEdit();
  CCorvaneLabel& label = *new CCorvaneLabel();
  CountingList& list = *new CountingList();
  HWND stranger = nullptr;  // a window that is not registered
};

TEST_F(FrameworkTest, CommandsReachOnlyTheOperationOfTheRightKind) {
  struct Case {
    const char* what;
    WORD code;
    HWND from;
    LRESULT result;
    int clicks, changes;
  };
  const Case cases[] = {
      {"click from a button", BN_CLICKED, button.hwnd, 0, 1, 0},
      {"click from an edit", BN_CLICKED, edit.hwnd, 0, 0, 0},
      {"change from an edit", EN_CHANGE, edit.hwnd, 0, 0, 1},
      {"change from a button", EN_CHANGE, button.hwnd, 0, 0, 0},
      {"focus of an edit", EN_SETFOCUS, edit.hwnd, 1, 0, 0},
      {"focus of a button", BN_SETFOCUS, button.hwnd, 1, 0, 0},
      {"click from a label", BN_CLICKED, label.hwnd, 0, 0, 0},
      {"click from a list", BN_CLICKED, list.hwnd, 0, 0, 0},
      {"click from an unknown window", BN_CLICKED, stranger, 0, 0, 0},
      {"focus of an unknown window", EN_SETFOCUS, stranger, 0, 0, 0},
      {"no control (menu)", BN_CLICKED, nullptr, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    button.clicks = 0;
    edit.changes = 0;
    EXPECT_EQ(Command(c.code, c.from), c.result);
    EXPECT_EQ(button.clicks, c.clicks);
    EXPECT_EQ(edit.changes, c.changes);
  }
  EXPECT_EQ(list.clicks, 0);
}

TEST_F(FrameworkTest, NotificationsReachOnlyTheList) {
  struct Case {
    const char* what;
    UINT code;
    HWND from;
    LRESULT result;
    int draws, beginScrolls, endScrolls, clicks;
  };
  const Case cases[] = {
      {"custom draw", static_cast<UINT>(NM_CUSTOMDRAW), list.hwnd, CountingList::kDrawResult, 1, 0,
       0, 0},
      {"begin scroll", static_cast<UINT>(LVN_BEGINSCROLL), list.hwnd, 0, 0, 1, 0, 0},
      {"end scroll", static_cast<UINT>(LVN_ENDSCROLL), list.hwnd, 0, 0, 0, 1, 0},
      {"click", static_cast<UINT>(NM_CLICK), list.hwnd, 0, 0, 0, 0, 1},
      {"double click", static_cast<UINT>(NM_DBLCLK), list.hwnd, 0, 0, 0, 0, 0},
      {"custom draw from a button", static_cast<UINT>(NM_CUSTOMDRAW), button.hwnd, 0, 0, 0, 0, 0},
      {"click from an edit", static_cast<UINT>(NM_CLICK), edit.hwnd, 0, 0, 0, 0, 0},
      {"click from an unknown window", static_cast<UINT>(NM_CLICK), stranger, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    list.draws = list.beginScrolls = list.endScrolls = list.clicks = 0;
    EXPECT_EQ(Notify(c.code, c.from), c.result);
    EXPECT_EQ(list.draws, c.draws);
    EXPECT_EQ(list.beginScrolls, c.beginScrolls);
    EXPECT_EQ(list.endScrolls, c.endScrolls);
    EXPECT_EQ(list.clicks, c.clicks);
  }
  EXPECT_EQ(button.clicks, 0);
}

TEST_F(FrameworkTest, EditSubclassTakesKeyReleasesAndPassesTheRestOn) {
  EXPECT_EQ(SendMessageW(edit.hwnd, WM_KEYUP, 'A', 0), 7);
  EXPECT_EQ(edit.keyUps, 1);
  SetText(edit.hwnd, u"passed on");
  EXPECT_EQ(TextOf(edit.hwnd), u"passed on");
  SendMessageW(edit.hwnd, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(edit.keyUps, 1);

  // The program's own boxes: the plain edit answers 1, the name style box 0.
  EXPECT_EQ(SendMessageW(State().editWorkDir->hwnd, WM_KEYUP, 'A', 0), 1);
  EXPECT_EQ(SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, 'A', 0), 0);
}

TEST_F(FrameworkTest, SubclassProceduresDropMessagesOfUnregisteredWindows) {
  for (auto [windowClass, procedure] :
       {std::pair{L"Edit", &EditSubclassProc}, std::pair{WC_LISTVIEWW, &ListSubclassProc}}) {
    SCOPED_TRACE(procedure == &EditSubclassProc ? "edit" : "list");
    const HWND window = CreateWindowExW(0, windowClass, L"text", WS_CHILD, 0, 0, 10, 10,
                                        State().mainWindow, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const auto original = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 0);
    SetWindowLongPtrW(window, GWLP_WNDPROC, original);
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 4);
    DestroyWindow(window);
  }
  // Registered, but not as an edit: a list object behind the edit procedure.
  const auto original = GetWindowLongPtrW(list.hwnd, GWLP_WNDPROC);
  SetWindowLongPtrW(list.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditSubclassProc));
  EXPECT_EQ(SendMessageW(list.hwnd, WM_GETTEXTLENGTH, 0, 0), 0);
  SetWindowLongPtrW(list.hwnd, GWLP_WNDPROC, original);
  EXPECT_EQ(SendMessageW(list.hwnd, WM_GETTEXTLENGTH, 0, 0), 12);
}

TEST_F(FrameworkTest, RegisteringAHandleTwiceKeepsTheFirstObject) {
  CountingButton other;
  RegisterControl(button.hwnd, &other);
  EXPECT_EQ(FindControl(button.hwnd), &button);
  EXPECT_EQ(FindControl(stranger), nullptr);
}

TEST_F(FrameworkTest, EachCheckBoxClickTogglesOnce) {
  // A three-state box (registered as a check box) is the only way to reach
  // the indeterminate state: a plain BS_CHECKBOX refuses it.
  auto& threeState = *new CCorvaneCheckBox();
  CreateButton(threeState, u"3", BS_3STATE, 0, 120, 50, 20, State().mainWindow);
  struct Case {
    const char* what;
    HWND box;
    WPARAM before;
    LRESULT after;
  };
  const HWND subfolders = State().checkSubfolders->hwnd;
  const Case cases[] = {
      {"checked", subfolders, BST_CHECKED, BST_UNCHECKED},
      {"unchecked", subfolders, BST_UNCHECKED, BST_CHECKED},
      {"indeterminate", threeState.hwnd, BST_INDETERMINATE, BST_CHECKED},
      {"three-state, checked", threeState.hwnd, BST_CHECKED, BST_UNCHECKED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SendMessageW(c.box, BM_SETCHECK, c.before, 0);
    ASSERT_EQ(SendMessageW(c.box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.before));
    SendMessageW(c.box, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(SendMessageW(c.box, BM_GETCHECK, 0, 0), c.after);
  }
}

TEST_F(FrameworkTest, MouseEntersOnceUntilItLeaves) {
  struct Step {
    UINT message;
    int enters, leaves;
    bool inside;
  };
  const Step steps[] = {
      {WM_MOUSEMOVE, 1, 0, true},  {WM_MOUSEMOVE, 1, 0, true},   {WM_MOUSEMOVE, 1, 0, true},
      {WM_MOUSEHOVER, 2, 0, true}, {WM_MOUSELEAVE, 2, 1, false}, {WM_MOUSEMOVE, 3, 1, true},
      {WM_MOUSEMOVE, 3, 1, true},
  };
  // Sent, not posted, and nothing pumped in between: TrackMouseEvent may
  // queue a leave of its own when the real pointer is elsewhere.
  int index = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(index++);
    EXPECT_EQ(SendMessageW(list.hwnd, step.message, 0, MAKELPARAM(10, 10)), 0);
    EXPECT_EQ(list.enters, step.enters);
    EXPECT_EQ(list.leaves, step.leaves);
    EXPECT_EQ(list.mouseInside, step.inside);
  }

  // The file list follows the same states.
  CCorvaneList& fileList = *State().listFile;
  SendMessageW(fileList.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(fileList.mouseInside);
  SendMessageW(fileList.hwnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(fileList.mouseInside);
}

TEST_F(FrameworkTest, ClicksOfAButtonInsideTheListReachTheMainWindowsDispatcher) {
  MainWindowState& s = State();
  EXPECT_EQ(GetParent(s.btnDeleteEmpty->hwnd), s.listFile->hwnd);
  EXPECT_EQ(FindControl(s.btnDeleteEmpty->hwnd), s.btnDeleteEmpty);

  auto& inside = *new CountingButton();
  CreateButton(inside, u"清空", BS_PUSHBUTTON, 570, 157, 60, 25, s.listFile->hwnd);
  SendMessageW(inside.hwnd, BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(inside.clicks, 1);
  // The dispatcher's answer comes back through the list.
  EXPECT_EQ(SendMessageW(s.listFile->hwnd, WM_COMMAND, MAKEWPARAM(0, BN_SETFOCUS),
                         reinterpret_cast<LPARAM>(inside.hwnd)),
            1);
  EXPECT_EQ(SendMessageW(s.listFile->hwnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                         reinterpret_cast<LPARAM>(inside.hwnd)),
            0);
  EXPECT_EQ(inside.clicks, 2);
}

TEST_F(FrameworkTest, ListHelpersFillCellsByColumn) {
  EXPECT_FALSE(list.AddRow(0, {u"no columns yet"}));
  EXPECT_EQ(list.GetItemCount(), 0);

  for (const char16_t* title : {u"a", u"b", u"c"}) list.InsertColumn(50, title);
  ASSERT_EQ(list.columnCount, 3);

  const std::u16string longText(300, u'长');
  struct Row {
    std::vector<std::u16string> texts;
    std::u16string cells[3];
  };
  const Row rows[] = {
      {{u"C:\\音乐\\a.mp3"}, {u"C:\\音乐\\a.mp3", u"", u""}},
      {{u"x", u"title", u"已修改"}, {u"x", u"title", u"已修改"}},
      {{longText}, {longText.substr(0, 259), u"", u""}},
  };
  int index = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(index);
    ASSERT_TRUE(list.AddRow(0, row.texts));
    ASSERT_EQ(list.GetItemCount(), index + 1);
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(list.GetItemText(index, column), row.cells[column]) << "column " << column;
    }
    ++index;
  }
  list.SetItemText(0, 2, u"未修改");
  EXPECT_EQ(list.GetItemText(0, 2), u"未修改");
  EXPECT_EQ(list.GetItemText(0, 1), u"");
}

TEST_F(FrameworkTest, ReadOnlyFollowsSetReadOnly) {
  CCorvaneEdit& nameStyle = *State().editNameStyle;
  for (bool value : {true, false, true}) {
    nameStyle.SetReadOnly(value);
    EXPECT_EQ(nameStyle.readOnly, value);
    EXPECT_EQ((GetWindowLongPtrW(nameStyle.hwnd, GWL_STYLE) & ES_READONLY) != 0, value);
  }
}

}  // namespace
