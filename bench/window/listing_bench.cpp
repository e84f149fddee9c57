// Times the listing in the real window, each against its floor measured in
// the same run:
//  1. a scan of 200 files in 20 folders through "...", against the pause of
//     100 ms before every report that the scan keeps;
//  2. the tag reading of 10,000 listed rows through the list view, against
//     reading the same files' tags bare, with nothing shown.

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "tracks/read_track_tags.h"
#include "ui/controls/list_file.h"
#include "ui/state/rows.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string Number(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// The test fixture, opened and closed by hand.
class ListingWindow : public ListingTest {
 public:
  void Open() { SetUp(); }
  void Close() { TearDown(); }
  void TestBody() override {}
  using ListingTest::ChooseFolder;
  using ListingTest::folder;
  using ListingTest::ListPaths;
  using ListingTest::StartTagReading;
  using ListingTest::WaitForListing;
};

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}

constexpr int kTagRows = 10000;

// The rows' share: the working set with every row listed and read, less
// the one of the same window with an empty list.
void PrintMemory(std::size_t emptyWorkingSet) {
  const PROCESS_MEMORY_COUNTERS listed = Memory();
  const double perRow =
      (static_cast<double>(listed.WorkingSetSize) - static_cast<double>(emptyWorkingSet)) /
      kTagRows;
  std::printf(
      "memory: peak working set %zu KiB with %d rows listed (empty list %zu KiB), "
      "%.0f bytes per row\n",
      listed.PeakWorkingSetSize / 1024, kTagRows, emptyWorkingSet / 1024, perRow);
}

constexpr int kScanFolders = 20;
constexpr int kFilesPerFolder = 10;
constexpr double kPauseMilliseconds = 100;
constexpr int kTagRepetitions = 2;

bool BenchScan() {
  ListingWindow window;
  window.Open();
  for (int f = 0; f < kScanFolders; ++f) {
    for (int i = 0; i < kFilesPerFolder; ++i) {
      window.folder.Write(u"folder " + Number(f) + u"/track " + Number(i) + u".mp3",
                          Tagged(u"T" + Number(i), u"A", u"L"));
    }
  }
  window.ChooseFolder(window.folder.Path());
  // From the scan thread's start (the refresh's own pause is over) to its
  // closing message handled.
  const Clock::time_point start = Clock::now();
  const bool ended = PumpUntil([] { return !SlotOf(Worker::Scan).thread; }, 120000);
  const double total = MillisecondsSince(start);
  window.WaitForListing(120000);
  const int reports = kScanFolders * kFilesPerFolder + kScanFolders;
  const double floor = reports * kPauseMilliseconds;
  std::printf(
      "scan: %d reports (%u files), %.0f ms against the mandated %.0f ms: "
      "overhead %.0f ms, %.2f%% of the total\n",
      reports, State().filesFound, total, floor, total - floor, 100.0 * (total - floor) / total);
  window.Close();
  return ended;
}

bool BenchTagReading() {
  ListingWindow window;
  window.Open();
  std::vector<std::u16string> paths;
  for (int i = 0; i < kTagRows; ++i) {
    const std::u16string name = u"Song " + Number(i) + u" - Band.mp3";
    // Every other file already bears its new name, so both statuses occur.
    paths.push_back(window.folder.Write(i % 2 == 0 ? name : Number(i) + u".mp3",
                                        Tagged(u"Song " + Number(i), u"Band", u"Disc")));
  }
  const std::size_t emptyWorkingSet = Memory().WorkingSetSize;
  double bare = 0;
  double listed = 0;
  bool ok = true;
  for (int repetition = 0; repetition < kTagRepetitions; ++repetition) {
    Clock::time_point start = Clock::now();
    int kept = 0;
    for (const std::u16string& path : paths) kept += ReadTrackTags(path).kept ? 1 : 0;
    bare += MillisecondsSince(start);
    ok = ok && kept == kTagRows;

    State().filesFound = 0;
    window.ListPaths(paths);
    start = Clock::now();
    window.StartTagReading();
    ok = window.WaitForListing(600000) && ok;
    listed += MillisecondsSince(start);
    ok = ok && State().tagsRead == static_cast<unsigned>(kTagRows);
    if (repetition == 0) PrintMemory(emptyWorkingSet);
    ClearRows();
  }
  bare /= kTagRepetitions;
  listed /= kTagRepetitions;
  std::printf(
      "tag reading: %d rows through the list view %.0f ms, bare reader %.0f ms: "
      "ratio %.2f (mean of %d)\n",
      kTagRows, listed, bare, listed / bare, kTagRepetitions);
  window.Close();
  return ok;
}

}  // namespace

int main() {
  const bool scanned = BenchScan();
  const bool read = BenchTagReading();
  if (!scanned || !read) std::printf("a run did not end as expected\n");
  return scanned && read ? 0 : 1;
}
