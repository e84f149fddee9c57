#include "ui/workers/rename_done.h"

#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/framework/check_box.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"
#include "ui/workers/closing_message.h"
#include "ui/workers/start_worker.h"

void OnRenameDone() {
  MainWindowState& state = State();
  // A stop that came after the worker's last message has closed the handle
  // and given the controls back already.
  if (!state.renameThread) return;
  state.renameThread.reset();
  if (SendMessageW(state.checkLyrics->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    state.lyricsThread = StartWorker(LyricsThreadProc);
    return;
  }
  GiveControlsBackAfterRenaming();
}

void OnLyricsDone() {
  State().lyricsThread.reset();
  GiveControlsBackAfterRenaming();
}

DWORD WINAPI LyricsThreadProc(void*) {
  const ClosingMessage done(WM_LYRICS_DONE);
  return 0;
}

void GiveControlsBackAfterRenaming() {
  MainWindowState& state = State();
  SetText(state.btnProcess->hwnd, u"开始重命名!");
  for (HWND control : {state.btnListFile->hwnd, state.btnDeleteEmpty->hwnd, state.btnSetWorkDir->hwnd,
                       state.checkSubfolders->hwnd, state.checkLyrics->hwnd}) {
    EnableWindow(control, TRUE);
  }
  state.editNameStyle->SetReadOnly(false);
}
