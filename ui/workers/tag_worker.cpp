#include "ui/workers/tag_worker.h"

#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tracks/name_style.h"
#include "tracks/read_track_tags.h"
#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/no_throw.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/closing_message.h"

namespace {

std::u16string SignedDecimal(std::uint32_t count) {
  // Shown as the signed 32-bit number that the count's bits make.
  const std::string digits = std::to_string(static_cast<std::int32_t>(count));
  return std::u16string(digits.begin(), digits.end());
}

void RemoveRow(const CorvaneWnd::CListFile& list, int row) {
  SendMessageW(list.hwnd, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  SendMessageW(list.hwnd, LVM_UPDATE, static_cast<WPARAM>(row), 0);
}

// Row i keeps its file when the tags give all three texts, and then gets
// entry i of the table, its title and its status. True when it was kept.
bool ReadRow(const CorvaneWnd::CListFile& list, int row) {
  // Whole, never cut: a cut path could open another file. A path too long
  // to open fails like a vanished file and loses its row.
  const std::u16string path = list.GetWholeItemText(row, 0);
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
  list.SetItemText(row, 1, entry->title.value_or(u""));
  const std::u16string newName = MakeNewName(WindowText(State().editNameStyle->hwnd), *entry);
  list.SetItemText(row, 2, std::u16string(NewNameStatus(list.GetWholeItemText(row, 0), newName)));
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

void GiveControlsBack() {
  MainWindowState& state = State();
  for (HWND control : {state.btnDeleteEmpty->hwnd, state.checkSubfolders->hwnd,
                       state.checkLyrics->hwnd, state.btnSetWorkDir->hwnd, state.btnListFile->hwnd}) {
    EnableWindow(control, TRUE);
  }
  SetText(state.btnListFile->hwnd, u"刷新文件列表");
  state.editNameStyle->SetReadOnly(false);
  if (state.filesFound > 0 && state.tagsRead > 0) EnableWindow(state.btnProcess->hwnd, TRUE);
  SetStatusText(u"共找到 " + SignedDecimal(state.filesFound) + u" 个MP3文件, 成功读取 " +
                SignedDecimal(state.tagsRead) + u" 个ID3标签.");
}

}  // namespace

DWORD WINAPI TagThreadProc(void*) {
  const ClosingMessage done(WM_TAGS_DONE);
  State().tagsRead = 0;
  NoThrow<bool>(false, [] {
    ReadAllRows();
    return true;
  });
  // Also after an error: the user must get the commands back.
  NoThrow<bool>(false, [] {
    GiveControlsBack();
    return true;
  });
  return 0;
}
