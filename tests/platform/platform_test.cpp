#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/file.h"
#include "platform/folder.h"
#include "platform/move.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace {

using test_support::TempFolder;

TEST(AnsiToUtf16, ReadsCodePage936) {
  // 测试 in GBK; ASCII passes through; a cut double-byte character gives '?'.
  const unsigned char gbk[] = {0xB2, 0xE2, 0xCA, 0xD4, 'A', 0xB2};
  EXPECT_EQ(platform::AnsiToUtf16(gbk, 5), u"测试A");
  EXPECT_EQ(platform::AnsiToUtf16(gbk, 6), u"测试A?");
  EXPECT_EQ(platform::AnsiToUtf16(gbk, 0), u"");
}

TEST(Utf8, RoundTripsAndReplacesBadInput) {
  const std::u16string text = u"a\u00e9\u6d4b\U0001F600";
  EXPECT_EQ(platform::Utf8ToUtf16(platform::Utf16ToUtf8(text)), text);
  EXPECT_EQ(platform::Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(platform::Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(platform::Utf8ToUtf16("\xC0\x80"), u"\uFFFD");
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
  const std::vector<std::pair<std::u16string, bool>> expected = {{u"a.mp3", false}, {u"子文件夹", true}};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(platform::ListFolder(folder.Path(u"missing"), [](const platform::FolderEntry&) { return true; }));
}

TEST(MoveWithoutReplacing, NeverReplacesAnExistingFile) {
  TempFolder folder;
  const std::u16string a = folder.Write(u"a.mp3", {'a'});
  const std::u16string b = folder.Write(u"b.mp3", {'b'});
  EXPECT_EQ(platform::MoveWithoutReplacing(a, b), platform::MoveResult::NameTaken);
  EXPECT_EQ(folder.Read(u"a.mp3"), std::vector<unsigned char>{'a'});
  EXPECT_EQ(folder.Read(u"b.mp3"), std::vector<unsigned char>{'b'});

  EXPECT_EQ(platform::MoveWithoutReplacing(a, folder.Path(u"新 名字.mp3")), platform::MoveResult::Moved);
  EXPECT_EQ(folder.Read(u"新 名字.mp3"), std::vector<unsigned char>{'a'});
  EXPECT_EQ(platform::MoveWithoutReplacing(a, folder.Path(u"c.mp3")), platform::MoveResult::Failed);
  EXPECT_EQ(platform::MoveWithoutReplacing(b, folder.Path(u"no such folder") + platform::kPathSeparator + u"x.mp3"),
            platform::MoveResult::Failed);
  const std::vector<std::u16string> names = {u"b.mp3", u"新 名字.mp3"};
  EXPECT_EQ(folder.Names(), names);
}

}  // namespace
