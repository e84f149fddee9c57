#include "ui/workers/tag_worker.h"

#include <chrono>
#include <memory>
#include <string>

#include "platform/no_throw.h"
#include "tracks/read_track_tags.h"
#include "tracks/stop_request.h"
#include "ui/framework/closing_message.h"
#include "ui/window/main_window_state.h"
#include "ui/window/tag_batch.h"
#include "ui/window/window_messages.h"
#include "ui/workers/worker_run.h"

namespace {

using Clock = std::chrono::steady_clock;

// The rows in batches, each read here and written into the list on the
// window thread. A stop ends it between two reads; what was read since the
// last hand-over then goes with the rows not read.
void ReadAllRows(const StopRequest& stop) {
  TagBatch batch;
  for (;;) {
    // What was read goes to the window thread, the next paths come back.
    if (stop.Requested() || !SendRecord(State().mainWindow, WM_TAG_BATCH, batch)) return;
    if (batch.paths.empty()) return;
    const Clock::time_point start = Clock::now();
    for (const std::u16string& path : batch.paths) {
      if (stop.Requested()) return;
      batch.read.push_back(ReadTrackTags(path));
      if (Clock::now() - start >= std::chrono::milliseconds(kTagBatchMilliseconds)) break;
    }
  }
}

}  // namespace

DWORD WINAPI TagThreadProc(void* parameter) {
  const std::unique_ptr<WorkerRun> run = TakeRun(parameter);
  // Also after an error: the user must get the commands back.
  const ClosingMessage done(State().mainWindow, WM_TAGS_DONE, run->number);
  State().tagsRead = 0;
  NoThrow<bool>(false, [&run] {
    ReadAllRows(*run->stop);
    return true;
  });
  return 0;
}
