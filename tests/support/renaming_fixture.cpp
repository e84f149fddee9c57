#include "support/renaming_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/text.h"
#include "platform/wide.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/frame/keyboard.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/rows.h"

void RenamingTest::SetUp() {
  MainWindowTest::SetUp();
  MainWindowState& s = State();
  EnableWindow(s.btnListFile->hwnd, TRUE);
  EnableWindow(s.btnProcess->hwnd, TRUE);
}

std::vector<unsigned char> RenamingTest::ContentOf(const std::u16string& name) {
  const std::string text = platform::Utf16ToUtf8(name);
  return {text.begin(), text.end()};
}

std::u16string RenamingTest::AddUntaggedRow(const std::u16string& name) {
  const std::u16string path = folder.Write(name, ContentOf(name));
  AddFileRow(path);
  listedNames.push_back(name);
  return path;
}

std::u16string RenamingTest::AddTrack(const std::u16string& name, const std::u16string& title,
                                      const std::u16string& artist) {
  const std::u16string path = AddUntaggedRow(name);
  Tracks().SetTags(Tracks().Size() - 1, TrackEntry{title, artist, u"Disc"}, u"");
  return path;
}

void RenamingTest::SetStyle(const std::u16string& style) {
  SetText(State().editNameStyle->hwnd, style);
}

void RenamingTest::ClickProcess() { SendMessageW(State().btnProcess->hwnd, BM_CLICK, 0, 0); }

bool RenamingTest::PressCtrlZ(HWND target) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  const BYTE control = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG press{};
  press.hwnd = target;
  press.message = WM_KEYDOWN;
  press.wParam = 'Z';
  press.lParam = 0x002C0001;  // first press, not a repeat
  const bool taken = HandleShortcut(press);
  keys[VK_CONTROL] = control;
  SetKeyboardState(keys);
  return taken;
}

bool RenamingTest::WaitForRenamingOver(DWORD maxMilliseconds) {
  const MainWindowState& s = State();
  return PumpUntil(
      [&s] {
        return !SlotOf(Worker::Renaming).thread && !SlotOf(Worker::Lyrics).thread &&
               TextOf(s.btnProcess->hwnd) == u"开始重命名!";
      },
      maxMilliseconds);
}

std::u16string RenamingTest::Cell(int row, int column) const {
  return State().listFile->GetWholeItemText(row, column);
}

void RenamingTest::ExpectRowsMatchDisk() const {
  std::vector<std::u16string> rowNames;
  for (int row = 0; row < State().listFile->GetItemCount(); ++row) {
    const std::filesystem::path path(Cell(row, 0));
    ASSERT_EQ(path.parent_path().u16string(), folder.Path()) << "row " << row;
    const std::u16string name = path.filename().u16string();
    EXPECT_EQ(folder.Read(name), ContentOf(listedNames[static_cast<std::size_t>(row)]))
        << "row " << row;
    rowNames.push_back(name);
  }
  std::sort(rowNames.begin(), rowNames.end());
  EXPECT_EQ(folder.Names(), rowNames);
}
