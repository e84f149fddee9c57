#include "update/update_check.h"

#include <memory>

#include "platform/no_throw.h"
#include "platform/shell_handles.h"
#include "platform/wide.h"
#include "ui/framework/closing_message.h"
#include "update/update_query.h"

namespace {

void TellOutOfDate(const UpdateCheckRequest& request) {
  ShowWindow(request.window, SW_HIDE);
  MessageBoxW(request.window,
              L"您的当前版本的软件已过期。\r\n单击\u201C确定\u201D引导您到官网下载最新版本。",
              L"提示", MB_OK | MB_ICONINFORMATION);
  if (request.openPage) request.openPage(kHomePage);
}

}  // namespace

void OpenInBrowser(const std::u16string& address) {
  const ComApartment com;
  ShellExecuteW(nullptr, L"open", platform::Wide(address), nullptr, nullptr, SW_SHOW);
}

DWORD WINAPI UpdateCheckThreadProc(void* parameter) {
  const std::unique_ptr<UpdateCheckRequest> request(static_cast<UpdateCheckRequest*>(parameter));
  if (!request) return 0;
  ClosingMessage done(request->window, request->doneMessage);
  return NoThrow<DWORD>(0, [&done, &request]() -> DWORD {
    if (QueryUpdate(request->address)) {
      TellOutOfDate(*request);
      done.SetWParam(1);
    }
    return 0;
  });
}
