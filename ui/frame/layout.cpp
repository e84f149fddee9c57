#include "ui/frame/layout.h"

#include <type_traits>

#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/dpi.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/progress_bar.h"
#include "ui/framework/status_bar.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"

namespace {

constexpr DWORD kValueBox = ES_READONLY | ES_AUTOHSCROLL;
constexpr DWORD kInputBox = ES_AUTOHSCROLL;

struct Place {
  int x, y, width, height;
};

template <auto Member>
CCorvaneControl* ControlOf(MainWindowState& state) {
  return state.*Member;
}

struct Placement {
  CCorvaneControl* (*control)(MainWindowState&);
  Place place;  // at 96 dpi, in the parent's client area
};

using S = MainWindowState;
// Every control's place, once: CreateControls and FollowDpi both read it.
const Placement kPlacements[] = {
    {ControlOf<&S::groupFileList>, {10, 10, 670, 225}},
    {ControlOf<&S::listFile>, {20, 30, 650, 200}},
    {ControlOf<&S::groupSettings>, {10, 245, 330, 210}},
    {ControlOf<&S::btnDeleteEmpty>, {570, 157, 60, 25}},  // in the list's client area
    {ControlOf<&S::labelWorkDir>, {20, 270, 100, 20}},
    {ControlOf<&S::editWorkDir>, {20, 290, 285, 20}},
    {ControlOf<&S::btnSetWorkDir>, {310, 290, 25, 20}},
    {ControlOf<&S::checkSubfolders>, {20, 313, 140, 20}},
    {ControlOf<&S::checkLyrics>, {170, 313, 140, 20}},
    {ControlOf<&S::labelNameStyle>, {20, 343, 100, 20}},
    {ControlOf<&S::editNameStyle>, {20, 360, 310, 20}},
    {ControlOf<&S::labelNameStyleHelp>, {20, 385, 310, 30}},
    {ControlOf<&S::btnListFile>, {20, 420, 150, 25}},
    {ControlOf<&S::btnProcess>, {180, 420, 150, 25}},
    {ControlOf<&S::groupDetails>, {345, 245, 335, 210}},
    {ControlOf<&S::labelSelection>, {355, 275, 335, 20}},
    {ControlOf<&S::labelFileName>, {355, 298, 30, 20}},
    {ControlOf<&S::editFileName>, {400, 295, 270, 20}},
    // The two-character labels stand further right than the others.
    {ControlOf<&S::labelTitle>, {367, 323, 30, 20}},
    {ControlOf<&S::editTitle>, {400, 320, 270, 20}},
    {ControlOf<&S::labelArtist>, {355, 348, 30, 20}},
    {ControlOf<&S::editArtist>, {400, 345, 270, 20}},
    {ControlOf<&S::labelAlbum>, {367, 373, 30, 20}},
    {ControlOf<&S::editAlbum>, {400, 370, 270, 20}},
    {ControlOf<&S::labelNewName>, {355, 405, 30, 20}},
    {ControlOf<&S::editNewName>, {355, 422, 310, 20}},
};

Place Scaled(const Place& place) {
  const UINT dpi = ControlDpi();
  return {ScaleToDpi(place.x, dpi), ScaleToDpi(place.y, dpi), ScaleToDpi(place.width, dpi),
          ScaleToDpi(place.height, dpi)};
}

// The control's place at the window's dpi.
Place At(const CCorvaneControl& control) {
  for (const Placement& placement : kPlacements) {
    if (placement.control(State()) == &control) return Scaled(placement.place);
  }
  return {};
}

// Each object is stored in its member before its window exists, as the rest
// of the program expects to find it there from then on. The member names the
// framework class; the object is of the class that gives it its behaviour.
template <typename Control = void, typename Member>
Member& Make(Member*& member) {
  using Made = std::conditional_t<std::is_void_v<Control>, Member, Control>;
  member = new Made();  // lives as long as the process; never deleted
  return *member;
}

void Button(CCorvaneButton& button, const char16_t* text, DWORD style, HWND parent) {
  const Place p = At(button);
  CreateButton(button, text, style, p.x, p.y, p.width, p.height, parent);
}

void Label(CCorvaneLabel& label, const char16_t* text, HWND parent) {
  const Place p = At(label);
  CreateLabel(label, text, p.x, p.y, p.width, p.height, parent);
}

void Edit(CCorvaneEdit& edit, const char16_t* text, DWORD style, HWND parent) {
  const Place p = At(edit);
  CreateEdit(edit, text, style, p.x, p.y, p.width, p.height, parent);
}

void MakeFileList() {
  const Place p = At(Make<CorvaneWnd::CListFile>(State().listFile));
  CCorvaneList& list = *State().listFile;
  if (!CreateFileList(p.x, p.y, p.width, p.height)) return;
  for (const FileListColumn& column : kFileListColumns) {
    list.InsertColumn(ScaleToDpi(column.width, ControlDpi()), column.title);
  }
  // Its own font is made at the scale the user signed in with, which the
  // window's display need not have.
  list.defaultFont.Note(list.hwnd, SystemDpi());
  list.defaultFont.Follow(list.hwnd, ControlDpi());
}

}  // namespace

void CreateControls() {
  MainWindowState& s = State();
  const HWND window = s.mainWindow;

  Button(Make(s.groupFileList), u"文件列表", BS_GROUPBOX, window);
  MakeFileList();
  Button(Make(s.groupSettings), u"设置", BS_GROUPBOX, window);
  // A child of the list, shown while the mouse is over it.
  Button(Make<CorvaneWnd::CBtnDeleteEmpty>(s.btnDeleteEmpty), u"清空", BS_PUSHBUTTON,
         s.listFile->hwnd);
  ShowWindow(s.btnDeleteEmpty->hwnd, SW_HIDE);

  Label(Make(s.labelWorkDir), u"工作目录:", window);
  Edit(Make(s.editWorkDir), nullptr, kValueBox | WS_TABSTOP, window);
  Button(Make<CorvaneWnd::CBtnSetWorkDir>(s.btnSetWorkDir), u"...", BS_PUSHBUTTON | WS_TABSTOP,
         window);
  Button(Make(s.checkSubfolders), u"搜索子文件夹中的文件", BS_CHECKBOX | WS_TABSTOP, window);
  SendMessageW(s.checkSubfolders->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  // Never shown, always ticked: the lyrics stage follows every renaming.
  Button(Make(s.checkLyrics), u"重命名后自动下载歌词", BS_CHECKBOX, window);
  SendMessageW(s.checkLyrics->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  ShowWindow(s.checkLyrics->hwnd, SW_HIDE);

  Label(Make(s.labelNameStyle), u"文件名修改格式:", window);
  Edit(Make<CorvaneWnd::CEditNameStyle>(s.editNameStyle), u"%title% - %artist%",
       kInputBox | WS_TABSTOP, window);
  Label(Make(s.labelNameStyleHelp),
        u"说明: %title% - 曲名, %artist% - 艺术家, %album% - 专辑,\r\n"
        u"%track% - 音轨号, %year% - 年份. 具体效果可从右侧\"详细信息\"内预览.",
        window);
  Button(Make<CorvaneWnd::CBtnListFile>(s.btnListFile), kRefreshCaption, BS_PUSHBUTTON | WS_TABSTOP,
         window);
  Button(Make<CorvaneWnd::CBtnProcess>(s.btnProcess), kStartRenamingCaption,
         BS_PUSHBUTTON | WS_TABSTOP, window);
  // Tab follows the order of the windows: the list, made first, comes last.
  SetWindowPos(s.listFile->hwnd, s.btnProcess->hwnd, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  Button(Make(s.groupDetails), u"详细信息", BS_GROUPBOX, window);
  Label(Make(s.labelSelection), u"当前未选中任意一项.", window);
  Label(Make(s.labelFileName), u"文件名:", window);
  Edit(Make(s.editFileName), u"暂无", kValueBox, window);
  Label(Make(s.labelTitle), u"曲名:", window);
  Edit(Make(s.editTitle), u"暂无", kValueBox, window);
  Label(Make(s.labelArtist), u"艺术家:", window);
  Edit(Make(s.editArtist), u"暂无", kValueBox, window);
  Label(Make(s.labelAlbum), u"专辑:", window);
  Edit(Make(s.editAlbum), u"暂无", kValueBox, window);
  Label(Make(s.labelNewName), u"文件名修改效果:", window);
  Edit(Make(s.editNewName), u"暂无", kValueBox, window);

  CreateStatusBar(Make(s.statusBar), window);
  s.statusBar->defaultFont.Note(s.statusBar->hwnd, SystemDpi());
  s.statusBar->defaultFont.Follow(s.statusBar->hwnd, ControlDpi());
  // Shown in the bar's right part while counted work runs.
  CreateProgressBar(Make(s.progressBar), s.statusBar->hwnd);
  ApplyControlStates(ControlMoment::ProgramStart);
  SetStatusText(
      u"小提示: 当文件列表加载完毕后, 您可以选中并删除列表中的部分条目, "
      u"把鼠标移动到文件列表上看看吧!");
}

void FollowDpi(UINT dpi) {
  const UINT before = ControlDpi();
  SetControlDpi(dpi);
  MainWindowState& s = State();
  for (const Placement& placement : kPlacements) {
    CCorvaneControl* control = placement.control(s);
    if (control == nullptr || control->hwnd == nullptr) continue;
    const Place p = Scaled(placement.place);
    SetWindowPos(control->hwnd, nullptr, p.x, p.y, p.width, p.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (auto* button = dynamic_cast<CCorvaneButton*>(control)) button->ApplyFont();
    if (auto* edit = dynamic_cast<CCorvaneEdit*>(control)) edit->ApplyFont();
    if (control->kind == ControlKind::Label) FitLabelToText(control->hwnd);
  }
  if (s.listFile != nullptr && s.listFile->hwnd != nullptr) {
    const HWND list = s.listFile->hwnd;
    s.listFile->defaultFont.Follow(list, dpi);
    // The user may have dragged a column wider: each keeps its own width, scaled.
    for (int column = 0; column < s.listFile->columnCount; ++column) {
      const auto width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
      SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                   ScaleToDpi(width, dpi, before));
    }
  }
  if (s.statusBar != nullptr && s.statusBar->hwnd != nullptr) {
    s.statusBar->defaultFont.Follow(s.statusBar->hwnd, dpi);
    // The bar places itself along the bottom edge when told of a size.
    SendMessageW(s.statusBar->hwnd, WM_SIZE, 0, 0);
    PlaceProgress();
  }
  RedrawWindow(s.mainWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}
