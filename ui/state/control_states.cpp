#include "ui/state/control_states.h"

#include <windows.h>

#include "ui/framework/button.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"

namespace {

// Plain enums, so that the table below reads as a table.
enum Enabled {
  Keep,
  On,
  Off,
  OnIfTagsRead,  // on when files were found and a tag was read, else kept
};
enum NameStyle { StyleKept, Editable, ReadOnly };

struct ControlStatesRow {
  ControlMoment moment;
  Enabled listFile;
  const char16_t* listFileCaption;  // null: kept
  Enabled process;
  const char16_t* processCaption;
  Enabled setWorkDir;
  Enabled deleteEmpty;
  Enabled checkBoxes;  // subfolders and lyrics, always together
  NameStyle nameStyle;
};

using M = ControlMoment;
constexpr const char16_t* kKept = nullptr;
constexpr const char16_t* kStop = kStopCaption;
constexpr const char16_t* kRefresh = kRefreshCaption;
constexpr const char16_t* kStart = kStartRenamingCaption;

// clang-format off
constexpr ControlStatesRow kControlStates[] = {
  // moment                    list  caption   process       caption work  delete checks style
  {M::ProgramStart,            Off,  kRefresh, Off,          kStart, On,   On,   On,   Editable},
  {M::RefreshStarted,          On,   kStop,    Off,          kKept,  Off,  Off,  Off,  ReadOnly},
  {M::ScanStoppedWithFiles,    Off,  kRefresh, Keep,         kKept,  Keep, Keep, Keep, Editable},
  {M::ScanStoppedWithoutFiles, On,   kRefresh, Keep,         kKept,  On,   On,   On,   Editable},
  {M::TagReadingEnded,         On,   kRefresh, OnIfTagsRead, kKept,  On,   On,   On,   Editable},
  {M::RenamingStarted,         Off,  kKept,    On,           kStop,  Off,  Off,  Off,  ReadOnly},
  {M::RenamingOver,            On,   kKept,    On,           kStart, On,   On,   On,   Editable},
  {M::UndoStarted,             Off,  kKept,    On,           kStop,  Off,  Off,  Off,  ReadOnly},
  {M::ListCleared,             Keep, kKept,    Off,          kKept,  Keep, Keep, Keep, StyleKept},
};
// clang-format on

void Apply(HWND control, Enabled enabled) {
  const MainWindowState& state = State();
  if (enabled == OnIfTagsRead) {
    enabled = state.filesFound > 0 && state.tagsRead > 0 ? On : Keep;
  }
  if (enabled != Keep) EnableWindow(control, enabled == On ? TRUE : FALSE);
}

void Apply(HWND control, const char16_t* caption) {
  if (caption != nullptr) SetText(control, caption);
}

}  // namespace

void ApplyControlStates(ControlMoment moment) {
  for (const ControlStatesRow& row : kControlStates) {
    if (row.moment != moment) continue;
    const MainWindowState& s = State();
    Apply(s.btnListFile->hwnd, row.listFileCaption);
    Apply(s.btnListFile->hwnd, row.listFile);
    Apply(s.btnProcess->hwnd, row.processCaption);
    Apply(s.btnProcess->hwnd, row.process);
    Apply(s.btnSetWorkDir->hwnd, row.setWorkDir);
    Apply(s.btnDeleteEmpty->hwnd, row.deleteEmpty);
    Apply(s.checkSubfolders->hwnd, row.checkBoxes);
    Apply(s.checkLyrics->hwnd, row.checkBoxes);
    if (row.nameStyle != StyleKept) s.editNameStyle->SetReadOnly(row.nameStyle == ReadOnly);
    return;
  }
}
