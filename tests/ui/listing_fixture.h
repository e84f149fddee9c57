#pragma once
// The real window listing real folders: the folder chosen through "...",
// the scan, the tag reading, and what the controls show on the way.

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/id3_builder.h"
#include "support/main_window_fixture.h"
#include "support/temp_folder.h"

// Tag bytes followed by some audio.
test_support::Bytes Tagged(const std::u16string& title, const std::u16string& artist,
                           const std::u16string& album);
// The same three frames, some of them left out (an empty text leaves the frame out).
test_support::Bytes TaggedV2(const std::u16string& title, const std::u16string& artist,
                             const std::u16string& album, bool withEmptyTitleFrame = false);
test_support::Bytes WithId3v1(const test_support::Bytes& front, const std::string& title,
                              const std::string& artist, const std::string& album);
test_support::Bytes Untagged();

struct ControlStates {
  bool listFileOn;
  std::u16string listFileCaption;
  bool processOn;
  bool setWorkDirOn;
  bool deleteEmptyOn;
  bool subfoldersOn;
  bool lyricsOn;
  bool styleReadOnly;

  bool operator==(const ControlStates& other) const;
};
void PrintTo(const ControlStates& states, std::ostream* out);
ControlStates CurrentControlStates();

// The rows of the control-state table that the listing passes through.
ControlStates RefreshStarted();
ControlStates ScanStoppedWithFiles();
ControlStates TagReadingEnded(bool processOn);

// Every status text set while it lives, also by workers, with the states of
// the controls at that moment (the worker waits while the text is set).
class StatusTrail {
 public:
  struct Entry {
    std::u16string text;
    ControlStates states;
  };
  StatusTrail();
  StatusTrail(const StatusTrail&) = delete;
  StatusTrail& operator=(const StatusTrail&) = delete;
  ~StatusTrail();

  const std::vector<Entry>& entries() const { return entries_; }
  // The texts that start with prefix, the prefix taken off.
  std::vector<std::u16string> After(const std::u16string& prefix) const;
  int Count(const std::u16string& text) const;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  std::vector<Entry> entries_;
};

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

// What the folder browser stand-in was last shown with.
struct BrowseSeen {
  HWND owner;
  std::u16string title;
  UINT flags;
  bool rootGiven;
};
BrowseSeen LastBrowse();
