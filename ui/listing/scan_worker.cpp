#include "ui/listing/scan_worker.h"

#include <chrono>
#include <utility>

#include "platform/no_throw.h"
#include "tracks/scan.h"
#include "ui/framework/closing_message.h"
#include "ui/listing/found_item.h"
#include "ui/state/window_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

// Often enough that the status bar visibly follows the scan, seldom enough
// that the window is never flooded, however fast the disk.
constexpr std::chrono::milliseconds kReportInterval{100};

// What the scan found since its last report, handed to the window at most
// once per interval and once more at the end.
class FoundReports {
 public:
  explicit FoundReports(HWND window) : window_(window) {}
  FoundReports(const FoundReports&) = delete;
  FoundReports& operator=(const FoundReports&) = delete;
  // Also after a stop or an error: every file found is listed.
  ~FoundReports() { Post(); }

  void Found(const std::u16string& path, bool isFolder) {
    if (!isFolder) pending_->files.push_back(path);
    pending_->latest = path;
    if (Clock::now() - lastPost_ >= kReportInterval) Post();
  }

 private:
  void Post() {
    lastPost_ = Clock::now();
    if (pending_->latest.empty()) return;
    PostFoundItem(window_, std::move(pending_));
    pending_ = std::make_unique<FoundItem>();
  }

  HWND window_;
  std::unique_ptr<FoundItem> pending_ = std::make_unique<FoundItem>();
  Clock::time_point lastPost_ = Clock::now();
};

ScanEnd Scan(const ScanRequest& request) {
  FoundReports reports(request.window);
  const ScanReporter report = [&reports](const std::u16string& path, bool isFolder) {
    reports.Found(path, isFolder);
  };
  return ScanDirectory(request.folder, request.includeSubfolders, report, *request.run.stop,
                       *request.fileSystem);
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
