#include "ui/listing/scan_worker.h"

#include <chrono>

#include "platform/no_throw.h"
#include "tracks/scan.h"
#include "ui/framework/closing_message.h"
#include "ui/listing/found_item.h"
#include "ui/state/window_messages.h"

namespace {

// The pause before every report, so that the status bar visibly follows the scan.
constexpr std::chrono::milliseconds kPauseBeforeReport{100};

ScanEnd Scan(const ScanRequest& request) {
  const StopRequest& stop = *request.run.stop;
  const HWND window = request.window;
  // Each report comes 100 ms after the one before (the first 100 ms after the
  // start), so the walk between two reports falls within the pause.
  auto lastReport = std::chrono::steady_clock::now();
  const ScanReporter report = [&stop, &lastReport, window](const std::u16string& path,
                                                           bool isFolder) {
    if (stop.WaitUntil(lastReport + kPauseBeforeReport)) return;
    lastReport = std::chrono::steady_clock::now();
    auto item = std::make_unique<FoundItem>();
    item->path = path;
    item->isFolder = isFolder;
    PostFoundItem(window, std::move(item));
  };
  return ScanDirectory(request.folder, request.includeSubfolders, report, stop);
}

}  // namespace

DWORD WINAPI ScanThreadProc(void* parameter) {
  const std::unique_ptr<ScanRequest> request(static_cast<ScanRequest*>(parameter));
  if (!request) return 0;
  // Also after an error: what was found so far still gets its tags read.
  const ClosingMessage done(request->window, WM_SCAN_DONE, request->run.number);
  NoThrow<ScanEnd>(ScanEnd::Stopped, [&request] { return Scan(*request); });
  return 0;
}
