#include "ui/behaviour/btn_process.h"

#include <memory>

#include "tracks/name_style.h"
#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/workers/rename_done.h"
#include "ui/workers/rename_worker.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/stop_worker.h"

namespace CorvaneWnd {

void CBtnProcess::OnClick() {
  if (WindowText(hwnd) == u"停止") {
    StopRenaming();
  } else if (!AnyWorkerRuns()) {
    StartRenaming();
  }
}

void CBtnProcess::StartRenaming() {
  MainWindowState& state = State();
  if (HasForbiddenNameChar(WindowText(state.editNameStyle->hwnd))) {
    MessageBoxW(state.mainWindow, Wide(ForbiddenCharsMessage()), L"错误", MB_OK | MB_ICONERROR);
    return;
  }
  for (HWND control : {state.btnDeleteEmpty->hwnd, state.checkSubfolders->hwnd,
                       state.checkLyrics->hwnd, state.btnSetWorkDir->hwnd}) {
    EnableWindow(control, FALSE);
  }
  SetText(hwnd, u"停止");
  EnableWindow(state.btnListFile->hwnd, FALSE);
  state.editNameStyle->SetReadOnly(true);
  SetStatusText(u"正在重命名中...");
  Sleep(100);
  const CListFile& list = *state.listFile;
  for (int row = 0; row < list.GetItemCount(); ++row) list.SetItemText(row, 2, u"未修改");
  state.renameStop = std::make_shared<StopRequest>();
  state.renameThread = StartWorker(RenameThreadProc);
}

void CBtnProcess::StopRenaming() {
  MainWindowState& state = State();
  // The lyrics stage cannot be stopped and ends by itself at once; its own
  // closing message gives the controls back.
  if (state.lyricsThread) return;
  StopWorker(state.renameStop, state.renameThread);
  SetStatusText(u"操作被中断!");
  GiveControlsBackAfterRenaming();
}

}  // namespace CorvaneWnd
