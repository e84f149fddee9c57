#include "ui/renaming/undo.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tracks/name_style.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/file_moves.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/rows.h"
#include "ui/state/workers.h"

namespace {

// The move handed out last, on the window thread: the record hands out the
// one before it next, and drops it once it went back.
std::optional<UndoMove> handedOut;

// Every move once, last first: each file finds its old name as the renaming
// found it, freed by the moves made after its own. One that fails stays in
// the record for the next undo.
int MovesToUndo() {
  handedOut.reset();
  return static_cast<int>(State().lastRenaming.Count());
}

FileToMove NextMove(int) {
  const LastRenaming& record = State().lastRenaming;
  handedOut = handedOut ? record.NextAfter(*handedOut) : record.Next();
  if (!handedOut) return {};
  return FileToMove{static_cast<int>(handedOut->row), handedOut->after, handedOut->before,
                    handedOut->file};
}

std::optional<RenameOutcome> MoveBack(const FileToMove& file, const MoveRequest& request) {
  return RenameTrackBack(file.path, file.target, file.identity, *request.fileSystem);
}

void ShowUndone(const FileToMove& file, const RenameOutcome& outcome, const std::u16string& style) {
  const CCorvaneList& list = *State().listFile;
  if (file.row < list.GetItemCount()) {
    if (outcome.path != file.path) MoveRowFile(file.row, outcome.path);
    const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(file.row));
    const std::u16string_view status =
        entry ? NewNameStatus(outcome.path, MakeNewName(style, *entry)) : kStatusUnchanged;
    list.SetItemText(file.row, kStatusColumn, std::u16string(status));
  }
  if (handedOut && RenameSucceeded(outcome.result)) State().lastRenaming.Undone(*handedOut);
}

constexpr MovePolicy kUndoMoves{MovesToUndo, NextMove, MoveBack, ShowUndone, u"恢复", false};

}  // namespace

bool CanUndoRenaming() { return State().lastRenaming.Count() > 0 && !AnyWorkerRuns(); }

void OfferUndoRenaming() {
  MainWindowState& state = State();
  if (!CanUndoRenaming()) return;
  const std::u16string question = u"确定要把上次重命名的 " +
                                  platform::DecimalText(state.lastRenaming.Count()) +
                                  u" 个文件恢复为原来的文件名吗?";
  // A worker may have started while the question was open.
  if (MessageBoxW(state.mainWindow, Wide(question), L"提示", MB_YESNO | MB_ICONINFORMATION) !=
          IDYES ||
      !CanUndoRenaming()) {
    return;
  }
  ApplyControlStates(ControlMoment::UndoStarted);
  SetStatusText(u"正在恢复文件名...");
  Sleep(100);
  StartMovingFiles(kUndoMoves);
}
