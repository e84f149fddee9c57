#include "ui/frame/start_up.h"

#include <commctrl.h>

#include <memory>

#include "platform/shell_handles.h"
#include "ui/frame/keyboard.h"
#include "ui/frame/main_window.h"
#include "ui/state/main_window_state.h"
#include "ui/state/window_messages.h"
#include "ui/state/workers.h"
#include "update/update_check.h"

void StartUpdateCheck() {
  const MainWindowState& state = State();
  auto request = std::make_unique<UpdateCheckRequest>();
  request->window = state.mainWindow;
  request->doneMessage = WM_UPDATE_CHECKED;
  request->address = state.updateAddress;
  request->openPage = state.openPage;
  StartWorkerWith(Worker::Update, UpdateCheckThreadProc, std::move(request));
}

int RunCorvane(HINSTANCE instance, int showCommand) {
  const ComApartment com;
  InitCommonControls();
  State().instance = instance;
  if (!RegisterMainWindowClass(instance)) return 0;
  const HWND window = CreateMainWindow(instance);
  // Without a window no quit message would ever come.
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    RouteMessage(message);
  }
  return static_cast<int>(message.wParam);
}
