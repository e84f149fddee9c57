#include "ui/behaviour/undo_command.h"

#include <string>

#include "platform/text.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/undo_worker.h"

bool CanUndoRenaming() { return State().lastRenaming.Count() > 0 && !AnyWorkerRuns(); }

void OfferUndoRenaming() {
  MainWindowState& state = State();
  if (!CanUndoRenaming()) return;
  const std::u16string question = u"确定要把上次重命名的 " +
                                  platform::DecimalText(state.lastRenaming.Count()) +
                                  u" 个文件恢复为原来的文件名吗?";
  // A worker may have started while the question was open.
  if (MessageBoxW(state.mainWindow, Wide(question), L"提示", MB_YESNO | MB_ICONINFORMATION) !=
          IDYES ||
      !CanUndoRenaming()) {
    return;
  }
  ApplyControlStates(ControlMoment::UndoStarted);
  SetStatusText(u"正在恢复文件名...");
  Sleep(100);
  state.renameThread = StartRun(UndoThreadProc, state.renameRun);
}
