#pragma once
// The real window with rows put straight into its list, as the listing
// leaves them, over real files in a fresh folder; and the states of the
// controls that a renaming's start, stop and end leave.

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/main_window_fixture.h"
#include "support/temp_folder.h"
#include "ui/framework/handles.h"

struct CommandStates {
  bool listFileOn;
  std::u16string listFileCaption;
  bool processOn;
  std::u16string processCaption;
  bool setWorkDirOn;
  bool deleteEmptyOn;
  bool checkBoxesOn;  // both check boxes, which always move together here
  bool styleReadOnly;

  bool operator==(const CommandStates& other) const;
};
void PrintTo(const CommandStates& states, std::ostream* out);

CommandStates CurrentCommandStates();
// While a renaming runs, also while its lyrics stage runs.
CommandStates RenamingRuns();
// After a renaming ended or was stopped.
CommandStates RenamingOver();

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

// Records every status bar text set while it lives, also from workers, and
// hands each to onText as it comes, before the status bar shows it.
class StatusTexts {
 public:
  explicit StatusTexts(std::function<void(const std::u16string&)> onText = {});
  StatusTexts(const StatusTexts&) = delete;
  StatusTexts& operator=(const StatusTexts&) = delete;
  ~StatusTexts();

  const std::vector<std::u16string>& texts() const { return texts_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  struct HookTraits {
    static bool IsSet(HHOOK hook) { return hook != nullptr; }
    static void Free(HHOOK hook) { UnhookWindowsHookEx(hook); }
  };

  std::function<void(const std::u16string&)> onText_;
  UniqueResource<HHOOK, HookTraits> hook_;
  std::vector<std::u16string> texts_;
};
