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
int RowCount() { return static_cast<int>(Tracks().Size()); }

// The row's file and its new name, made on this thread as the row is handed
// out: the worker never reads the table.
FileToMove NextRow(std::uint64_t& cursor) {
  const auto index = static_cast<std::size_t>(cursor);
  const TrackRow* row = Tracks().Row(index);
  if (row == nullptr) return {};
  FileToMove file;
  file.row = static_cast<int>(cursor++);
  file.path = row->path;
  file.untagged = !row->entry;
  if (row->entry) file.target = MakeNewName(State().movingRun.style, *row->entry);
  return file;
}

std::optional<RenameOutcome> RenameRowFile(const FileToMove& file, const MoveRequest& request) {
  // A row without tags has nothing to be named after.
  if (file.untagged) return std::nullopt;
  return RenameTrack(file.path, file.target, *request.fileSystem);
}

void ShowRenamed(const FileToMove& file, const RenameOutcome& outcome, const std::u16string&) {
  const auto row = static_cast<std::size_t>(file.row);
  if (outcome.path != file.path) {
    MoveRowFile(row, outcome.path);
    State().lastRenaming.Record(row, file.path, outcome.path, outcome.file);
  }
  ShowRowStatus(row, RenameStatus(outcome.result));
}

constexpr MovePolicy kRenamingMoves{
    RowCount, NextRow, RenameRowFile, ShowRenamed, u"重命名", u"正在重命名文件: ", true};

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
  TrackTable& tracks = Tracks();
  for (std::size_t row = 0; row < tracks.Size(); ++row) tracks.SetStatus(row, kStatusUnchanged);
  InvalidateRect(state.listFile->hwnd, nullptr, FALSE);
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
