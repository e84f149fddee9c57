#include "listing_fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "platform/redraw_held.h"
#include "platform/text.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/listing/listing_end.h"
#include "ui/state/rows.h"
#include "ui/state/window_messages.h"
#include "ui/state/workers.h"

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
  State().browseForFolder = SHBrowseForFolderW;
  MainWindowTest::TearDown();
}

void ListingTest::ChooseFolder(const std::u16string& path) {
  folderToChoose = path;
  State().browseForFolder = ChooseGivenFolder;
  SendMessageW(State().btnSetWorkDir->hwnd, BM_CLICK, 0, 0);
}

bool ListingTest::WaitForListing(DWORD maxMilliseconds) {
  const MainWindowState& s = State();
  return PumpUntil(
      [&s] {
        return !SlotOf(Worker::Scan).thread && !SlotOf(Worker::Tags).thread &&
               StatusText().rfind(u"共找到 ", 0) == 0;
      },
      maxMilliseconds);
}

bool ListingTest::RunUntilScanDoneHandled() {
  if (!SlotOf(Worker::Scan).thread ||
      WaitForSingleObject(SlotOf(Worker::Scan).thread.get(), 20000) != WAIT_OBJECT_0)
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

void ListingTest::ListPaths(const std::vector<std::u16string>& paths) { AddFileRows(paths); }

void ListingTest::StartTagReading() { ::StartTagReading(true); }

std::vector<std::u16string> ListingTest::Column(int column) const {
  std::vector<std::u16string> texts;
  const CCorvaneList& list = *State().listFile;
  for (int row = 0; row < list.GetItemCount(); ++row)
    texts.push_back(list.GetWholeItemText(row, column));
  return texts;
}

void ListingTest::ExpectRowsMatchTable() const {
  const std::vector<std::u16string> titles = Column(1);
  ASSERT_EQ(Tracks().TaggedCount(), titles.size());
  for (std::size_t row = 0; row < titles.size(); ++row) {
    const auto entry = Tracks().Get(row);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->title.value_or(u""), titles[row]) << "row " << row;
  }
}

BrowseSeen LastBrowse() { return lastBrowse; }

void DeleteAndClear::SetUp() {
  ListingTest::SetUp();
  ListPaths({u"D:\\m\\0.mp3", u"D:\\m\\1.mp3", u"D:\\m\\2.mp3", u"D:\\m\\3.mp3"});
  // Rows 0 to 2 have been read; row 3 not yet.
  std::size_t row = 0;
  for (const char16_t* title : {u"0", u"1", u"2"})
    Tracks().SetTags(row++, {title, u"A", u"L"}, u"");
  EnableWindow(State().btnProcess->hwnd, TRUE);
}

void DeleteAndClear::ClickDeleteEmpty() { ClickButton(State().btnDeleteEmpty->hwnd); }

void ClickButton(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void Drop(const std::vector<std::u16string>& paths) {
  std::u16string names;
  for (const std::u16string& path : paths) names += path + u'\0';
  names += u'\0';
  const std::size_t bytes = names.size() * sizeof(char16_t);
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), bytes);
  GlobalUnlock(memory);
  SendMessageW(State().mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void SelectRows(const std::vector<int>& rows) {
  for (int row : rows) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(State().listFile->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
  }
}
