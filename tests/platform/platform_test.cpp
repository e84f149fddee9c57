#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/folder.h"
#include "platform/long_path.h"
#include "platform/move.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace {

using test_support::TempFolder;

// Where the ANSI code page is 936, as on our users' systems: GBK texts stay
// GBK, extension characters and mixed texts included; Latin-1 names that
// cannot be GBK read as Windows-1252.
TEST(AnsiToUtf16, KeepsGbkAndReadsWesternNamesAsWindows1252) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"", u""},
      {"Gounod: Faust", u"Gounod: Faust"},
      {"\xB2\xE2\xCA\xD4", u"\u6D4B\u8BD5"},
      {"\x86\xB4", u"\u5586"},
      {"\xCC\xD5\x86\xB4", u"\u9676\u5586"},
      {"\xD6\xEC\xE9"
       "F\xBB\xF9",
       u"\u6731\u9555\u57FA"},
      {"\xE9"
       "F",
       u"\u9555"},
      {"Hello\xB4\xF3\xBC\xD2\xBA\xC3", u"Hello\u5927\u5BB6\u597D"},
      {"DJ \x86\xB4", u"DJ \u5586"},
      {"\xD6\xDC\xBD\xDC\xC2\xD7", u"\u5468\u6770\u4F26"},
      {"\xCD\xF5\xB7\xC6 - \xBA\xEC\xB6\xB9", u"\u738B\u83F2 - \u7EA2\u8C46"},
      {"Beyond \xB9\xE2\xBB\xD4\xCB\xEA\xD4\xC2", u"Beyond \u5149\u8F89\u5C81\u6708"},
      {"F.I.R.\xB7\xC9\xB6\xF9\xC0\xD6\xCD\xC5", u"F.I.R.\u98DE\u513F\u4E50\u56E2"},
      {"\xCE\xE9\xB0\xDB & China Blue", u"\u4F0D\u4F70 & China Blue"},
      {"Twins \xC1\xB5\xB0\xAE\xB4\xF3\xB9\xFD\xCC\xEC", u"Twins \u604B\u7231\u5927\u8FC7\u5929"},
      {"\xD0\xED\xCE\xA1", u"\u8BB8\u5DCD"},
      {"M\xF6tley Cr\xFC"
       "e",
       u"M\u00F6tley Cr\u00FCe"},
      {"M\xFCller", u"M\u00FCller"},
      {"Am\xE9lie", u"Am\u00E9lie"},
      {"Caf\xE9 del Mar", u"Caf\u00E9 del Mar"},
      {"Bj\xF6rk", u"Bj\u00F6rk"},
      {"Sigur R\xF3s", u"Sigur R\u00F3s"},
      {"Beyonc\xE9", u"Beyonc\u00E9"},
      {"Mot\xF6rhead", u"Mot\u00F6rhead"},
      {"Fran\xE7oise Hardy", u"Fran\u00E7oise Hardy"},
      {"Se\xF1or Coconut", u"Se\u00F1or Coconut"},
      {"H\xE4ndel: Messias", u"H\u00E4ndel: Messias"},
      {"Saint-Sa\xEBns", u"Saint-Sa\u00EBns"},
      {"Faur\xE9: Requiem", u"Faur\u00E9: Requiem"},
      {"\xC9"
       "dith Piaf",
       u"\u00C9dith Piaf"},
      {"Die \xC4rzte", u"Die \u00C4rzte"},
      {"Sin\xE9"
       "ad O'Connor",
       u"Sin\u00E9ad O'Connor"},
      {"Chopin: \xC9tudes", u"Chopin: \u00C9tudes"},
      {"\xD3lafur Arnalds", u"\u00D3lafur Arnalds"},
      {"Price \x80"
       "5",
       u"Price \u20AC5"},
      // Traditional characters whose trail bytes are ASCII letters.
      {"\xB0l\xB9\xE2\xB6\xFE\x98O\xF3w", u"\u767C\u5149\u4E8C\u6975\u9AD4"},
      {"\xFCh\x86T\xD7"
       "C",
       u"\u9EE8\u54E1\u8B49"},
      {"\xBEZ\xF8P", u"\u7DB5\u9CF3"},
      // Chinese beside Latin words.
      {"Love\xC5"
       "c\xC4\xE3",
       u"Love\u8207\u4F60"},
      {"Ver\x9Fo\xA0\xBF\x9Fo\x92\xECRock", u"Ver\u7121\u727D\u7121\u639BRock"},
      {"Hey\xB7N\xD7\xE5\xB8\xF4\xEBxStar", u"Hey\u7A2E\u65CF\u9694\u96E2Star"},
      {"\xC5R\x99"
       "C\xD6\xC6\xD7\x83 - Blue Song",
       u"\u81E8\u6A5F\u5236\u8B8A - Blue Song"},
      // A full ID3v1 field that cut its last character in half.
      {"1 \xD6\xDC\xBD\xDC\xC2\xD7 - \xC6\xDF\xC0\xEF\xCF\xE3 "
       "(\xCF\xD6\xB3\xA1\xCD\xEA\xD5\xFB\xB0\xE6\xB1",
       u"1 \u5468\u6770\u4F26 - \u4E03\u91CC\u9999 (\u73B0\u573A\u5B8C\u6574\u7248"},
      {"\xD6\xD0\xB9\xFA\x80", u"\u4E2D\u56FD\u20AC"},
      // Pairs of accented letters that Western words hold.
      {"Can\xE7\xE3o", u"Can\u00E7\u00E3o"},
      {"Stra\xDF"
       "e gem\xE4\xDF",
       u"Stra\u00DFe gem\u00E4\u00DF"},
      {"th\xE9\xE2tre", u"th\u00E9\u00E2tre"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::AnsiToUtf16(reinterpret_cast<const unsigned char*>(c.bytes.data()),
                                    c.bytes.size()),
              c.text)
        << c.bytes;
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
