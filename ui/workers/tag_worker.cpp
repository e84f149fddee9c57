#include "ui/workers/tag_worker.h"

#include <commctrl.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "tracks/read_track_tags.h"
#include "tracks/stop_request.h"
#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/no_throw.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/tag_batch.h"
#include "ui/window/window_messages.h"
#include "ui/workers/closing_message.h"

namespace {

std::u16string SignedDecimal(std::uint32_t count) {
  // Shown as the signed 32-bit number that the count's bits make.
  const std::string digits = std::to_string(static_cast<std::int32_t>(count));
  return std::u16string(digits.begin(), digits.end());
}

using Clock = std::chrono::steady_clock;

// The round trip: what was read goes to the window thread, the next paths
// come back. False when the window could not take it.
bool HandOver(TagBatch& batch) {
  return SendMessageW(State().mainWindow, WM_TAG_BATCH, reinterpret_cast<WPARAM>(&batch), 0) == 1;
}

// The rows in batches, each read here and written into the list on the
// window thread. False when it was stopped (what was read since the last
// hand-over then goes with the rows not read) or the window took no batch.
bool ReadAllRows(const StopRequest& stop) {
  TagBatch batch;
  for (;;) {
    if (stop.Requested() || !HandOver(batch)) return false;
    if (batch.paths.empty()) return true;
    const Clock::time_point start = Clock::now();
    for (const std::u16string& path : batch.paths) {
      if (stop.Requested()) return false;
      batch.read.push_back(ReadTrackTags(path));
      if (Clock::now() - start >= std::chrono::milliseconds(kTagBatchMilliseconds)) break;
    }
  }
}

void GiveControlsBack() {
  MainWindowState& state = State();
  for (HWND control : {state.btnDeleteEmpty->hwnd, state.checkSubfolders->hwnd,
                       state.checkLyrics->hwnd, state.btnSetWorkDir->hwnd, state.btnListFile->hwnd}) {
    EnableWindow(control, TRUE);
  }
  SetText(state.btnListFile->hwnd, u"刷新文件列表");
  state.editNameStyle->SetReadOnly(false);
  if (state.filesFound > 0 && state.tagsRead > 0) EnableWindow(state.btnProcess->hwnd, TRUE);
  SetStatusText(u"共找到 " + SignedDecimal(state.filesFound) + u" 个MP3文件, 成功读取 " +
                SignedDecimal(state.tagsRead) + u" 个ID3标签.");
}

}  // namespace

DWORD WINAPI TagThreadProc(void*) {
  const ClosingMessage done(WM_TAGS_DONE);
  std::shared_ptr<StopRequest> stop = State().tagStop;
  if (!stop) stop = std::make_shared<StopRequest>();  // started without one: nobody can stop it
  State().tagsRead = 0;
  NoThrow<bool>(false, [&stop] { return ReadAllRows(*stop); });
  // A stop gives the controls back itself.
  if (stop->Requested()) return 0;
  // Also after an error: the user must get the commands back.
  NoThrow<bool>(false, [] {
    GiveControlsBack();
    return true;
  });
  return 0;
}
