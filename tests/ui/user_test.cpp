// Corvane.exe driven from another process as a user drives it: "..." and
// the real folder browser, the summary in the status bar, the rows of the
// list, a name style typed into its box, the renaming, the files on disk.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/corvane_process.h"
#include "support/id3_builder.h"
#include "support/remote_controls.h"
#include "support/tagged_files.h"

namespace {

namespace fs = std::filesystem;
using test_support::Bytes;

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A folder on the Desktop, where the folder browser starts, removed afterwards.
class DesktopFolder {
 public:
  explicit DesktopFolder(const std::wstring& name) {
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    path_ = fs::path(desktop) / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~DesktopFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::set<std::wstring> NamesIn(const fs::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().wstring());
  return names;
}

// "..." opens the folder browser; picks the named folder on the Desktop in
// it and confirms, as a user does.
void ChooseFolder(const CorvaneProcess& corvane, const RemoteControls& remote, HWND chooseFolder,
                  const std::wstring& folderName) {
  PostMessageW(chooseFolder, BM_CLICK, 0, 0);
  HWND browser = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (browser = FindTopLevel(corvane.id(), L"#32770", nullptr)) != nullptr;
  })) << "no folder browser";
  const HWND tree = FindChild(browser, WC_TREEVIEWW, nullptr);
  ASSERT_NE(tree, nullptr);
  HTREEITEM item = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        const auto root =
            reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        return root != nullptr &&
               (item = remote.FindTreeItem(tree, root, folderName, 2)) != nullptr;
      },
      20000))
      << "the folder is not in the browser's tree";
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(browser, IDOK)));
}

std::wstring FolderNameForThisRun(const wchar_t* what) {
  return std::wstring(L"Corvane ") + what + L" " + std::to_wstring(GetCurrentProcessId());
}

// Corvane started for each test, its window and list found.
class CorvaneUser : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(corvane.started()) << "cannot start Corvane.exe";
    window = corvane.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    list = FindChild(window, L"SysListView32", L"listFileLeft");
    ASSERT_NE(list, nullptr);
  }

  CorvaneProcess corvane;
  RemoteControls remote{corvane.handle()};
  HWND window = nullptr;
  HWND list = nullptr;
};

TEST_F(CorvaneUser, ChoosesAFolderWatchesItFillAndRenamesItsFiles) {
  const std::wstring folderName = FolderNameForThisRun(L"用户测试");
  DesktopFolder folder(folderName);
  WriteFile(folder.path() / L"01.mp3", Tagged(u"夜曲", u"乐队甲", u"专辑"));
  WriteFile(folder.path() / L"02.mp3", WithId3v1(Untagged(), "Song", "Band", "Album"));
  WriteFile(folder.path() / L"03.mp3", test_support::FakeAudio(512));  // no tag: dropped
  WriteFile(folder.path() / L"04.mp3", Tagged(u"夜曲", u"乐队甲", u"另一张"));

  const HWND statusBar = FindChild(window, STATUSCLASSNAMEW, nullptr);
  const HWND chooseFolder = FindChild(window, L"Button", L"...");
  const HWND process = FindChild(window, L"Button", L"开始重命名!");
  const HWND nameStyle = FindChild(window, L"Edit", L"%title% - %artist%");
  ASSERT_NE(statusBar, nullptr);
  ASSERT_NE(chooseFolder, nullptr);
  ASSERT_NE(process, nullptr);
  ASSERT_NE(nameStyle, nullptr);

  ChooseFolder(corvane, remote, chooseFolder, folderName);
  if (HasFatalFailure()) return;

  const std::wstring listed = L"共找到 4 个MP3文件, 成功读取 3 个ID3标签.";
  ASSERT_TRUE(WaitUntil([&] { return remote.StatusText(statusBar) == listed; }))
      << "status bar: " << fs::path(remote.StatusText(statusBar)).u8string();
  const HWND workDir = FindChild(window, L"Edit", folder.path().wstring().c_str());
  EXPECT_NE(workDir, nullptr) << "the chosen folder is not in the working-directory box";

  ASSERT_EQ(remote.ListRowCount(list), 3);
  std::set<std::wstring> rows;
  for (int row = 0; row < 3; ++row) {
    rows.insert(fs::path(remote.ListCell(list, row, 0)).filename().wstring() + L"|" +
                remote.ListCell(list, row, 1) + L"|" + remote.ListCell(list, row, 2));
  }
  EXPECT_EQ(rows, (std::set<std::wstring>{L"01.mp3|夜曲|未修改", L"02.mp3|Song|未修改",
                                          L"04.mp3|夜曲|未修改"}));
  EXPECT_TRUE(IsWindowEnabled(process));

  // A new style typed into the box, then a key release to check it.
  SendMessageW(nameStyle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  for (wchar_t c : std::wstring(L"%artist% - %title%")) PostMessageW(nameStyle, WM_CHAR, c, 1);
  PostMessageW(nameStyle, WM_KEYUP, 'E', static_cast<LPARAM>(0xC0000001));
  ASSERT_TRUE(WaitUntil([&] { return WindowTextOf(nameStyle) == L"%artist% - %title%"; }));

  PostMessageW(process, BM_CLICK, 0, 0);
  const std::wstring renamed = L"共尝试重命名 3 个MP3文件, 成功重命名 3 个MP3文件.";
  ASSERT_TRUE(WaitUntil([&] {
    return remote.StatusText(statusBar) == renamed && WindowTextOf(process) == L"开始重命名!";
  })) << "status bar: "
      << fs::path(remote.StatusText(statusBar)).u8string();

  EXPECT_EQ(NamesIn(folder.path()),
            (std::set<std::wstring>{L"乐队甲 - 夜曲.mp3", L"乐队甲 - 夜曲 - 拷贝 (1).mp3",
                                    L"Band - Song.mp3", L"03.mp3"}));
  std::set<std::wstring> statuses;
  for (int row = 0; row < 3; ++row) {
    const std::wstring path = remote.ListCell(list, row, 0);
    EXPECT_TRUE(fs::exists(path)) << "row " << row << " names a file that is not there";
    statuses.insert(fs::path(path).filename().wstring() + L"|" + remote.ListCell(list, row, 2));
  }
  EXPECT_EQ(statuses, (std::set<std::wstring>{L"乐队甲 - 夜曲.mp3|已修改",
                                              L"乐队甲 - 夜曲 - 拷贝 (1).mp3|已拷贝",
                                              L"Band - Song.mp3|已修改"}));

  // Ctrl+Z typed on the keyboard asks whether to undo, and a no keeps the new
  // names; the list's context menu, opened with the menu key, then undoes.
  const auto answerQuestion = [&](int answer) {
    HWND question = nullptr;
    if (!WaitUntil([&] {
          return (question = FindTopLevel(corvane.id(), L"#32770", L"提示")) != nullptr;
        })) {
      return std::wstring(L"(no question)");
    }
    const std::wstring text = WindowTextOf(GetDlgItem(question, 0xFFFF));
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(question, answer)));
    WaitUntil([&] { return !IsWindow(question); });
    return text;
  };
  const std::wstring question = L"确定要把上次重命名的 3 个文件恢复为原来的文件名吗?";
  SetForegroundWindow(window);
  INPUT keys[4] = {};
  const WORD strokes[4] = {VK_CONTROL, 'Z', 'Z', VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = strokes[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  EXPECT_EQ(answerQuestion(IDNO), question);
  PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (menu = FindTopLevel(corvane.id(), L"#32768", nullptr)) != nullptr;
  })) << "no context menu";
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(answerQuestion(IDYES), question);
  const std::wstring undone = L"共尝试恢复 3 个MP3文件, 成功恢复 3 个MP3文件.";
  ASSERT_TRUE(WaitUntil([&] {
    return remote.StatusText(statusBar) == undone && WindowTextOf(process) == L"开始重命名!";
  })) << "status bar: "
      << fs::path(remote.StatusText(statusBar)).u8string();
  EXPECT_EQ(NamesIn(folder.path()),
            (std::set<std::wstring>{L"01.mp3", L"02.mp3", L"03.mp3", L"04.mp3"}));
  for (int row = 0; row < 3; ++row) {
    EXPECT_TRUE(fs::exists(remote.ListCell(list, row, 0))) << "row " << row;
    EXPECT_EQ(remote.ListCell(list, row, 2), L"未修改") << "row " << row;
  }

  EXPECT_EQ(corvane.CloseAndWait(window), 0u);
}

TEST_F(CorvaneUser, ClosingTheWindowWhileTheListingRunsEndsTheProgramWithZero) {
  const std::wstring folderName = FolderNameForThisRun(L"关闭测试");
  DesktopFolder folder(folderName);
  // Enough files that their tags take a while to read after the first rows show.
  for (int i = 0; i < 2000; ++i) {
    WriteFile(folder.path() / (L"song " + std::to_wstring(i) + L".mp3"), Tagged(u"t", u"a", u"b"));
  }

  ChooseFolder(corvane, remote, FindChild(window, L"Button", L"..."), folderName);
  if (HasFatalFailure()) return;

  // The first rows are in, and the listing has far to go.
  const HWND statusBar = FindChild(window, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(statusBar, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return remote.ListRowCount(list) >= 3; }));
  ASSERT_EQ(remote.StatusText(statusBar).rfind(L"共找到", 0), std::wstring::npos)
      << "the listing was over before the close";
  EXPECT_EQ(corvane.CloseAndWait(window), 0u);
}

}  // namespace
