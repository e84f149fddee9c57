#include "ui/window/undo_step.h"

#include "tracks/name_style.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"

namespace {

void ShowUndone(const UndoMove& move, const std::u16string& path) {
  const CorvaneWnd::CListFile& list = *State().listFile;
  const int row = static_cast<int>(move.row);
  if (row >= list.GetItemCount()) return;
  if (path != move.after) {
    list.SetItemText(row, kPathColumn, path);
    Tracks().SetPath(move.row, path);
  }
  const std::optional<TrackEntry> entry = Tracks().Get(move.row);
  const std::u16string style = WindowText(State().editNameStyle->hwnd);
  const std::u16string_view status =
      entry ? NewNameStatus(path, MakeNewName(style, *entry)) : kStatusUnchanged;
  list.SetItemText(row, kStatusColumn, std::u16string(status));
}

}  // namespace

void OnUndoStep(UndoStep& step) {
  LastRenaming& last = State().lastRenaming;
  if (!step.move) {
    step.move = last.Next();
    return;
  }
  ShowUndone(*step.move, step.path);
  if (step.restored) last.Undone(*step.move);
  step.move = last.NextAfter(*step.move);
}
