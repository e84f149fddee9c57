#include "tags/script_plausibility.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/codepage.h"
#include "tags/han_frequency.h"
#include "tags/han_pairs.h"

namespace tags {
namespace {

using Scores = std::array<signed char, 0x10000>;

// The weights are in halvings of frequency: a character of rank 2n weighs
// one less than one of rank n.
constexpr signed char kForeign = -8;
constexpr signed char kUnlisted = -6;     // a Han character rarer than the level it is in
constexpr signed char kSecondLevel = -3;  // in the second level of the script's standard
constexpr signed char kFirstLevel = -1;   // in its first level, past the 3,000 listed
constexpr signed char kJisLevel1 = 5;
constexpr signed char kKana = 6;

bool IsHan(char16_t unit) { return unit >= 0x4E00 && unit <= 0x9FFF; }

// Hiragana, katakana, the prolonged sound mark and the kana iteration marks;
// not the voicing marks or the middle dot.
bool IsKana(char16_t unit) {
  return (unit >= 0x3041 && unit <= 0x3096) || (unit >= 0x30A1 && unit <= 0x30FA) ||
         unit == 0x30FC || unit == 0x309D || unit == 0x309E || unit == 0x30FD || unit == 0x30FE;
}

// What a character that is neither Han nor kana says: marks and full-width
// forms every script sets say nothing; letters of other scripts and
// drawing signs are what wrong code pages give.
signed char OtherScore(char16_t unit) {
  if (IsHan(unit)) return kUnlisted;
  const bool foreign = (unit >= 0x00C0 && unit <= 0x024F) ||  // accented Latin, pinyin
                       (unit >= 0x0370 && unit <= 0x052F) ||  // Greek, Cyrillic
                       (unit >= 0x2500 && unit <= 0x25FF) ||  // box drawing, shapes
                       (unit >= 0x3100 && unit <= 0x312F) ||  // bopomofo
                       (unit >= 0x3300 && unit <= 0x33FF) ||  // squared units
                       (unit >= 0xAC00 && unit <= 0xD7AF) ||  // Hangul
                       (unit >= 0xFE10 && unit <= 0xFE6F) ||  // vertical and small forms
                       (unit >= 0xFF61 && unit <= 0xFF9F);    // half-width katakana
  return foreign ? kForeign : 0;
}

// 12 for the first character, one less each time the rank doubles.
void AddRanks(Scores& scores, const char16_t* byFrequency) {
  for (std::size_t rank = 0; byFrequency[rank] != 0; ++rank) {
    signed char score = 12;
    for (std::size_t r = rank + 1; r > 1 && score > 1; r /= 2) --score;
    signed char& slot = scores[byFrequency[rank]];
    slot = std::max(slot, score);
  }
}

// A level of a national standard, as the code page's byte pairs from
// firstLead to lastLead hold it (each pair converted on its own, so that
// an undefined one cannot shift the rest): its Han characters score at
// least as much as the level.
void AddLevel(Scores& scores, unsigned codePage, unsigned firstPair, unsigned lastPair,
              signed char score) {
  // GB2312 pairs have trail bytes from 0xA1 only, Big5 none in 0x7F-0xA0,
  // Shift-JIS none at 0x7F or past 0xFC.
  const bool gb2312 = codePage == platform::kCodePageGbk;
  const bool big5 = codePage == platform::kCodePageBig5;
  for (unsigned pair = firstPair; pair <= lastPair; ++pair) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(pair >> 8),
                                    static_cast<unsigned char>(pair & 0xFF)};
    const unsigned char trail = bytes[1];
    if (trail < (gb2312 ? 0xA1 : 0x40) || trail == 0x7F || trail > (gb2312 || big5 ? 0xFE : 0xFC) ||
        (big5 && trail > 0x7E && trail < 0xA1)) {
      continue;
    }
    const std::u16string unit = platform::FromCodePage(codePage, bytes, 2);
    if (unit.size() == 1 && IsHan(unit[0])) scores[unit[0]] = std::max(scores[unit[0]], score);
  }
}

Scores Base() {
  Scores scores{};
  for (std::size_t unit = 0; unit < scores.size(); ++unit) {
    scores[unit] = OtherScore(static_cast<char16_t>(unit));
  }
  return scores;
}

Scores Make(Script script) {
  Scores scores = Base();
  switch (script) {
    case Script::SimplifiedChinese:
      // GB2312: level 1 at B0A1-D7F9, level 2 at D8A1-F7FE.
      AddLevel(scores, platform::kCodePageGbk, 0xD8A1, 0xF7FE, kSecondLevel);
      AddLevel(scores, platform::kCodePageGbk, 0xB0A1, 0xD7F9, kFirstLevel);
      AddRanks(scores, kSimplifiedByFrequency);
      break;
    case Script::TraditionalChinese:
      // Big5: level 1 at A440-C67E, level 2 at C940-F9D5.
      AddLevel(scores, platform::kCodePageBig5, 0xC940, 0xF9D5, kSecondLevel);
      AddLevel(scores, platform::kCodePageBig5, 0xA440, 0xC67E, kFirstLevel);
      AddRanks(scores, kTraditionalByFrequency);
      break;
    case Script::Japanese:
      // JIS X 0208 in Shift-JIS: level 1 at 889F-9872, level 2 at 989F-EAA4.
      AddLevel(scores, platform::kCodePageShiftJis, 0x989F, 0xEAA4, kSecondLevel);
      AddLevel(scores, platform::kCodePageShiftJis, 0x889F, 0x9872, kJisLevel1);
      AddRanks(scores, kSimplifiedByFrequency);
      AddRanks(scores, kTraditionalByFrequency);
      scores[0x3005] = kKana;  // 々, the iteration mark
      break;
  }
  for (char16_t unit = 0x3041; unit <= 0x30FF; ++unit) {
    if (IsKana(unit)) scores[unit] = script == Script::Japanese ? kKana : kForeign;
  }
  return scores;
}

}  // namespace

int PlausibilityOf(Script script, char16_t unit) {
  // Made once, on first use; a static local is made once even when threads
  // meet.
  static const Scores simplified = Make(Script::SimplifiedChinese);
  static const Scores traditional = Make(Script::TraditionalChinese);
  static const Scores japanese = Make(Script::Japanese);
  switch (script) {
    case Script::TraditionalChinese:
      return traditional[unit];
    case Script::Japanese:
      return japanese[unit];
    case Script::SimplifiedChinese:
      break;
  }
  return simplified[unit];
}

bool IsWordPair(char16_t first, char16_t second) {
  const char16_t* firstsEnd = kPairFirsts + kPairFirstCount;
  const char16_t* at = std::lower_bound(kPairFirsts, firstsEnd, first);
  if (at == firstsEnd || *at != first) return false;
  const std::size_t group = static_cast<std::size_t>(at - kPairFirsts);
  const char16_t* seconds = kPairSeconds + kPairStarts[group];
  const char16_t* secondsEnd = kPairSeconds + kPairStarts[group + 1];
  return std::binary_search(seconds, secondsEnd, second);
}

}  // namespace tags
