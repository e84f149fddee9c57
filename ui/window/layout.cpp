#include "ui/window/layout.h"

#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/status_bar.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/start_worker.h"
#include "update/update_check.h"

namespace {

constexpr DWORD kValueBox = ES_READONLY | ES_AUTOHSCROLL;
constexpr DWORD kInputBox = ES_AUTOHSCROLL;

// Each object is stored in its member before its window exists, as the rest
// of the program expects to find it there from then on.
template <typename Control>
Control& Make(Control*& member) {
  member = new Control();  // lives as long as the process; never deleted
  return *member;
}

}  // namespace

void CreateControls() {
  MainWindowState& s = State();
  const HWND window = s.mainWindow;

  CreateButton(Make(s.groupFileList), u"文件列表", BS_GROUPBOX, 10, 10, 670, 225, window);
  Make(s.listFile);
  if (CreateFileList()) {
    for (const FileListColumn& column : kFileListColumns) {
      s.listFile->InsertColumn(column.width, column.title);
    }
  }
  CreateButton(Make(s.groupSettings), u"设置", BS_GROUPBOX, 10, 245, 330, 210, window);
  // A child of the list, shown while the mouse is over it.
  CreateButton(Make(s.btnDeleteEmpty), u"清空", BS_PUSHBUTTON, 570, 157, 60, 25, s.listFile->hwnd);
  ShowWindow(s.btnDeleteEmpty->hwnd, SW_HIDE);

  CreateLabel(Make(s.labelWorkDir), u"工作目录:", 20, 270, 100, 20, window);
  CreateEdit(Make(s.editWorkDir), nullptr, kValueBox, 20, 290, 285, 20, window);
  CreateButton(Make(s.btnSetWorkDir), u"...", BS_PUSHBUTTON, 310, 290, 25, 20, window);
  CreateButton(Make(s.checkSubfolders), u"搜索子文件夹中的文件", BS_CHECKBOX, 20, 313, 140, 20,
               window);
  SendMessageW(s.checkSubfolders->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  // Never shown, always ticked: the lyrics stage follows every renaming.
  CreateButton(Make(s.checkLyrics), u"重命名后自动下载歌词", BS_CHECKBOX, 170, 313, 140, 20,
               window);
  SendMessageW(s.checkLyrics->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  ShowWindow(s.checkLyrics->hwnd, SW_HIDE);

  CreateLabel(Make(s.labelNameStyle), u"文件名修改格式:", 20, 343, 100, 20, window);
  CreateEdit(Make(s.editNameStyle), u"%title% - %artist%", kInputBox, 20, 360, 310, 20, window);
  CreateLabel(Make(s.labelNameStyleHelp),
              u"说明: %title% - 曲名, %artist% - 艺术家, %album% - 专辑. \r\n"
              u"          具体修改效果可从右侧\"详细信息\"内预览.",
              20, 385, 310, 30, window);
  CreateButton(Make(s.btnListFile), kRefreshCaption, BS_PUSHBUTTON, 20, 420, 150, 25, window);
  CreateButton(Make(s.btnProcess), kStartRenamingCaption, BS_PUSHBUTTON, 180, 420, 150, 25, window);

  CreateButton(Make(s.groupDetails), u"详细信息", BS_GROUPBOX, 345, 245, 335, 210, window);
  CreateLabel(Make(s.labelSelection), u"当前未选中任意一项.", 355, 275, 335, 20, window);
  CreateLabel(Make(s.labelFileName), u"文件名:", 355, 298, 30, 20, window);
  CreateEdit(Make(s.editFileName), u"暂无", kValueBox, 400, 295, 270, 20, window);
  // The two-character labels stand further right than the others.
  CreateLabel(Make(s.labelTitle), u"曲名:", 367, 323, 30, 20, window);
  CreateEdit(Make(s.editTitle), u"暂无", kValueBox, 400, 320, 270, 20, window);
  CreateLabel(Make(s.labelArtist), u"艺术家:", 355, 348, 30, 20, window);
  CreateEdit(Make(s.editArtist), u"暂无", kValueBox, 400, 345, 270, 20, window);
  CreateLabel(Make(s.labelAlbum), u"专辑:", 367, 373, 30, 20, window);
  CreateEdit(Make(s.editAlbum), u"暂无", kValueBox, 400, 370, 270, 20, window);
  CreateLabel(Make(s.labelNewName), u"文件名修改效果:", 355, 405, 30, 20, window);
  CreateEdit(Make(s.editNewName), u"暂无", kValueBox, 355, 422, 310, 20, window);

  CreateStatusBar(Make(s.statusBar), window);
  ApplyControlStates(ControlMoment::ProgramStart);
  SetStatusText(
      u"小提示: 当文件列表加载完毕后, 您可以选中并删除列表中的部分条目, "
      u"把鼠标移动到文件列表上看看吧!");

  // Last: the check may use every control from its first instruction.
  s.updateThread = StartWorker(
      UpdateCheckThreadProc,
      std::make_unique<UpdateCheckRequest>(UpdateCheckRequest{window, WM_UPDATE_CHECKED}));
}
