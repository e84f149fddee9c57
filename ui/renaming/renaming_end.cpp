#include "ui/renaming/renaming_end.h"

#include "ui/framework/check_box.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/status_bar.h"
#include "ui/renaming/file_moves.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/window_messages.h"
#include "ui/state/workers.h"

namespace {

bool LyricsTicked() {
  return SendMessageW(State().checkLyrics->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

void OnRenameDone(WPARAM run) {
  // A stop that came after the worker's last message has closed the handle
  // and given the controls back already.
  if (!CloseIfCurrent(Worker::Renaming, run)) return;
  const MovingRun& moves = State().movingRun;
  // A run whose policy is not known is taken for a renaming.
  const bool lyricsFollow = (moves.policy == nullptr || moves.policy->lyricsFollow) &&
                            LyricsTicked() && StartWorker(Worker::Lyrics, LyricsThreadProc);
  if (!lyricsFollow) {
    ApplyControlStates(ControlMoment::RenamingOver);
    EndProgress();
  }
  if (moves.policy != nullptr) {
    SetStatusText(FilesSummary(moves.policy->action, moves.tried, moves.done));
  }
  if (!moves.strayed.empty()) {
    SetStatusText(u"文件未能按新文件名保存, 现在的文件名: " + moves.strayed);
  }
}

void OnLyricsDone(WPARAM run) {
  if (!CloseIfCurrent(Worker::Lyrics, run)) return;
  ApplyControlStates(ControlMoment::RenamingOver);
  EndProgress();
}

DWORD WINAPI LyricsThreadProc(void* parameter) {
  const auto request = TakeRequest<RunOnly>(parameter);
  const ClosingMessage done(State().mainWindow, WM_LYRICS_DONE, request->run.number);
  return 0;
}
