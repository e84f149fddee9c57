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

namespace {

std::u16string folderToChoose;
BrowseSeen lastBrowse{};

PIDLIST_ABSOLUTE WINAPI ChooseGivenFolder(LPBROWSEINFOW info) {
  lastBrowse = {info->hwndOwner, platform::FromWide(info->lpszTitle), info->ulFlags,
                info->pidlRoot != nullptr};
  return ILCreateFromPathW(Wide(folderToChoose));
}

}  // namespace

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
  return PumpUntil(
      [&s] { return !s.scanThread && !s.tagThread && StatusText().rfind(u"共找到 ", 0) == 0; },
      maxMilliseconds);
}

bool ListingTest::RunUntilScanDoneHandled() {
  const MainWindowState& s = State();
  if (!s.scanThread || WaitForSingleObject(s.scanThread.get(), 20000) != WAIT_OBJECT_0)
    return false;
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

void ListingTest::StartTagReading() { State().tagThread = StartRun(TagThreadProc, State().tagRun); }

std::vector<std::u16string> ListingTest::Column(int column) const {
  std::vector<std::u16string> texts;
  const CorvaneWnd::CListFile& list = *State().listFile;
  for (int row = 0; row < list.GetItemCount(); ++row)
    texts.push_back(list.GetWholeItemText(row, column));
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
