#include "ui/workers/rename_worker.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/no_throw.h"
#include "platform/text.h"
#include "tracks/name_style.h"
#include "tracks/rename.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/worker_run.h"

namespace {

// The pause after every row, also after one that needed no move.
constexpr std::chrono::milliseconds kPauseAfterRow{100};

// Renames the file of one row and writes its outcome. True when the row
// counts as renamed.
bool RenameRow(const CorvaneWnd::CListFile& list, int row, const std::u16string& style) {
  const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(row));
  if (!entry) return false;  // a row without tags has nothing to be named after
  const std::u16string newName = MakeNewName(style, *entry);
  // Whole, never cut: a cut path could name another file.
  const std::u16string oldPath = list.GetWholeItemText(row, kPathColumn);
  SetStatusText(u"正在重命名文件: " + oldPath);
  const RenameOutcome outcome = RenameTrack(oldPath, newName);
  // The file has moved: its row must name it before anything else happens,
  // or the list would lose track of it.
  if (outcome.path != oldPath) list.SetItemText(row, kPathColumn, outcome.path);
  list.SetItemText(row, kStatusColumn, std::u16string(RenameStatus(outcome.result)));
  return RenameSucceeded(outcome.result);
}

// True when it was stopped before the last row.
bool RenameAllRows(const StopRequest& stop, std::uint32_t& renamed) {
  const MainWindowState& state = State();
  const std::u16string style = WindowText(state.editNameStyle->hwnd);
  const CorvaneWnd::CListFile& list = *state.listFile;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (stop.Requested()) return true;
    if (RenameRow(list, row, style)) ++renamed;
    if (stop.WaitFor(kPauseAfterRow)) return true;
  }
  return false;
}

}  // namespace

DWORD WINAPI RenameThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  // Also after an error, so the controls come back; after a stop the stop
  // has closed the handle and given them back, and this finds nothing to do.
  const ClosingMessage done(State().mainWindow, WM_RENAME_DONE, run->number);
  NoThrow<bool>(false, [&run] {
    std::uint32_t renamed = 0;
    if (RenameAllRows(*run->stop, renamed)) return false;
    SetStatusText(u"共尝试重命名 " + platform::DecimalText(State().filesFound.load()) +
                  u" 个MP3文件, 成功重命名 " + platform::DecimalText(renamed) + u" 个MP3文件.");
    return true;
  });
  return 0;
}
