#pragma once
// What the command controls of the real window show, read back from the
// windows themselves, and the rows of the control-state table that the
// listing and the renaming pass through, written out as the user sees them.

#include <ostream>
#include <string>

struct ControlStates {
  bool listFileOn;
  std::u16string listFileCaption;
  bool processOn;
  std::u16string processCaption;
  bool setWorkDirOn;
  bool deleteEmptyOn;
  bool subfoldersOn;
  bool lyricsOn;
  bool styleReadOnly;

  bool operator==(const ControlStates& other) const;
};
void PrintTo(const ControlStates& states, std::ostream* out);

// Also checks that the name style box's readOnly member mirrors its style.
ControlStates CurrentControlStates();

// While the scan runs, and while the tag reading after it runs.
ControlStates RefreshStarted();
ControlStates ScanStoppedWithFiles();
ControlStates TagReadingEnded(bool processOn);
// While a renaming runs, also while its lyrics stage runs.
ControlStates RenamingRuns();
// After a renaming ended or was stopped.
ControlStates RenamingOver();
