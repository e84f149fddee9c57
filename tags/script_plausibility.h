#pragma once
// How plausible a character is in a title written in one script: the
// knowledge that tells a real text from bytes read in the wrong code page.

namespace tags {

enum class Script {
  SimplifiedChinese,   // as GBK writes it
  TraditionalChinese,  // as GBK and Big5 write it
  Japanese,            // as Shift-JIS writes it
};

// From 12 for the most frequent Han characters down to 1 for the 3,000th;
// 6 for kana in Japanese; 0 for marks every script sets; below 0 for rarer
// Han characters, the rarer the lower, and for what the script does not
// write in titles (kana in Chinese, half-width katakana, pinyin letters,
// Greek, box drawing).
int PlausibilityOf(Script script, char16_t unit);

// Whether the two characters stand side by side in a written Chinese word,
// traditional or simplified.
bool IsWordPair(char16_t first, char16_t second);

}  // namespace tags
