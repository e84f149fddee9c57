#include "ui/renaming/file_moves.h"

#include <deque>
#include <iterator>
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
  std::deque<FileToMove> held(std::make_move_iterator(step.files.begin()),
                              std::make_move_iterator(step.files.end()));
  auto lastHandOver = std::chrono::steady_clock::now();
  while (!held.empty() && !stop.Requested()) {
    TriedFile tried{std::move(held.front()), std::nullopt};
    held.pop_front();
    tried.outcome = request.policy->move(tried.file, request);
    step.tried.push_back(std::move(tried));
    if (!held.empty() && std::chrono::steady_clock::now() - lastHandOver < kHandOverInterval) {
      continue;
    }
    if (!SendRecord(request.window, WM_RENAME_STEP, step)) return;
    lastHandOver = std::chrono::steady_clock::now();
    for (FileToMove& file : step.files) held.push_back(std::move(file));
  }
  // Stopped: what it did still reaches the rows and the undo record, which
  // the stop's wait carries out.
  if (!step.tried.empty()) SendRecord(request.window, WM_RENAME_STEP, step);
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
