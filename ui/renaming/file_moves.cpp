#include "ui/renaming/file_moves.h"

#include <memory>
#include <utility>

#include "platform/no_throw.h"
#include "platform/text.h"
#include "ui/framework/closing_message.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/move_step.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/window_messages.h"

namespace {

void MoveAll(const MoveRequest& request) {
  if (request.policy == nullptr) return;
  const StopRequest& stop = *request.run.stop;
  MoveStep step;
  if (!SendRecord(request.window, WM_RENAME_STEP, step)) return;
  while (step.file) {
    if (stop.Requested()) return;
    // Counted from the file's start, so files are 100 ms apart and the move
    // and its round trip fall within the pause instead of adding to it.
    const auto fileStart = std::chrono::steady_clock::now();
    step.outcome = request.policy->move(*step.file, request);
    if (!SendRecord(request.window, WM_RENAME_STEP, step)) return;
    if (stop.WaitUntil(fileStart + kPauseAfterFile)) return;
  }
}

}  // namespace

void StartMovingFiles(const MovePolicy& policy) {
  MainWindowState& state = State();
  auto request = std::make_unique<MoveRequest>();
  request->policy = &policy;
  request->style = WindowText(state.editNameStyle->hwnd);
  request->window = state.mainWindow;
  request->fileSystem = state.fileSystem;
  BeginMoves(policy, request->style);
  // No thread, no closing message: the controls come back here.
  if (!StartWorker(Worker::Renaming, MoveFilesThreadProc, std::move(request))) {
    ApplyControlStates(ControlMoment::RenamingOver);
  }
}

DWORD WINAPI MoveFilesThreadProc(void* parameter) {
  const auto request = TakeRequest<MoveRequest>(parameter);
  // Also after an error, so the controls come back; after a stop the stop
  // has closed the handle and given them back, and this finds nothing to do.
  const ClosingMessage done(request->window, WM_RENAME_DONE, request->run.number);
  NoThrow<bool>(false, [&request] {
    MoveAll(*request);
    return true;
  });
  return 0;
}

std::u16string FilesSummary(std::u16string_view action, std::int64_t tried, std::uint32_t done) {
  const std::u16string verb(action);
  return u"共尝试" + verb + u" " + platform::DecimalText(tried) + u" 个MP3文件, 成功" + verb +
         u" " + platform::DecimalText(done) + u" 个MP3文件.";
}
