#pragma once
// The real window with rows put straight into its list, as the listing
// leaves them, over real files in a fresh folder.

#include <windows.h>

#include <string>
#include <vector>

#include "support/control_state_probe.h"
#include "support/main_window_fixture.h"
#include "support/status_trail.h"
#include "support/temp_folder.h"
#include "ui/state/main_window_state.h"

class RenamingTest : public MainWindowTest {
 protected:
  // The window as the end of a tag reading leaves it.
  void SetUp() override;

  // Writes a file holding its own name and lists it with its tags (album
  // "Disc"); filesFound grows by one. Returns the full path.
  std::u16string AddTrack(const std::u16string& name, const std::u16string& title,
                          const std::u16string& artist);
  // A row without an entry in the table.
  std::u16string AddUntaggedRow(const std::u16string& name);
  void SetStyle(const std::u16string& style);
  void ClickProcess();
  // Ctrl+Z pressed with the focus on target, as the message loop meets it;
  // true when the loop would take it as the undo's.
  static bool PressCtrlZ(HWND target);
  // Waits until the renaming and its lyrics stage are over; false if they
  // did not end within maxMilliseconds.
  bool WaitForRenamingOver(DWORD maxMilliseconds = 20000);
  std::u16string Cell(int row, int column) const;
  // What a file listed as name holds.
  static std::vector<unsigned char> ContentOf(const std::u16string& name);
  // Every row's path names a file that holds what its listed file held, and
  // the folder holds nothing else: no file was lost, doubled or left behind
  // by its row.
  void ExpectRowsMatchDisk() const;

  test_support::TempFolder folder;
  std::vector<std::u16string> listedNames;  // row i was listed as listedNames[i]
};

// The rename worker's own tests, and the undo's, which builds on them.
class RenameWorker : public RenamingTest {
 protected:
  // Renames a table of rows twice, through fileSystem: each row's outcome
  // and path, the files renamed alone on the second run, the summary, the
  // undo record and the progress texts, of which the first run shows at
  // least leastProgress.
  void RenameTheTableTwice(const platform::FileSystem& fileSystem, std::size_t leastProgress);
};
