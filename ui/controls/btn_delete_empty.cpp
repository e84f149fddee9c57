#include "ui/controls/btn_delete_empty.h"

#include <commctrl.h>

#include <string>

#include "platform/text.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/rows.h"
#include "ui/state/workers.h"

namespace CorvaneWnd {

namespace {

// A worker reads and writes the rows by index: none may go while one runs,
// also when a worker started while the question was open.
bool UserSaysYes(const std::u16string& question) {
  return MessageBoxW(State().mainWindow, Wide(question), L"提示", MB_YESNO | MB_ICONINFORMATION) ==
             IDYES &&
         !AnyWorkerRuns();
}

}  // namespace

void CBtnDeleteEmpty::OnClick() {
  if (AnyWorkerRuns()) return;
  const HWND list = State().listFile->hwnd;
  const auto selectedCount = static_cast<int>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
  const auto rowCount = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  if (selectedCount != 0 && selectedCount != rowCount) {
    DeleteSelectedRows(selectedCount);
  } else {
    ClearList();
  }
}

void CBtnDeleteEmpty::DeleteSelectedRows(int selectedCount) {
  if (UserSaysYes(u"您确定要从列表中删除选中的 " + platform::DecimalText(selectedCount) +
                  u" 项吗?")) {
    RemoveSelectedRows();
  }
  SetFocus(State().listFile->hwnd);
}

void CBtnDeleteEmpty::ClearList() {
  if (!UserSaysYes(u"您确定要清空文件列表吗?")) return;
  ClearRows();
  SetStatusText(u"列表被清空!");
  ApplyControlStates(ControlMoment::ListCleared);
}

}  // namespace CorvaneWnd
