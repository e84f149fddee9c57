#include <gtest/gtest.h>

#include <string>

#include "tags/legacy_text.h"
#include "tags/script_plausibility.h"

namespace {

// Where the ANSI code page is 936, as on our users' systems: GBK texts stay
// GBK, extension characters and mixed texts included; Latin-1 names that
// cannot be GBK read as Windows-1252; Big5, Shift-JIS and UTF-8 texts that
// read clearly better so than as GBK read as Big5, Shift-JIS and UTF-8.
// Other code pages weigh the same readings and keep their own where they
// weigh alike.
TEST(DecodeInLikeliestEncoding, KeepsGbkAndReadsWesternBig5ShiftJisAndUtf8Texts) {
  const struct {
    std::string bytes;
    std::u16string text;
    unsigned codePage = 936;
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
      // A one-letter accented word at the end is no cut character.
      {"O Que \xC9", u"O Que \u00C9"},
      {"Dov'\xE8", u"Dov'\u00E8"},
      {"C'\xE8", u"C'\u00E8"},
      {"Ela \xE9", u"Ela \u00E9"},
      {"\xE0", u"\u00E0"},
      {"Jusqu'\xE0", u"Jusqu'\u00E0"},
      {"\xC9t\xE9", u"\u00C9t\u00E9"},
      // Marks that open or join Latin words: an inverted mark, quotes, an
      // apostrophe.
      {"\xBFQui\xE9n Sabe", u"\u00BFQui\u00E9n Sabe"},
      {"\xBFQu\xE9", u"\u00BFQu\u00E9"},
      {"\xBF"
       "Es Verdad?",
       u"\u00BF"
       "Es Verdad?"},
      {"\xA1"
       "Ay",
       u"\u00A1"
       "Ay"},
      {"\xBF"
       "D\xF3nde",
       u"\u00BF"
       "D\u00F3nde"},
      {"Die \xBBKosten\xAB", u"Die \u00BBKosten\u00AB"},
      {"L\x92"
       "amour",
       u"L\u2019"
       "amour"},
      {"Non, Je Ne Regrette Rien\x85", u"Non, Je Ne Regrette Rien\u2026"},
      // A two-letter word that starts with an accented capital.
      {"\xC0s Vezes", u"\u00C0s Vezes"},
      {"\xC1s de Copas", u"\u00C1s de Copas"},
      {"Sin \xE9l", u"Sin \u00E9l"},
      {"\xC7"
       "a Plane Pour Moi",
       u"\u00C7"
       "a Plane Pour Moi"},
      // Big5 and Shift-JIS where they read as the commoner text; GBK where
      // its reading is as common as theirs: B8C9 B5F9 is 干爹 in GBK and
      // 補註 in Big5.
      {"\xA9P\xAAN\xAD\xDB", u"\u5468\u6770\u502B"},
      {"\xB1i\xBE\xC7\xA4\xCD - \xA7k\xA7O", u"\u5F35\u5B78\u53CB - \u543B\u5225"},
      {"\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4", u"\u3042\u308A\u304C\u3068\u3046"},
      {"\xB8\xC9\xB5\xF9", u"\u5E72\u7239"},
      {"12 \xA9P\xAAN\xAD\xDB - \xA4"
       "C\xA8\xBD\xAD\xBB \xB2{\xB3\xF5\xA7\xB9\xBE\xE3\xAA\xA9\xA5",
       u"12 \u5468\u6770\u502B - \u4E03\u91CC\u9999 \u73FE\u5834\u5B8C\u6574\u7248"},
      {"Jay \xA9P\xAAN\xAD\xDB", u"Jay \u5468\u6770\u502B"},
      {"Love \x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4", u"Love \u3042\u308A\u304C\u3068\u3046"},
      {"Twins \xB8\xC9\xB5\xF9", u"Twins \u5E72\u7239"},
      // Two common characters read either way: the reading whose neighbours
      // make a written word. 寂寞 and 眼淚 read as 盜规 and 泊瞈 in GBK.
      {"\xB1I\xB9\xE6", u"\u5BC2\u5BDE"},
      {"Love \xBF\xF2\xBE\xD1", u"Love \u907A\u61BE"},
      {"\xB2\xB4\xB2\\Rain", u"\u773C\u6DDARain"},
      {"Live in Hong Kong 04: \xB2\xB4\xB2\\ \xB7\xC5\xAC",
       u"Live in Hong Kong 04: \u773C\u6DDA \u6EAB"},
      // GBK's words against common kanji (嫋嫋婷婷, not 許許貪貪), against a
      // katakana letter alone (擡價, not 忍ビ), and a character doubled, which
      // makes no word of its own (仇仇, not 喫喫).
      {"\x8B\x96\x8B\x96\xE6\xC3\xE6\xC3", u"\u5ACB\u5ACB\u5A77\u5A77"},
      {"\x94"
       "E\x83r",
       u"\u64E1\u50F9"},
      {"Live \x94"
       "E\x83r",
       u"Live \u64E1\u50F9"},
      {"\xB3\xF0\xB3\xF0", u"\u4EC7\u4EC7"},
      // UTF-8 where the tag claims the legacy encoding: Chinese, Japanese,
      // Western words, beside ASCII words.
      {"\xE6\x99\xB4\xE5\xA4\xA9", u"\u6674\u5929"},
      {"\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\xE3\x81\xAE\xE3\x82\xBF\xE3"
       "\x82\xA4\xE3\x83\x88\xE3\x83\xAB",
       u"\u30B5\u30F3\u30D7\u30EB\u306E\u30BF\u30A4\u30C8\u30EB"},
      {"Beyonc\xC3\xA9", u"Beyonc\u00E9"},
      {"probl\xC3\xA8mes", u"probl\u00E8mes"},
      {"Fran\xC3\xA7oise Hardy", u"Fran\u00E7oise Hardy"},
      {"Jay \xE5\x91\xA8\xE6\x9D\xB0\xE4\xBC\xA6", u"Jay \u5468\u6770\u4F26"},
      // A full ID3v1 field that cut a UTF-8 sequence: the cut tail is dropped.
      {"1 \xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\xE3\x81\xAE\xE3\x82\xA2\xE3"
       "\x83\xBC\xE3\x83\x86\xE3\x82\xA3\xE3",
       u"1 \u30B5\u30F3\u30D7\u30EB\u306E\u30A2\u30FC\u30C6\u30A3"},
      // GBK texts whose bytes are valid UTF-8 by chance: 小说 would be
      // "СË", 茅 "é".
      {"\xD0\xA1\xCB\xB5", u"\u5C0F\u8BF4"},
      {"\xC3\xA9", u"\u8305"},
      // The code page given decides where the readings weigh alike: 東京
      // in Shift-JIS and 築路 in Big5 read as GBK on 936, as themselves on
      // 932 and 950; GBK is weighed on every code page.
      {"\x93\x8C\x8B\x9E", u"\u6436\u5AD7"},
      {"\x93\x8C\x8B\x9E", u"\u6771\u4EAC", 932},
      {"\xBF\x76\xB8\xF4", u"\u7E31\u9694"},
      {"\xBF\x76\xB8\xF4", u"\u7BC9\u8DEF", 950},
      {"\xD6\xD0\xCE\xC4", u"\u4E2D\u6587", 950},
      {"\xD6\xD0\xCE\xC4", u"\u4E2D\u6587", 932},
      {"\xD6\xD0\xCE\xC4", u"\u4E2D\u6587", 1252},
      {"M\xFCller", u"M\u00FCller", 1252},
      {"\xD6\xD0\xCE\xC4", u"\u4E2D\u6587", 65001},
      {"\xC3\xA9", u"\u00E9", 65001},
      {"\xE6\x99\xB4\xE5\xA4\xA9", u"\u6674\u5929", 65001},
      // Any other code page keeps its own reading where nothing else reads
      // clearly better: Cyrillic in 1251.
      {"\xCF\xF0\xE8\xE2\xE5\xF2", u"\u041F\u0440\u0438\u0432\u0435\u0442", 1251},
      {"\xD6\xDC\xBD\xDC\xC2\xD7", u"\u5468\u6770\u4F26", 1251},
      {"\xE6\x99\xB4\xE5\xA4\xA9", u"\u6674\u5929", 1251},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        tags::DecodeInLikeliestEncoding(reinterpret_cast<const unsigned char*>(c.bytes.data()),
                                        c.bytes.size(), c.codePage),
        c.text)
        << c.bytes << " on " << c.codePage;
  }
}

// Written words in either script, in their order; the first and the last
// character the table groups by (一, 龟) keep their seconds.
TEST(IsWordPair, HoldsWrittenWordsInEitherScriptInTheirOrder) {
  const struct {
    const char16_t* pair;
    bool written;
  } cases[] = {
      {u"\u5BC2\u5BDE", true},   // 寂寞
      {u"\u773C\u6DDA", true},   // 眼淚
      {u"\u773C\u6CEA", true},   // 眼泪
      {u"\u907A\u61BE", true},   // 遺憾
      {u"\u9057\u61BE", true},   // 遗憾
      {u"\u4E00\u500B", true},   // 一個
      {u"\u4E00\u4E01", true},   // 一丁
      {u"\u9F9F\u4E61", true},   // 龟乡
      {u"\u9F9F\u9F9F", true},   // 龟龟
      {u"\u5BDE\u5BC2", false},  // 寞寂
      {u"\u76DC\u89C4", false},  // 盜规, 寂寞 in Big5 read as GBK
      {u"\u6CCA\u77AC", false},  // 泊瞈, 眼淚 likewise
      {u"\u4EC7\u4EC7", false},  // 仇仇
      {u"\u3042\u308A", false},  // あり
      {u"\u9FA5\u4E00", false},  // a first character no word starts with
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tags::IsWordPair(c.pair[0], c.pair[1]), c.written)
        << std::hex << unsigned(c.pair[0]) << " " << unsigned(c.pair[1]);
  }
}

}  // namespace
