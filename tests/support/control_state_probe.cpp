#include "support/control_state_probe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/text.h"
#include "support/main_window_fixture.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/framework/check_box.h"

bool ControlStates::operator==(const ControlStates& o) const {
  return listFileOn == o.listFileOn && listFileCaption == o.listFileCaption &&
         processOn == o.processOn && processCaption == o.processCaption &&
         setWorkDirOn == o.setWorkDirOn && deleteEmptyOn == o.deleteEmptyOn &&
         subfoldersOn == o.subfoldersOn && lyricsOn == o.lyricsOn &&
         styleReadOnly == o.styleReadOnly;
}

void PrintTo(const ControlStates& s, std::ostream* out) {
  *out << "{listFile " << s.listFileOn << " \"" << platform::Utf16ToUtf8(s.listFileCaption)
       << "\", process " << s.processOn << " \"" << platform::Utf16ToUtf8(s.processCaption)
       << "\", setWorkDir " << s.setWorkDirOn << ", deleteEmpty " << s.deleteEmptyOn
       << ", subfolders " << s.subfoldersOn << ", lyrics " << s.lyricsOn << ", style read-only "
       << s.styleReadOnly << "}";
}

ControlStates CurrentControlStates() {
  const MainWindowState& s = State();
  auto on = [](const CCorvaneControl* control) { return IsWindowEnabled(control->hwnd) != FALSE; };
  const bool readOnly = (GetWindowLongPtrW(s.editNameStyle->hwnd, GWL_STYLE) & ES_READONLY) != 0;
  EXPECT_EQ(readOnly, s.editNameStyle->readOnly);
  return {on(s.btnListFile),          TextOf(s.btnListFile->hwnd), on(s.btnProcess),
          TextOf(s.btnProcess->hwnd), on(s.btnSetWorkDir),         on(s.btnDeleteEmpty),
          on(s.checkSubfolders),      on(s.checkLyrics),           readOnly};
}

ControlStates RefreshStarted() {
  return {true, u"停止", false, u"开始重命名!", false, false, false, false, true};
}

ControlStates ScanStoppedWithFiles() {
  return {false, u"刷新文件列表", false, u"开始重命名!", false, false, false, false, false};
}

ControlStates TagReadingEnded(bool processOn) {
  return {true, u"刷新文件列表", processOn, u"开始重命名!", true, true, true, true, false};
}

ControlStates RenamingRuns() {
  return {false, u"刷新文件列表", true, u"停止", false, false, false, false, true};
}

ControlStates RenamingOver() {
  return {true, u"刷新文件列表", true, u"开始重命名!", true, true, true, true, false};
}
