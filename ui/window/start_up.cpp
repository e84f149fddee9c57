#include "ui/window/start_up.h"

#include <commctrl.h>

#include "ui/window/main_window.h"
#include "ui/window/main_window_state.h"

int RunCorvane(HINSTANCE instance, int showCommand) {
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
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
