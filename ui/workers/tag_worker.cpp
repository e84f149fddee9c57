#include "ui/workers/tag_worker.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/no_throw.h"
#include "tracks/name_style.h"
#include "tracks/read_track_tags.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/worker_run.h"

namespace {

void RemoveRow(const CorvaneWnd::CListFile& list, int row) {
  SendMessageW(list.hwnd, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  SendMessageW(list.hwnd, LVM_UPDATE, static_cast<WPARAM>(row), 0);
}

// Row i keeps its file when the tags give all three texts, and then gets
// entry i of the table, its title and its status. True when it was kept.
bool ReadRow(const CorvaneWnd::CListFile& list, int row) {
  // Whole, never cut: a cut path could open another file. A path too long
  // to open fails like a vanished file and loses its row.
  const std::u16string path = list.GetWholeItemText(row, kPathColumn);
  SetStatusText(u"正在读取ID3标签: " + path);
  TrackTagsResult tags = ReadTrackTags(path);
  if (!tags.kept) {
    RemoveRow(list, row);
    return false;
  }
  ++State().tagsRead;
  Tracks().Append(std::move(tags.entry));
  const std::optional<TrackEntry> entry = Tracks().Get(static_cast<std::size_t>(row));
  if (!entry) return true;  // cannot happen while this worker alone appends
  list.SetItemText(row, kTitleColumn, entry->title.value_or(u""));
  const std::u16string newName = MakeNewName(WindowText(State().editNameStyle->hwnd), *entry);
  list.SetItemText(row, kStatusColumn,
                   std::u16string(NewNameStatus(list.GetWholeItemText(row, kPathColumn), newName)));
  return true;
}

void ReadAllRows() {
  const CorvaneWnd::CListFile& list = *State().listFile;
  // The count is asked anew for every row: reports still queued when a scan
  // was stopped add rows while this runs.
  for (int row = 0; row < list.GetItemCount();) {
    if (ReadRow(list, row)) ++row;
  }
}

}  // namespace

DWORD WINAPI TagThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  // Also after an error: the user must get the commands back.
  const ClosingMessage done(State().mainWindow, WM_TAGS_DONE, run->number);
  State().tagsRead = 0;
  NoThrow<bool>(false, [] {
    ReadAllRows();
    return true;
  });
  return 0;
}
