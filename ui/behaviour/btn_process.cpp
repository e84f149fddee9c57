#include "ui/behaviour/btn_process.h"

#include <memory>
#include <string>

#include "tracks/name_style.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/workers/rename_worker.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/stop_worker.h"

namespace CorvaneWnd {

void CBtnProcess::OnClick() {
  if (WindowText(hwnd) == kStopCaption) {
    StopRenaming();
  } else if (!AnyWorkerRuns()) {
    StartRenaming();
  }
}

void CBtnProcess::StartRenaming() {
  MainWindowState& state = State();
  const std::u16string style = WindowText(state.editNameStyle->hwnd);
  std::u16string refusal;
  if (HasForbiddenNameChar(style)) {
    refusal = ForbiddenCharsMessage();
  } else if (!HasPlaceholder(style)) {
    refusal = NoPlaceholderMessage();
  }
  if (!refusal.empty()) {
    MessageBoxW(state.mainWindow, Wide(refusal), L"错误", MB_OK | MB_ICONERROR);
    return;
  }
  state.lastRenaming.Forget();
  ApplyControlStates(ControlMoment::RenamingStarted);
  SetStatusText(u"正在重命名中...");
  Sleep(100);
  const CListFile& list = *state.listFile;
  for (int row = 0; row < list.GetItemCount(); ++row)
    list.SetItemText(row, kStatusColumn, u"未修改");
  state.renameThread = StartRun(RenameThreadProc, state.renameRun);
}

void CBtnProcess::StopRenaming() {
  MainWindowState& state = State();
  // The lyrics stage cannot be stopped and ends by itself at once; its own
  // closing message gives the controls back.
  if (state.lyricsThread) return;
  StopWorker(state.renameRun, state.renameThread);
  SetStatusText(u"操作被中断!");
  ApplyControlStates(ControlMoment::RenamingOver);
}

}  // namespace CorvaneWnd
