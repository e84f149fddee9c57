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

namespace {

bool IsEditBox(HWND window) {
  wchar_t className[8] = {};
  GetClassNameW(window, className, 8);
  return lstrcmpiW(className, L"Edit") == 0;
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

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

bool HandleUndoKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != 'Z' || !KeyDown(VK_CONTROL) ||
      KeyDown(VK_SHIFT) || KeyDown(VK_MENU)) {
    return false;
  }
  const HWND mainWindow = State().mainWindow;
  if (mainWindow == nullptr || (message.hwnd != mainWindow && !IsChild(mainWindow, message.hwnd)) ||
      IsEditBox(message.hwnd)) {
    return false;
  }
  // A held key repeats; one question is enough.
  const bool repeated = (message.lParam & (1 << 30)) != 0;
  if (!repeated) OfferUndoRenaming();
  return true;
}
