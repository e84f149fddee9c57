#pragma once
// The real window listing real folders: the folder chosen through "...",
// the scan, the tag reading, and what the controls show on the way.

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/control_state_probe.h"
#include "support/main_window_fixture.h"
#include "support/status_trail.h"
#include "support/tagged_files.h"
#include "support/temp_folder.h"

class ListingTest : public MainWindowTest {
 protected:
  void TearDown() override;

  // Clicks "..." with the folder browser answering path.
  void ChooseFolder(const std::u16string& path);
  // Waits until the tag reading has ended and its closing message was handled.
  bool WaitForListing(DWORD maxMilliseconds = 20000);
  // Runs the queued messages up to and including the scan's WM_SCAN_DONE,
  // once the scan thread has ended; nothing after it.
  bool RunUntilScanDoneHandled();
  // Carries out only what workers send to this thread, until condition()
  // holds: their posted messages stay queued.
  bool RunSentMessagesUntil(const std::function<bool()>& condition, DWORD maxMilliseconds = 20000);
  // Puts rows straight into the list, as a scan would leave them.
  void ListPaths(const std::vector<std::u16string>& paths);
  void StartTagReading();

  std::vector<std::u16string> Column(int column) const;
  // Row i's title equals entry i's, for every row, and there are as many entries as rows.
  void ExpectRowsMatchTable() const;

  test_support::TempFolder folder;
};

using ListingCommands = ListingTest;

// Four rows in the list, the first three read.
class DeleteAndClear : public ListingTest {
 protected:
  void SetUp() override;
  void ClickDeleteEmpty();
};

void ClickButton(HWND button);
// Items dragged from the file manager and dropped on the window; the window
// releases the drop.
void Drop(const std::vector<std::u16string>& paths);
void SelectRows(const std::vector<int>& rows);

// What the folder browser stand-in was last shown with.
struct BrowseSeen {
  HWND owner;
  std::u16string title;
  UINT flags;
  bool rootGiven;
};
BrowseSeen LastBrowse();
