#include "ui/listing/tag_worker.h"

#include <chrono>
#include <memory>
#include <string>

#include "platform/no_throw.h"
#include "tracks/read_track_tags.h"
#include "tracks/stop_request.h"
#include "ui/framework/closing_message.h"
#include "ui/listing/tag_batch.h"
#include "ui/state/window_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

// The rows in batches, each read here and written into the list on the
// window thread. A stop ends it between two reads; what was read since the
// last hand-over then goes with the rows not read.
void ReadAllRows(HWND window, const StopRequest& stop) {
  TagBatch batch;
  for (;;) {
    // What was read goes to the window thread, the next paths come back.
    if (stop.Requested() || !SendRecord(window, WM_TAG_BATCH, batch)) return;
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
  const auto request = TakeRequest<TagReadingRequest>(parameter);
  // Also after an error: the user must get the commands back.
  const ClosingMessage done(request->window, WM_TAGS_DONE, request->run.number);
  NoThrow<bool>(false, [&request] {
    ReadAllRows(request->window, *request->run.stop);
    return true;
  });
  return 0;
}
