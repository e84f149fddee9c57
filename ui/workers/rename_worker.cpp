#include "ui/workers/rename_worker.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "tracks/name_style.h"
#include "tracks/rename.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/framework/no_throw.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/rename_step.h"
#include "ui/window/window_messages.h"

namespace {

// The pace of the rows, also of one that needed no move.
constexpr std::chrono::milliseconds kPauseAfterRow{100};

std::u16string Decimal(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// The round trip: the row's outcome shown, the next row's path handed back.
// False when the window could not take it.
bool HandOver(RenameStep& step) {
  return SendMessageW(State().mainWindow, WM_RENAME_STEP, reinterpret_cast<WPARAM>(&step), 0) == 1;
}

// Renames the file of step.row, whose path step.nextPath holds, and leaves
// the outcome in step. True when the row counts as renamed.
bool RenameRow(RenameStep& step, const std::u16string& style) {
  step.oldPath = std::move(*step.nextPath);
  const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(step.row));
  step.tried = entry.has_value();
  if (!entry) return false;  // a row without tags has nothing to be named after
  const RenameOutcome outcome = RenameTrack(step.oldPath, MakeNewName(style, *entry));
  step.newPath = outcome.path;
  step.status = RenameStatus(outcome.result);
  return RenameSucceeded(outcome.result);
}

// True when it was stopped before the last row.
bool RenameAllRows(const StopRequest& stop, std::uint32_t& renamed) {
  const std::u16string style = WindowText(State().editNameStyle->hwnd);
  RenameStep step;
  if (!HandOver(step)) return false;
  while (step.nextPath) {
    if (stop.Requested()) return true;
    // Counted from the row's start, so rows are 100 ms apart and the move
    // and its round trip fall within the pause instead of adding to it.
    const auto rowStart = std::chrono::steady_clock::now();
    ++step.row;
    if (RenameRow(step, style)) ++renamed;
    if (!HandOver(step)) return false;
    if (stop.WaitUntil(rowStart + kPauseAfterRow)) return true;
  }
  return false;
}

}  // namespace

DWORD WINAPI RenameThreadProc(void*) {
  std::shared_ptr<StopRequest> stop = State().renameStop;
  if (!stop) stop = std::make_shared<StopRequest>();  // started without one: nobody can stop it
  const bool finished = NoThrow<bool>(false, [&stop] {
    std::uint32_t renamed = 0;
    if (RenameAllRows(*stop, renamed)) return false;
    SetStatusText(u"共尝试重命名 " + Decimal(State().filesFound) + u" 个MP3文件, 成功重命名 " +
                  Decimal(renamed) + u" 个MP3文件.");
    return true;
  });
  // A run cut short by an error still gives the controls back; a stopped one
  // leaves that to the stop.
  if (finished || !stop->Requested()) PostMessageW(State().mainWindow, WM_RENAME_DONE, 0, 0);
  return 0;
}
