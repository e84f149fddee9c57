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

// Every move once, last first: each file finds its old name as the renaming
// found it, freed by the moves made after its own. One that fails stays in
// the record for the next undo.
int MovesToUndo() { return static_cast<int>(State().lastRenaming.Count()); }

// cursor: the record number of the move handed out last, 0 before the first.
FileToMove NextMove(std::uint64_t& cursor) {
  const LastRenaming& record = State().lastRenaming;
  const std::optional<UndoMove> move = cursor == 0 ? record.Next() : record.NextAfter(cursor);
  if (!move) return {};
  cursor = move->order;
  FileToMove file;
  file.row = static_cast<int>(move->row);
  file.path = move->after;
  file.target = move->before;
  file.identity = move->file;
  file.recorded = move->order;
  return file;
}

std::optional<RenameOutcome> MoveBack(const FileToMove& file, const MoveRequest& request) {
  return RenameTrackBack(file.path, file.target, file.identity, *request.fileSystem);
}

void ShowUndone(const FileToMove& file, const RenameOutcome& outcome, const std::u16string& style) {
  const auto row = static_cast<std::size_t>(file.row);
  if (const TrackRow* track = Tracks().Row(row)) {
    if (outcome.path != file.path) MoveRowFile(row, outcome.path);
    const std::u16string_view status =
        track->entry ? NewNameStatus(outcome.path, MakeNewName(style, *track->entry))
                     : kStatusUnchanged;
    ShowRowStatus(row, status);
  }
  if (RenameSucceeded(outcome.result)) State().lastRenaming.Undone(file.recorded);
}

constexpr MovePolicy kUndoMoves{MovesToUndo, NextMove, MoveBack, ShowUndone, u"恢复", u"", false};

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
