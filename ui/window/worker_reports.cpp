#include "ui/window/worker_reports.h"

#include <cstdint>

#include "platform/text.h"
#include "ui/framework/status_bar.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/window/program_end.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/tag_worker.h"

namespace {

// A count shown as the signed 32-bit number that its bits make.
std::u16string CountText(std::uint32_t count) {
  return platform::DecimalText(static_cast<std::int32_t>(count));
}

}  // namespace

void OnScanDone(WPARAM run) {
  MainWindowState& state = State();
  // A stop that came after the scan's last message has closed the handle and
  // started the tag reading itself, when there was anything to read.
  if (!CloseIfCurrent(state.scanThread, state.scanRun, run)) return;
  state.tagThread = StartRun(TagThreadProc, state.tagRun);
}

void OnTagsDone(WPARAM run) {
  if (!CloseIfCurrent(State().tagThread, State().tagRun, run)) return;
  EndTagReading();
}

void EndTagReading() {
  const MainWindowState& state = State();
  // Here, in one step on this thread: a click can land only before all of it
  // or after all of it, never between two controls.
  ApplyControlStates(ControlMoment::TagReadingEnded);
  SetStatusText(u"共找到 " + CountText(state.filesFound) + u" 个MP3文件, 成功读取 " +
                CountText(state.tagsRead) + u" 个ID3标签.");
}

void OnUpdateChecked(WPARAM outOfDate) {
  MainWindowState& state = State();
  state.updateThread.reset();
  // Not DestroyWindow: the window is already hidden, and the quit message
  // that WM_DESTROY posts is all the loop needs to end.
  if (outOfDate == 1) {
    StopRenamingBeforeTheEnd();
    SendMessageW(state.mainWindow, WM_DESTROY, 0, 0);
  }
}
