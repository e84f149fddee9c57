#include "ui/behaviour/btn_delete_empty.h"

#include <commctrl.h>

#include <string>

#include "platform/text.h"
#include "ui/behaviour/details_panel.h"
#include "ui/behaviour/list_file.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"

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
  MainWindowState& state = State();
  const HWND list = state.listFile->hwnd;
  if (UserSaysYes(u"您确定要从列表中删除选中的 " + platform::DecimalText(selectedCount) +
                  u" 项吗?")) {
    for (int row = 0; row < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));) {
      if ((SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
           LVIS_SELECTED) == 0) {
        ++row;
        continue;
      }
      SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
      SendMessageW(list, LVM_UPDATE, static_cast<WPARAM>(row), 0);
      // A row the tag reading never came to has no entry; the others move
      // down with their rows.
      Tracks().Erase(static_cast<std::size_t>(row));
      state.lastRenaming.EraseRow(static_cast<std::size_t>(row));
      ResetDetails();
      --state.filesFound;
    }
  }
  SetFocus(list);
}

void CBtnDeleteEmpty::ClearList() {
  MainWindowState& state = State();
  if (!UserSaysYes(u"您确定要清空文件列表吗?")) return;
  SendMessageW(state.listFile->hwnd, LVM_DELETEALLITEMS, 0, 0);
  Tracks().Clear();
  state.lastRenaming.Forget();
  ResetDetails();
  SetStatusText(u"列表被清空!");
  state.filesFound = 0;
  ApplyControlStates(ControlMoment::ListCleared);
}

}  // namespace CorvaneWnd
