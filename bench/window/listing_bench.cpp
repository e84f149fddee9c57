// Times the listing in the real window against its floor, measured in the
// same run: from the click on "刷新文件列表" to the summary (every tag read),
// against listing the same folders with FindFirstFileW and reading each
// file's tag bytes bare. Also the longest a message waited meanwhile, and
// the bytes per row the listed rows hold.
//
//   listing-bench [--files=10000] [--folders=100] [--rounds=3]

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "floors.h"
#include "library.h"
#include "listing_fixture.h"
#include "message_wait_probe.h"
#include "platform/text.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "window_bench.h"

namespace {

using namespace window_bench;

// The test fixture, opened and closed by hand.
class ListingWindow : public ListingTest {
 public:
  void Open() { SetUp(); }
  void Close() { TearDown(); }
  void TestBody() override {}
  using ListingTest::folder;
  using ListingTest::WaitForListing;
};

struct WindowPass {
  double milliseconds = 0;
  // Where the time went: in the click's own handler, and up to the scan's end.
  double handler = 0;
  double scan = 0;
  double longestWait = 0;
  double longestWaitAt = 0;
  bool complete = false;
};

std::u16string Summary(int files) {
  return u"共找到 " + Number(files) + u" 个MP3文件, 成功读取 " + Number(files) + u" 个ID3标签.";
}

WindowPass ListThroughWindow(int files) {
  const MainWindowState& s = State();
  WindowPass pass;
  MessageWaitProbe probe(s.mainWindow);
  const Clock::time_point start = Clock::now();
  SendMessageW(s.btnListFile->hwnd, BM_CLICK, 0, 0);
  pass.handler = MillisecondsSince(start);
  const bool ended = PumpUntil(
      [&pass, start] {
        if (pass.scan == 0 && !SlotOf(Worker::Scan).thread) pass.scan = MillisecondsSince(start);
        return !SlotOf(Worker::Scan).thread && !SlotOf(Worker::Tags).thread &&
               StatusText().rfind(u"共找到 ", 0) == 0;
      },
      INFINITE);
  pass.milliseconds = MillisecondsSince(start);
  probe.Stop();
  pass.longestWait = probe.LongestMilliseconds();
  pass.longestWaitAt = probe.LongestAtMilliseconds();
  pass.complete = ended && StatusText() == Summary(files) && s.listFile->GetItemCount() == files;
  if (!pass.complete) {
    std::printf("the listing did not end as expected: %d rows, status \"%s\"\n",
                s.listFile->GetItemCount(), platform::Utf16ToUtf8(StatusText()).c_str());
  }
  return pass;
}

// The rows' share: the working set with every row listed and read, less
// the one of the same window with an empty list, over the rows.
void PrintBytesPerRow(std::size_t emptyWorkingSet, int rows) {
  const std::size_t listed = WorkingSet();
  std::printf(
      "memory, %d rows listed and read: working set %zu KiB (empty list %zu KiB, peak %zu KiB): "
      "%.0f bytes per row (goal <= 1000 at 10000 rows)\n",
      rows, listed / 1024, emptyWorkingSet / 1024, PeakWorkingSet() / 1024,
      (static_cast<double>(listed) - static_cast<double>(emptyWorkingSet)) / rows);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int files = Argument(argc, argv, "--files", 10000);
  const int folders = Argument(argc, argv, "--folders", 100);
  const int rounds = Argument(argc, argv, "--rounds", 3);

  ListingWindow window;
  window.Open();
  for (const LibraryFile& file : LibraryLayout(files, folders)) {
    window.folder.Write(file.relative, Tagged(file.title, kLibraryArtist, kLibraryAlbum));
  }
  const MainWindowState& s = State();
  SetText(s.editWorkDir->hwnd, window.folder.Path());
  SendMessageW(s.checkSubfolders->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(s.btnListFile->hwnd, TRUE);
  // Once before the timing, so both ways meet the same warm caches.
  bool ok = ListAndReadTagBytes(window.folder.Path()) == files;
  const std::size_t emptyWorkingSet = WorkingSet();

  std::vector<double> listed, floor;
  double longestWait = 0, longestWaitAt = 0;
  for (int round = 0; round < rounds; ++round) {
    const WindowPass pass = ListThroughWindow(files);
    ok = ok && pass.complete;
    listed.push_back(pass.milliseconds);
    if (pass.longestWait > longestWait) {
      longestWait = pass.longestWait;
      longestWaitAt = pass.longestWaitAt;
    }
    if (round == 0) {
      PrintBytesPerRow(emptyWorkingSet, files);
      std::printf(
          "listing, %d files, first round: %.1f ms in the click's handler, the scan's end at "
          "%.1f ms, the tag reading's at %.1f ms\n",
          files, pass.handler, pass.scan, pass.milliseconds);
    }

    const Clock::time_point start = Clock::now();
    ok = ListAndReadTagBytes(window.folder.Path()) == files && ok;
    floor.push_back(MillisecondsSince(start));
  }
  const std::string size = std::to_string(files) + " files in " + std::to_string(folders) +
                           " folders, median of " + std::to_string(rounds);
  PrintAgainstFloor("listing, " + size + ": click to summary", Median(listed),
                    "FindFirstFileW, tag bytes read", Median(floor), 1.5);
  std::printf(
      "listing, %d files: longest message wait %.0f ms, at %.1f s after the click "
      "(goal <= 250)\n",
      files, longestWait, longestWaitAt / 1000);
  window.Close();
  if (!ok) std::printf("a run did not end as expected\n");
  return ok ? 0 : 1;
}
