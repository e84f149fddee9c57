#include "ui/renaming/renaming.h"

#include <optional>
#include <string>

#include "tracks/name_style.h"
#include "ui/framework/edit.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/file_moves.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"
#include "ui/state/workers.h"

namespace {

// Every row, in order.
int RowCount() { return State().listFile->GetItemCount(); }

FileToMove RowFile(int row) {
  // Whole, never cut: a cut path could name another file.
  return FileToMove{row, State().listFile->GetWholeItemText(row, kPathColumn), {}, {}};
}

std::optional<RenameOutcome> RenameRowFile(const FileToMove& file, const MoveRequest& request) {
  const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(file.row));
  if (!entry) return std::nullopt;  // a row without tags has nothing to be named after
  return RenameTrack(file.path, MakeNewName(request.style, *entry), *request.fileSystem);
}

void ShowRenamed(const FileToMove& file, const RenameOutcome& outcome, const std::u16string&) {
  SetStatusText(u"正在重命名文件: " + file.path);
  if (outcome.path != file.path) {
    MoveRowFile(file.row, outcome.path);
    State().lastRenaming.Record(static_cast<std::size_t>(file.row), file.path, outcome.path,
                                outcome.file);
  }
  State().listFile->SetItemText(file.row, kStatusColumn,
                                std::u16string(RenameStatus(outcome.result)));
}

constexpr MovePolicy kRenamingMoves{RowCount, RowFile, RenameRowFile, ShowRenamed, u"重命名", true};

}  // namespace

bool RenamingUnderWay() { return Runs(Worker::Renaming) || Runs(Worker::Lyrics); }

void StartRenaming() {
  MainWindowState& state = State();
  const std::u16string style = WindowText(state.editNameStyle->hwnd);
  std::u16string refusal;
  if (HasForbiddenNameChar(style)) {
    refusal = ForbiddenCharsMessage();
  } else if (!HasPlaceholder(style)) {
    refusal = NoPlaceholderMessage();
  }
  if (!refusal.empty()) {
    MessageBoxW(state.mainWindow, Wide(refusal), L"错误", MB_OK | MB_ICONERROR);
    return;
  }
  state.lastRenaming.Forget();
  ApplyControlStates(ControlMoment::RenamingStarted);
  SetStatusText(u"正在重命名中...");
  Sleep(100);
  const CCorvaneList& list = *state.listFile;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    list.SetItemText(row, kStatusColumn, std::u16string(kStatusUnchanged));
  }
  StartMovingFiles(kRenamingMoves);
}

void StopRenaming() {
  // The lyrics stage cannot be stopped and ends by itself at once; its own
  // closing message gives the controls back.
  if (Runs(Worker::Lyrics)) return;
  StopWorker(Worker::Renaming);
  SetStatusText(u"操作被中断!");
  ApplyControlStates(ControlMoment::RenamingOver);
  EndProgress();
}

void StopRenamingBeforeTheEnd() { StopWorker(Worker::Renaming); }
