#include "ui/workers/rename_worker.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/no_throw.h"
#include "platform/text.h"
#include "tracks/name_style.h"
#include "tracks/rename.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/rename_step.h"
#include "ui/window/window_messages.h"
#include "ui/workers/worker_run.h"

namespace {

// The round trip: the row's outcome shown, the next row's path handed back.
bool HandOver(RenameStep& step) { return SendRecord(State().mainWindow, WM_RENAME_STEP, step); }

// Renames the file of step.row, whose path step.nextPath holds, and leaves
// the outcome in step. True when the row counts as renamed. A file that a
// move left under a name nobody asked for is named in strayed.
bool RenameRow(RenameStep& step, const std::u16string& style, std::u16string& strayed) {
  step.oldPath = std::move(*step.nextPath);
  const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(step.row));
  step.tried = entry.has_value();
  if (!entry) return false;  // a row without tags has nothing to be named after
  const RenameOutcome outcome =
      RenameTrack(step.oldPath, MakeNewName(style, *entry), *State().fileSystem);
  step.newPath = outcome.path;
  step.file = outcome.file;
  if (outcome.strayed) strayed = outcome.path;
  step.status = RenameStatus(outcome.result);
  return RenameSucceeded(outcome.result);
}

// True when it was stopped before the last row. tried: the rows in the list
// when it began, tagged or not.
bool RenameAllRows(const StopRequest& stop, int& tried, std::uint32_t& renamed,
                   std::u16string& strayed) {
  const std::u16string style = WindowText(State().editNameStyle->hwnd);
  RenameStep step;
  if (!HandOver(step)) return false;
  tried = step.rowCount;
  while (step.nextPath) {
    if (stop.Requested()) return true;
    // Counted from the row's start, so rows are 100 ms apart and the move
    // and its round trip fall within the pause instead of adding to it.
    const auto rowStart = std::chrono::steady_clock::now();
    ++step.row;
    if (RenameRow(step, style, strayed)) ++renamed;
    if (!HandOver(step)) return false;
    if (stop.WaitUntil(rowStart + kPauseAfterFile)) return true;
  }
  return false;
}

}  // namespace

std::u16string FilesSummary(std::u16string_view action, std::int64_t tried, std::uint32_t done) {
  const std::u16string verb(action);
  return u"共尝试" + verb + u" " + platform::DecimalText(tried) + u" 个MP3文件, 成功" + verb +
         u" " + platform::DecimalText(done) + u" 个MP3文件.";
}

DWORD WINAPI RenameThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  // Also after an error, so the controls come back; after a stop the stop
  // has closed the handle and given them back, and this finds nothing to do.
  const ClosingMessage done(State().mainWindow, WM_RENAME_DONE, run->number);
  NoThrow<bool>(false, [&run] {
    int tried = 0;
    std::uint32_t renamed = 0;
    std::u16string strayed;
    if (RenameAllRows(*run->stop, tried, renamed, strayed)) return false;
    SetStatusText(FilesSummary(u"重命名", tried, renamed));
    // Rare enough to outweigh the summary: the user must learn where it went.
    if (!strayed.empty()) SetStatusText(u"文件未能按新文件名保存, 现在的文件名: " + strayed);
    return true;
  });
  return 0;
}
