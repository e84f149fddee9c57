#include "ui/window/rename_step.h"

#include "ui/behaviour/list_file.h"
#include "ui/framework/status_bar.h"
#include "ui/window/main_window_state.h"

void OnRenameStep(RenameStep& step) {
  const CorvaneWnd::CListFile& list = *State().listFile;
  if (step.row >= 0 && step.tried) {
    SetStatusText(u"正在重命名文件: " + step.oldPath);
    // The file has moved: its row must name it before anything else happens,
    // or the list would lose track of it.
    if (step.newPath != step.oldPath) {
      list.SetItemText(step.row, kPathColumn, step.newPath);
      Tracks().SetPath(static_cast<std::size_t>(step.row), step.newPath);
      State().lastRenaming.Record(static_cast<std::size_t>(step.row), step.oldPath, step.newPath,
                                  step.file);
    }
    list.SetItemText(step.row, kStatusColumn, std::u16string(step.status));
  }
  if (step.row < 0) step.rowCount = list.GetItemCount();
  const int next = step.row + 1;
  // Whole, never cut: a cut path could name another file.
  step.nextPath.reset();
  if (next < list.GetItemCount()) step.nextPath = list.GetWholeItemText(next, kPathColumn);
}
