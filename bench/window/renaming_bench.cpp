// Times the renaming in the real window, each part against its floor
// measured in the same run:
//  1. one key release in the name style box, to the list drawn anew,
//     against showing the same new statuses and new names and nothing else;
//     then a click on each column's header, twice, to the list drawn anew;
//  2. the renaming, from the click on "开始重命名!" to its summary, against
//     moving each file to its new name with MoveFileExW;
//  3. its undo, from the answer Yes to its question to its summary, against
//     moving each file back the same way.
// Also the longest a message waited during the renaming and the undo.
//
//   renaming-bench [--key-rows=10000] [--files=10000] [--folders=100] [--rounds=3] [--undo=1]
//                  [--profile=1]
// A count of 0 leaves its part out; --undo=0 leaves out the undo, and with
// it every round after the first. After the rounds, one more renaming and
// undo, untimed, count each file operation and its time (--profile=0: not).

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "file_operation_profile.h"
#include "floors.h"
#include "library.h"
#include "message_wait_probe.h"
#include "platform/text.h"
#include "platform/wide.h"
#include "support/renaming_fixture.h"
#include "tracks/name_style.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/win_text.h"
#include "ui/state/rows.h"
#include "window_bench.h"

namespace {

using namespace window_bench;

// The test fixture, opened and closed by hand.
class RenamingWindow : public RenamingTest {
 public:
  void Open() {
    SetUp();
    SetStyle(kLibraryStyle);
  }
  void Close() { TearDown(); }
  void TestBody() override {}
  using RenamingTest::ClickProcess;
  using RenamingTest::ContentOf;
  using RenamingTest::folder;
  using RenamingTest::PressCtrlZ;
  using RenamingTest::WaitForRenamingOver;
};

// The key release's floor: the least that shows every row's new status and
// new name. The list shows the row model (owner data), so that is storing
// both, as a table that kept them would, and having the list drawn anew.
void ShowCellsBare(const std::vector<std::u16string_view>& statuses,
                   const std::vector<std::u16string>& newNames,
                   std::vector<std::u16string>& newNameCells) {
  for (std::size_t row = 0; row < statuses.size(); ++row) {
    Tracks().SetStatus(row, statuses[row]);
    newNameCells[row] = newNames[row];
  }
  InvalidateRect(State().listFile->hwnd, nullptr, FALSE);
}

std::u16string CellShown(int row, int column) { return State().listFile->GetItemText(row, column); }

struct Track {
  std::u16string name;  // in the window's folder
  std::u16string title;
};

// Writes every file, then lists them in one go, as a scan's batch, each with
// its tags; returns their paths. 100,000 files in one folder, each listed
// as it was written, took 37 minutes for the first 91,212 under Wine.
std::vector<std::u16string> ListTracks(RenamingWindow& window, const std::vector<Track>& tracks) {
  std::vector<std::u16string> paths;
  for (const Track& track : tracks) {
    paths.push_back(window.folder.Write(track.name, RenamingWindow::ContentOf(track.name)));
  }
  const std::size_t first = Tracks().Size();
  AddFileRows(paths);
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    Tracks().SetTags(first + i, TrackEntry{tracks[i].title, kLibraryArtist, kLibraryAlbum}, u"");
  }
  return paths;
}

// A header click at each column, twice (up, then down), against sorting the
// texts the column shows, made beforehand, the same way.
void BenchSorting(int rows) {
  constexpr int kClicks = 6;
  const char* const names[] = {"file name", "title", "status", "new name"};
  const std::u16string style(kLibraryStyle);
  for (int column = 0; column < kFileListColumnCount; ++column) {
    std::vector<double> clicks, floors;
    for (int click = 0; click < kClicks; ++click) {
      Clock::time_point start = Clock::now();
      ClickHeader(column);
      UpdateWindow(State().listFile->hwnd);
      clicks.push_back(MillisecondsSince(start));
      PumpPending();

      std::vector<std::wstring> texts;
      texts.reserve(static_cast<std::size_t>(rows));
      for (std::size_t row = 0; row < Tracks().Size(); ++row) {
        texts.push_back(platform::Wide(CorvaneWnd::ShownText(*Tracks().Row(row), column, style)));
      }
      std::vector<std::size_t> order(texts.size());
      std::iota(order.begin(), order.end(), std::size_t{0});
      const bool down = click % 2 == 1;
      start = Clock::now();
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = StrCmpLogicalW(texts[a].c_str(), texts[b].c_str());
        return down ? compared > 0 : compared < 0;
      });
      floors.push_back(MillisecondsSince(start));
    }
    std::printf("sort by %s, %d rows: click to redrawn %.1f ms (worst %.1f ms, goal <= 250); ",
                names[column], rows, Median(clicks),
                *std::max_element(clicks.begin(), clicks.end()));
    std::printf("the texts' sort alone %.1f ms\n", Median(floors));
  }
}

void BenchKeyRelease(int rows) {
  constexpr int kRepetitions = 15;
  RenamingWindow window;
  window.Open();
  std::vector<std::u16string_view> statuses;
  std::vector<std::u16string> newNames;
  std::vector<Track> tracks;
  for (int i = 0; i < rows; ++i) {
    const std::u16string title = u"Song " + Number(i, 6);
    // Every other file already bears its new name, so both statuses occur.
    const std::u16string name =
        i % 2 == 0 ? title + u" - " + kLibraryArtist + u".mp3" : Number(i, 6) + u".mp3";
    // In folders of at most 1,000, as the library lies.
    tracks.push_back({u"Folder " + Number(i / 1000, 3) + u"\\" + name, title});
    const TrackEntry entry{title, kLibraryArtist, kLibraryAlbum};
    newNames.push_back(MakeNewName(kLibraryStyle, entry));
    statuses.emplace_back(NewNameStatus(name, newNames.back()));
  }
  ListTracks(window, tracks);
  PumpPending();

  const HWND list = State().listFile->hwnd;
  std::vector<std::u16string> newNameCells(newNames.size());
  // Each with the list drawn (what the user waits for), and without.
  std::vector<double> handler, floor, handlerAlone, floorAlone;
  for (int repetition = 0; repetition < kRepetitions; ++repetition) {
    Clock::time_point start = Clock::now();
    SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
    handlerAlone.push_back(MillisecondsSince(start));
    UpdateWindow(list);
    handler.push_back(MillisecondsSince(start));
    PumpPending();

    start = Clock::now();
    ShowCellsBare(statuses, newNames, newNameCells);
    floorAlone.push_back(MillisecondsSince(start));
    UpdateWindow(list);
    floor.push_back(MillisecondsSince(start));
    PumpPending();
  }
  // The handler shows what the floor shows, over statuses it must rewrite.
  int wrong = 0;
  ShowCellsBare(std::vector<std::u16string_view>(statuses.size()), newNames, newNameCells);
  SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
  for (int row = 0; row < rows; ++row) {
    const auto index = static_cast<std::size_t>(row);
    if (CellShown(row, kStatusColumn) != statuses[index]) ++wrong;
    // Each new-name cell is made as it is asked for: a sample does.
    if (row % 97 == 0 && CellShown(row, kNewNameColumn) != newNames[index]) ++wrong;
  }
  const std::string figure = "key release, " + std::to_string(rows) + " rows, median of " +
                             std::to_string(kRepetitions) + ": ";
  PrintAgainstFloor(figure + "handler, list drawn", Median(handler),
                    "the new statuses and names shown", Median(floor), 1.2);
  PrintAgainstFloor(figure + "handler alone", Median(handlerAlone),
                    "the new statuses and names stored", Median(floorAlone), 1.2);
  if (wrong != 0) std::printf("key release: %d cells show another text\n", wrong);
  BenchSorting(rows);
  window.Close();
}

using Moves = std::vector<std::pair<std::u16string, std::u16string>>;

bool AllExist(const Moves& moves, bool renamed) {
  for (const auto& [before, after] : moves) {
    if (GetFileAttributesW(platform::Wide(renamed ? after : before)) == INVALID_FILE_ATTRIBUTES) {
      return false;
    }
  }
  return true;
}

struct WindowPass {
  double milliseconds = 0;
  double handler = 0;  // of which the command's own handler, until the worker started
  double longestWait = 0;
  bool complete = false;
};

std::u16string Summary(std::u16string_view action, int files) {
  const std::u16string verb(action);
  return u"共尝试" + verb + u" " + Number(files) + u" 个MP3文件, 成功" + verb + u" " +
         Number(files) + u" 个MP3文件.";
}

// Waits for the run under way to end, from start, and checks its summary.
WindowPass EndOfRun(RenamingWindow& window, MessageWaitProbe& probe, Clock::time_point start,
                    std::u16string_view action, int files) {
  WindowPass pass;
  pass.handler = MillisecondsSince(start);
  const bool ended = window.WaitForRenamingOver(INFINITE);
  pass.milliseconds = MillisecondsSince(start);
  probe.Stop();
  pass.longestWait = probe.LongestMilliseconds();
  const std::u16string status = StatusText();
  pass.complete = ended && status == Summary(action, files);
  if (!pass.complete) {
    std::printf("the run did not end as expected: status \"%s\"\n",
                platform::Utf16ToUtf8(status).c_str());
  }
  return pass;
}

WindowPass RenameThroughWindow(RenamingWindow& window, int files) {
  MessageWaitProbe probe(State().mainWindow);
  const Clock::time_point start = Clock::now();
  window.ClickProcess();
  return EndOfRun(window, probe, start, u"重命名", files);
}

WindowPass UndoThroughWindow(RenamingWindow& window, int files) {
  MessageWaitProbe probe(State().mainWindow);
  const MessageBoxAnswers yes(IDYES);
  // Returns once the question was answered and the undo began.
  window.PressCtrlZ(State().listFile->hwnd);
  if (yes.shown().size() != 1 || yes.shown()[0].caption != u"提示") {
    std::printf("the undo asked no question\n");
    probe.Stop();
    return {};
  }
  return EndOfRun(window, probe, yes.shown()[0].answeredAt, u"恢复", files);
}

struct Figures {
  std::vector<double> window, handler, floor;
  double longestWait = 0;

  void Add(const WindowPass& pass, double floorMilliseconds) {
    window.push_back(pass.milliseconds);
    handler.push_back(pass.handler);
    floor.push_back(floorMilliseconds);
    if (pass.longestWait > longestWait) longestWait = pass.longestWait;
  }
  void PrintWaits(const char* run, int files) const {
    std::printf(
        "%s, %d files: longest message wait %.0f ms (goal <= 250); %.1f ms of the run in the "
        "command's handler, before the worker started\n",
        run, files, longestWait, Median(handler));
  }
};

double TimeMoves(const Moves& moves, bool& ok) {
  const Clock::time_point start = Clock::now();
  ok = MoveEach(moves) && ok;
  return MillisecondsSince(start);
}

// Untimed: one more renaming and undo, with every file operation counted.
bool ProfileFileOperations(RenamingWindow& window, int files) {
  FileOperationProfile renamingOperations, undoOperations;
  WindowPass renamed, undone;
  {
    const FileSystemInUse inUse(renamingOperations);
    renamed = RenameThroughWindow(window, files);
  }
  renamingOperations.Print("renaming", files, renamed.milliseconds);
  {
    const FileSystemInUse inUse(undoOperations);
    undone = UndoThroughWindow(window, files);
  }
  undoOperations.Print("undo", files, undone.milliseconds);
  return renamed.complete && undone.complete;
}

bool BenchRenaming(int files, int folders, int rounds, bool withUndo, bool profile) {
  RenamingWindow window;
  window.Open();
  const std::vector<LibraryFile> layout = LibraryLayout(files, folders);
  std::vector<Track> tracks;
  for (const LibraryFile& file : layout) tracks.push_back({file.relative, file.title});
  const std::vector<std::u16string> paths = ListTracks(window, tracks);
  Moves there, back;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    there.emplace_back(paths[i], window.folder.Path(layout[i].renamed));
    back.emplace_back(there.back().second, paths[i]);
  }
  PumpPending();
  // Once before the timing, so both ways meet the same warm caches.
  bool ok = MoveEach(there) && MoveEach(back);

  Figures renaming, undo;
  for (int round = 0; round < rounds; ++round) {
    const double floorThere = TimeMoves(there, ok);
    const double floorBack = TimeMoves(back, ok);
    const WindowPass renamed = RenameThroughWindow(window, files);
    ok = ok && renamed.complete && AllExist(there, true);
    renaming.Add(renamed, floorThere);
    // Without the undo the rows name the new names: there is no next round.
    if (!withUndo) break;
    const WindowPass undone = UndoThroughWindow(window, files);
    ok = ok && undone.complete && AllExist(there, false);
    undo.Add(undone, floorBack);
  }
  const std::string size = std::to_string(files) + " files in " + std::to_string(folders) +
                           " folders, median of " + std::to_string(renaming.window.size());
  PrintAgainstFloor("renaming, " + size + ": click to summary", Median(renaming.window),
                    "MoveFileExW each", Median(renaming.floor), 2);
  renaming.PrintWaits("renaming", files);
  if (withUndo) {
    PrintAgainstFloor("undo, " + size + ": answer to summary", Median(undo.window),
                      "MoveFileExW each back", Median(undo.floor), 2);
    undo.PrintWaits("undo", files);
  }
  if (withUndo && profile) ok = ProfileFileOperations(window, files) && ok;
  window.Close();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const int keyRows = Argument(argc, argv, "--key-rows", 10000);
  const int files = Argument(argc, argv, "--files", 10000);
  const int folders = Argument(argc, argv, "--folders", 100);
  const int rounds = Argument(argc, argv, "--rounds", 3);
  const bool withUndo = Argument(argc, argv, "--undo", 1) != 0;
  const bool profile = Argument(argc, argv, "--profile", 1) != 0;
  if (keyRows > 0) BenchKeyRelease(keyRows);
  const bool ok = files <= 0 || BenchRenaming(files, folders, rounds, withUndo, profile);
  if (!ok) std::printf("a run did not end as expected\n");
  return ok ? 0 : 1;
}
