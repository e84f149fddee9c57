#include "support/renaming_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/text.h"
#include "platform/wide.h"
#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"

bool CommandStates::operator==(const CommandStates& other) const {
  return listFileOn == other.listFileOn && listFileCaption == other.listFileCaption &&
         processOn == other.processOn && processCaption == other.processCaption &&
         setWorkDirOn == other.setWorkDirOn && deleteEmptyOn == other.deleteEmptyOn &&
         checkBoxesOn == other.checkBoxesOn && styleReadOnly == other.styleReadOnly;
}

void PrintTo(const CommandStates& s, std::ostream* out) {
  *out << "{listFile " << s.listFileOn << " \"" << platform::Utf16ToUtf8(s.listFileCaption)
       << "\", process " << s.processOn << " \"" << platform::Utf16ToUtf8(s.processCaption)
       << "\", setWorkDir " << s.setWorkDirOn << ", deleteEmpty " << s.deleteEmptyOn
       << ", checkBoxes " << s.checkBoxesOn << ", styleReadOnly " << s.styleReadOnly << "}";
}

CommandStates CurrentCommandStates() {
  const MainWindowState& s = State();
  const bool checkBoxesOn = IsWindowEnabled(s.checkSubfolders->hwnd) != FALSE;
  EXPECT_EQ(checkBoxesOn, IsWindowEnabled(s.checkLyrics->hwnd) != FALSE);
  const bool readOnly = (GetWindowLongPtrW(s.editNameStyle->hwnd, GWL_STYLE) & ES_READONLY) != 0;
  EXPECT_EQ(readOnly, s.editNameStyle->readOnly);
  return {IsWindowEnabled(s.btnListFile->hwnd) != FALSE, TextOf(s.btnListFile->hwnd),
          IsWindowEnabled(s.btnProcess->hwnd) != FALSE,  TextOf(s.btnProcess->hwnd),
          IsWindowEnabled(s.btnSetWorkDir->hwnd) != FALSE,
          IsWindowEnabled(s.btnDeleteEmpty->hwnd) != FALSE,
          checkBoxesOn,
          readOnly};
}

CommandStates RenamingRuns() {
  return {false, u"刷新文件列表", true, u"停止", false, false, false, true};
}

CommandStates RenamingOver() {
  return {true, u"刷新文件列表", true, u"开始重命名!", true, true, true, false};
}

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
  EXPECT_TRUE(State().listFile->AddRow(0, {path}));
  ++State().filesFound;
  listedNames.push_back(name);
  return path;
}

std::u16string RenamingTest::AddTrack(const std::u16string& name, const std::u16string& title,
                                      const std::u16string& artist) {
  const std::u16string path = AddUntaggedRow(name);
  Tracks().Append(TrackEntry{title, artist, u"Disc"});
  return path;
}

void RenamingTest::SetStyle(const std::u16string& style) {
  SetText(State().editNameStyle->hwnd, style);
}

void RenamingTest::ClickProcess() { SendMessageW(State().btnProcess->hwnd, BM_CLICK, 0, 0); }

bool RenamingTest::WaitForRenamingOver(DWORD maxMilliseconds) {
  const MainWindowState& s = State();
  return PumpUntil(
      [&s] {
        return !s.renameThread && !s.lyricsThread && TextOf(s.btnProcess->hwnd) == u"开始重命名!";
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

namespace {
StatusTexts* activeStatusTexts = nullptr;
}  // namespace

StatusTexts::StatusTexts(std::function<void(const std::u16string&)> onText)
    : onText_(std::move(onText)) {
  activeStatusTexts = this;
  hook_.reset(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()));
}

StatusTexts::~StatusTexts() {
  hook_.reset();
  activeStatusTexts = nullptr;
}

LRESULT CALLBACK StatusTexts::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && activeStatusTexts != nullptr && call->message == SB_SETTEXTW &&
      call->hwnd == State().statusBar->hwnd) {
    const std::u16string text = platform::FromWide(reinterpret_cast<const wchar_t*>(call->lParam));
    activeStatusTexts->texts_.push_back(text);
    if (activeStatusTexts->onText_) activeStatusTexts->onText_(text);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
