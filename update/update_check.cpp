#include "update/update_check.h"

#include <shellapi.h>

#include <mutex>

#include "platform/wide.h"
#include "ui/framework/no_throw.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/closing_message.h"
#include "update/update_query.h"

namespace {

struct AddressSlot {
  std::mutex lock;
  std::u16string address = DefaultUpdateAddress();
};

// Never destroyed: the check may still be asking while the process exits.
AddressSlot& Slot() {
  static auto* slot = new AddressSlot();
  return *slot;
}

void TellOutOfDate() {
  const HWND window = State().mainWindow;
  ShowWindow(window, SW_HIDE);
  MessageBoxW(window, L"您的当前版本的软件已过期。\r\n单击\u201C确定\u201D引导您到官网下载最新版本。",
              L"提示", MB_OK | MB_ICONINFORMATION);
  ShellExecuteW(nullptr, L"open", platform::Wide(kHomePage), nullptr, nullptr, SW_SHOW);
}

}  // namespace

void SetUpdateAddress(const std::u16string& address) {
  std::lock_guard<std::mutex> guard(Slot().lock);
  Slot().address = address;
}

std::u16string UpdateAddress() {
  std::lock_guard<std::mutex> guard(Slot().lock);
  return Slot().address;
}

DWORD WINAPI UpdateCheckThreadProc(void*) {
  ClosingMessage done(WM_UPDATE_CHECKED);
  return NoThrow<DWORD>(0, [&done]() -> DWORD {
    if (QueryUpdate(UpdateAddress())) {
      TellOutOfDate();
      done.SetWParam(1);
    }
    return 0;
  });
}
