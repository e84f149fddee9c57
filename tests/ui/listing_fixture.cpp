#include "listing_fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include "platform/text.h"
#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/redraw_held.h"
#include "ui/window/window_messages.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/tag_worker.h"

using test_support::Bytes;
using test_support::Concat;
using test_support::Frame;

namespace {

std::u16string folderToChoose;
BrowseSeen lastBrowse{};
StatusTrail* activeTrail = nullptr;

PIDLIST_ABSOLUTE WINAPI ChooseGivenFolder(LPBROWSEINFOW info) {
  lastBrowse = {info->hwndOwner, platform::FromWide(info->lpszTitle), info->ulFlags,
                info->pidlRoot != nullptr};
  return ILCreateFromPathW(Wide(folderToChoose));
}

Bytes TextFrameBody(const std::u16string& text) {
  const Bytes bom{0xFF, 0xFE};
  return test_support::TextBody(1, Concat({bom, test_support::Utf16Le(text)}));
}

}  // namespace

Bytes TaggedV2(const std::u16string& title, const std::u16string& artist,
               const std::u16string& album, bool withEmptyTitleFrame) {
  std::vector<Frame> frames;
  if (!title.empty()) {
    frames.push_back(Frame{"TIT2", TextFrameBody(title)});
  } else if (withEmptyTitleFrame) {
    frames.push_back(Frame{"TIT2", test_support::TextBody(0, {})});
  }
  if (!artist.empty()) frames.push_back(Frame{"TPE1", TextFrameBody(artist)});
  if (!album.empty()) frames.push_back(Frame{"TALB", TextFrameBody(album)});
  return Concat({test_support::Id3v2(frames), test_support::FakeAudio(256)});
}

Bytes Tagged(const std::u16string& title, const std::u16string& artist,
             const std::u16string& album) {
  return TaggedV2(title, artist, album);
}

Bytes WithId3v1(const Bytes& front, const std::string& title, const std::string& artist,
                const std::string& album) {
  using test_support::ToBytes;
  return Concat({front, test_support::Id3v1(ToBytes(title), ToBytes(artist), ToBytes(album))});
}

Bytes Untagged() { return test_support::FakeAudio(512); }

bool ControlStates::operator==(const ControlStates& o) const {
  return listFileOn == o.listFileOn && listFileCaption == o.listFileCaption &&
         processOn == o.processOn && setWorkDirOn == o.setWorkDirOn &&
         deleteEmptyOn == o.deleteEmptyOn && subfoldersOn == o.subfoldersOn &&
         lyricsOn == o.lyricsOn && styleReadOnly == o.styleReadOnly;
}

void PrintTo(const ControlStates& s, std::ostream* out) {
  *out << "{listFile " << s.listFileOn << " \"" << platform::Utf16ToUtf8(s.listFileCaption)
       << "\", process " << s.processOn << ", setWorkDir " << s.setWorkDirOn << ", deleteEmpty "
       << s.deleteEmptyOn << ", subfolders " << s.subfoldersOn << ", lyrics " << s.lyricsOn
       << ", style read-only " << s.styleReadOnly << "}";
}

ControlStates CurrentControlStates() {
  const MainWindowState& s = State();
  auto on = [](const CCorvaneControl* control) { return IsWindowEnabled(control->hwnd) != FALSE; };
  const bool readOnly = (GetWindowLongW(s.editNameStyle->hwnd, GWL_STYLE) & ES_READONLY) != 0;
  return {on(s.btnListFile),    TextOf(s.btnListFile->hwnd), on(s.btnProcess),
          on(s.btnSetWorkDir),  on(s.btnDeleteEmpty),        on(s.checkSubfolders),
          on(s.checkLyrics),    readOnly};
}

ControlStates RefreshStarted() { return {true, u"停止", false, false, false, false, false, true}; }

ControlStates ScanStoppedWithFiles() {
  return {false, u"刷新文件列表", false, false, false, false, false, false};
}

ControlStates TagReadingEnded(bool processOn) {
  return {true, u"刷新文件列表", processOn, true, true, true, true, false};
}

StatusTrail::StatusTrail() {
  activeTrail = this;
  hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
}

StatusTrail::~StatusTrail() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  activeTrail = nullptr;
}

LRESULT CALLBACK StatusTrail::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && activeTrail != nullptr && State().statusBar != nullptr &&
      call->hwnd == State().statusBar->hwnd && call->message == SB_SETTEXTW) {
    activeTrail->entries_.push_back(
        {platform::FromWide(reinterpret_cast<const wchar_t*>(call->lParam)),
         CurrentControlStates()});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::u16string> StatusTrail::After(const std::u16string& prefix) const {
  std::vector<std::u16string> found;
  for (const Entry& entry : entries_) {
    if (entry.text.compare(0, prefix.size(), prefix) == 0) found.push_back(entry.text.substr(prefix.size()));
  }
  return found;
}

int StatusTrail::Count(const std::u16string& text) const {
  int count = 0;
  for (const Entry& entry : entries_) count += entry.text == text ? 1 : 0;
  return count;
}

void ListingTest::TearDown() {
  SetFolderBrowserForTest(nullptr);
  MainWindowTest::TearDown();
}

void ListingTest::ChooseFolder(const std::u16string& path) {
  folderToChoose = path;
  SetFolderBrowserForTest(ChooseGivenFolder);
  SendMessageW(State().btnSetWorkDir->hwnd, BM_CLICK, 0, 0);
}

bool ListingTest::WaitForListing(DWORD maxMilliseconds) {
  const MainWindowState& s = State();
  return PumpUntil([&s] {
    return !s.scanThread && !s.tagThread && StatusText().rfind(u"共找到 ", 0) == 0;
  }, maxMilliseconds);
}

bool ListingTest::RunUntilScanDoneHandled() {
  const MainWindowState& s = State();
  if (!s.scanThread || WaitForSingleObject(s.scanThread.get(), 20000) != WAIT_OBJECT_0) return false;
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&message);
    if (message.message == WM_SCAN_DONE) return true;
  }
  return false;
}

bool ListingTest::RunSentMessagesUntil(const std::function<bool()>& condition,
                                       DWORD maxMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + maxMilliseconds;
  for (;;) {
    MSG ignored;
    PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_SENDMESSAGE, 0);
  }
}

void ListingTest::ListPaths(const std::vector<std::u16string>& paths) {
  // Under Wine a list that repaints after every added row takes seconds for a thousand.
  const RedrawHeld held(State().listFile->hwnd);
  for (const std::u16string& path : paths) {
    ASSERT_TRUE(State().listFile->AddRow(0, {path}));
    ++State().filesFound;
  }
}

void ListingTest::StartTagReading() { State().tagThread = StartWorker(TagThreadProc); }

std::vector<std::u16string> ListingTest::Column(int column) const {
  std::vector<std::u16string> texts;
  const CorvaneWnd::CListFile& list = *State().listFile;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetWholeItemText(row, column));
  return texts;
}

void ListingTest::ExpectRowsMatchTable() const {
  const std::vector<std::u16string> titles = Column(1);
  ASSERT_EQ(Tracks().Size(), titles.size());
  for (std::size_t row = 0; row < titles.size(); ++row) {
    const auto entry = Tracks().Get(row);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->title.value_or(u""), titles[row]) << "row " << row;
  }
}

BrowseSeen LastBrowse() { return lastBrowse; }
