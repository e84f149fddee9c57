#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/folder.h"
#include "platform/long_path.h"
#include "platform/move.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace {

using test_support::TempFolder;

// Big5 and Shift-JIS as Windows reads them (code pages 950 and 932): the
// euro sign and box drawing that plain Big5 lacks, 0x5C as the backslash,
// the NEC circled digits, half-width katakana.
TEST(FromCodePage, ReadsBig5AndShiftJisAsWindowsDoes) {
  const struct {
    unsigned codePage;
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {platform::kCodePageBig5, "\xA4\xA4\xA4\xE5", u"\u4E2D\u6587"},
      {platform::kCodePageBig5, "\xA3\xE1\xF9\xFE", u"\u20AC\u2593"},
      {platform::kCodePageShiftJis, "\x93\xFA\x96\x7B\x82\xA0", u"\u65E5\u672C\u3042"},
      {platform::kCodePageShiftJis, "\\\x87\x40\xB1", u"\\\u2460\uFF71"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        platform::FromCodePage(c.codePage, reinterpret_cast<const unsigned char*>(c.bytes.data()),
                               c.bytes.size()),
        c.text)
        << c.codePage;
  }
}

TEST(Utf8, RoundTripsAndReplacesBadInput) {
  const std::u16string text = u"a\u00e9\u6d4b\U0001F600";
  EXPECT_EQ(platform::Utf8ToUtf16(platform::Utf16ToUtf8(text)), text);
  EXPECT_EQ(platform::Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(platform::Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(platform::Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");
  // A path is taken whole: one with a NUL inside must not open a shorter one.
  EXPECT_EQ(platform::Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(ReadOnlyFile, ReadsByChinesePathAndStopsAtTheEnd) {
  TempFolder folder;
  const std::u16string path = folder.Write(u"歌曲 测试.mp3", {1, 2, 3, 4, 5});
  platform::ReadOnlyFile file(path);
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Size(), 5);
  unsigned char buffer[8] = {};
  EXPECT_EQ(file.ReadAt(3, buffer, sizeof buffer), 2u);
  EXPECT_EQ(buffer[0], 4);
  EXPECT_EQ(file.ReadAt(5, buffer, sizeof buffer), 0u);
  EXPECT_EQ(file.ReadAt(1000, buffer, sizeof buffer), 0u);

  EXPECT_FALSE(platform::ReadOnlyFile(folder.Path(u"missing.mp3")).IsOpen());
  EXPECT_FALSE(platform::ReadOnlyFile(folder.Path()).IsOpen());
  EXPECT_FALSE(platform::ReadOnlyFile(path + u'\0' + u"x").IsOpen());
}

TEST(ListFolder, ReportsFilesAndFolders) {
  TempFolder folder;
  folder.Write(u"a.mp3", {1});
  folder.MakeFolder(u"子文件夹");
  std::vector<std::pair<std::u16string, bool>> seen;
  ASSERT_TRUE(platform::ListFolder(folder.Path(), [&](const platform::FolderEntry& entry) {
    if (entry.name != u"." && entry.name != u"..") seen.emplace_back(entry.name, entry.isFolder);
    EXPECT_FALSE(entry.isLink);
    return true;
  }));
  std::sort(seen.begin(), seen.end());
  const std::vector<std::pair<std::u16string, bool>> expected = {{u"a.mp3", false},
                                                                 {u"子文件夹", true}};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(platform::ListFolder(folder.Path(u"missing"),
                                    [](const platform::FolderEntry&) { return true; }));
}

TEST(MoveWithoutReplacing, NeverReplacesAnExistingFile) {
  TempFolder folder;
  const std::u16string a = folder.Write(u"a.mp3", {'a'});
  const std::u16string b = folder.Write(u"b.mp3", {'b'});
  EXPECT_EQ(platform::MoveWithoutReplacing(a, b), platform::MoveResult::NameTaken);
  EXPECT_EQ(folder.Read(u"a.mp3"), std::vector<unsigned char>{'a'});
  EXPECT_EQ(folder.Read(u"b.mp3"), std::vector<unsigned char>{'b'});

  EXPECT_EQ(platform::MoveWithoutReplacing(a, folder.Path(u"新 名字.mp3")),
            platform::MoveResult::Moved);
  EXPECT_EQ(folder.Read(u"新 名字.mp3"), std::vector<unsigned char>{'a'});
  EXPECT_EQ(platform::MoveWithoutReplacing(a, folder.Path(u"c.mp3")), platform::MoveResult::Failed);
  EXPECT_EQ(platform::MoveWithoutReplacing(
                b, folder.Path(u"no such folder") + platform::kPathSeparator + u"x.mp3"),
            platform::MoveResult::Failed);
  const std::vector<std::u16string> names = {u"b.mp3", u"新 名字.mp3"};
  EXPECT_EQ(folder.Names(), names);
}

#ifdef _WIN32
TEST(LongPath, TakesTheLiteralFormForEveryFullPathItCarriesAsItIs) {
  const std::u16string deep = u"\\" + std::u16string(260, u'd');
  struct Case {
    std::u16string path;
    std::wstring expected;
  };
  const std::wstring wideDeep(deep.begin(), deep.end());
  const Case cases[] = {
      // Short or long, a full path keeps every character of every step: a
      // trailing dot or blank that the plain form would strip stays.
      {u"C:\\short\\a.mp3", L"\\\\?\\C:\\short\\a.mp3"},
      {u"C:\\Music\\Harry Connick Jr.\\a.mp3", L"\\\\?\\C:\\Music\\Harry Connick Jr.\\a.mp3"},
      {u"C:\\Live \\a.mp3 ", L"\\\\?\\C:\\Live \\a.mp3 "},
      {u"C:\\...And Justice", L"\\\\?\\C:\\...And Justice"},
      {u"C:\\", L"\\\\?\\C:\\"},
      {u"C:" + deep, L"\\\\?\\C:" + wideDeep},
      {u"C:/x" + deep, L"\\\\?\\C:\\x" + wideDeep},
      {u"C:/Music/Jr./a.mp3", L"\\\\?\\C:\\Music\\Jr.\\a.mp3"},
      {u"\\\\server\\share\\Jr.\\a.mp3", L"\\\\?\\UNC\\server\\share\\Jr.\\a.mp3"},
      {u"//server/share/a.mp3", L"\\\\?\\UNC\\server\\share\\a.mp3"},
      {u"\\\\server\\share" + deep, L"\\\\?\\UNC\\server\\share" + wideDeep},
      // The literal form would take these steps literally: they stay as they are.
      {u"C:\\x\\..\\y" + deep, L"C:\\x\\..\\y" + wideDeep},
      {u"C:\\x\\.\\y", L"C:\\x\\.\\y"},
      {u"C:\\x\\..", L"C:\\x\\.."},
      {u"C:/x/../y", L"C:/x/../y"},
      {u"relative" + deep, L"relative" + wideDeep},
      {u"a.mp3", L"a.mp3"},
      {u"C:a.mp3", L"C:a.mp3"},
      {u"C:", L"C:"},
      {u"\\Music\\a.mp3", L"\\Music\\a.mp3"},
      // Already literal, or a device.
      {u"\\\\?\\C:" + deep, L"\\\\?\\C:" + wideDeep},
      {u"\\\\?\\C:\\Jr.", L"\\\\?\\C:\\Jr."},
      {u"\\\\.\\COM1", L"\\\\.\\COM1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::LongPath(c.path), c.expected)
        << platform::Utf16ToUtf8(c.path.substr(0, 40));
  }
}
#endif

}  // namespace
