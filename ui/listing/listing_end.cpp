#include "ui/listing/listing_end.h"

#include <cstdint>
#include <memory>

#include "platform/text.h"
#include "ui/framework/status_bar.h"
#include "ui/listing/tag_batch.h"
#include "ui/listing/tag_worker.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/workers.h"

namespace {

// A count shown as the signed 32-bit number that its bits make.
std::u16string CountText(std::uint32_t count) {
  return platform::DecimalText(static_cast<std::int32_t>(count));
}

}  // namespace

void StartTagReading(bool stoppable) {
  MainWindowState& state = State();
  SlotOf(Worker::Tags).userMayStop = stoppable;
  state.tagsRead = 0;
  auto request = std::make_unique<TagReadingRequest>();
  request->window = state.mainWindow;
  ShowProgress(0, state.filesFound);
  // No thread, no closing message: the reading ends here, with nothing read,
  // and the rows without entries go.
  if (!StartWorker(Worker::Tags, TagThreadProc, std::move(request))) {
    DropUnreadRows();
    EndTagReading();
  }
}

bool ListingStoppable() {
  return Runs(Worker::Scan) || (Runs(Worker::Tags) && SlotOf(Worker::Tags).userMayStop);
}

void OnScanDone(WPARAM run) {
  // A stop that came after the scan's last message has closed the handle and
  // started the tag reading itself, when there was anything to read.
  if (CloseIfCurrent(Worker::Scan, run)) StartTagReading(true);
}

void OnTagsDone(WPARAM run) {
  if (CloseIfCurrent(Worker::Tags, run)) EndTagReading();
}

void EndTagReading() {
  const MainWindowState& state = State();
  // Here, in one step on this thread: a click can land only before all of it
  // or after all of it, never between two controls.
  ApplyControlStates(ControlMoment::TagReadingEnded);
  EndProgress();
  SetStatusText(u"共找到 " + CountText(state.filesFound) + u" 个MP3文件, 成功读取 " +
                CountText(state.tagsRead) + u" 个ID3标签.");
}
