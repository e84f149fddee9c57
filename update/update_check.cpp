#include "update/update_check.h"

#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <mutex>
#include <utility>

#include "platform/no_throw.h"
#include "platform/wide.h"
#include "ui/framework/closing_message.h"
#include "update/update_query.h"

namespace {

struct AddressSlot {
  std::mutex lock;
  std::u16string address = DefaultUpdateAddress();
  PageOpener opener;
};

// Never destroyed: the check may still be asking while the process exits.
AddressSlot& Slot() {
  static auto* slot = new AddressSlot();
  return *slot;
}

// COM for this thread while it lives: the shell may open the page through
// a COM handler, and documents that its caller initialises COM first.
class ComApartment {
 public:
  ComApartment()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

void TellOutOfDate(HWND window) {
  ShowWindow(window, SW_HIDE);
  MessageBoxW(window,
              L"您的当前版本的软件已过期。\r\n单击\u201C确定\u201D引导您到官网下载最新版本。",
              L"提示", MB_OK | MB_ICONINFORMATION);
  PageOpener opener;
  {
    std::lock_guard<std::mutex> guard(Slot().lock);
    opener = Slot().opener;
  }
  if (opener) {
    opener(kHomePage);
    return;
  }
  const ComApartment com;
  ShellExecuteW(nullptr, L"open", platform::Wide(kHomePage), nullptr, nullptr, SW_SHOW);
}

}  // namespace

void SetUpdateAddress(const std::u16string& address) {
  std::lock_guard<std::mutex> guard(Slot().lock);
  Slot().address = address;
}

void SetPageOpenerForTest(PageOpener opener) {
  std::lock_guard<std::mutex> guard(Slot().lock);
  Slot().opener = std::move(opener);
}

std::u16string UpdateAddress() {
  std::lock_guard<std::mutex> guard(Slot().lock);
  return Slot().address;
}

DWORD WINAPI UpdateCheckThreadProc(void* parameter) {
  const std::unique_ptr<UpdateCheckRequest> request(static_cast<UpdateCheckRequest*>(parameter));
  if (!request) return 0;
  ClosingMessage done(request->window, request->doneMessage);
  return NoThrow<DWORD>(0, [&done, &request]() -> DWORD {
    if (QueryUpdate(UpdateAddress())) {
      TellOutOfDate(request->window);
      done.SetWParam(1);
    }
    return 0;
  });
}
