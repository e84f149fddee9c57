#include "ui/window/start_up.h"

#include <commctrl.h>
#include <objbase.h>

#include "ui/behaviour/undo_command.h"
#include "ui/window/main_window.h"
#include "ui/window/main_window_state.h"

namespace {

// The shell wants COM, apartment-threaded, on the thread that shows the
// folder browser; some namespace folders fail without it.
class ComApartment {
 public:
  ComApartment()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

}  // namespace

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
    if (HandleUndoKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
