#include "tags/legacy_text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/codepage.h"
#include "tags/double_byte_reading.h"
#include "tags/script_plausibility.h"

namespace tags {
namespace {

using platform::FromCodePage;
using platform::kCodePageGbk;
using platform::kCodePageWestern;

// Windows-1252 or GBK? Both readings are taken character by character and
// judged by what they mean:
// - Western text is Latin words with an accented letter here and there, in
//   the case of the word around it; runs of accented letters, symbols
//   stuck to letters, or bytes 1252 leaves undefined do not happen.
// - Chinese text is Han characters in runs. Latin-1 read as GBK gives
//   characters that sit inside a Latin word (F6 't' in "Mötley"), or byte
//   pairs GBK leaves undefined.
// An ill-formed GBK reading is Western; a Western reading that does not read
// like Western text is GBK; where both read well, GBK wins, as the system's
// code page, unless its reading holds no Chinese at all.

bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// An ID3v1 field that holds this many bytes may have been cut there.
constexpr std::size_t kId3v1FieldBytes = 30;

// --- The Western reading ---

// Whether a byte is one of a set, given as a string of bytes.
bool OneOf(unsigned char byte, const char* set) {
  for (; *set != '\0'; ++set) {
    if (static_cast<unsigned char>(*set) == byte) return true;
  }
  return false;
}

enum class Latin { Upper, Lower, Other, Symbol, Undefined };

Latin LatinClass(unsigned char byte) {
  if (byte < 0x80) {
    if (byte >= 'A' && byte <= 'Z') return Latin::Upper;
    if (byte >= 'a' && byte <= 'z') return Latin::Lower;
    return Latin::Other;
  }
  if (OneOf(byte, "\x81\x8D\x8F\x90\x9D")) return Latin::Undefined;
  // Ÿ is left out: its small letter stands in a few French names only, and
  // in capitals beside Latin letters it is far more likely a GBK lead byte.
  if (OneOf(byte, "\x8A\x8C\x8E")) return Latin::Upper;    // Š Œ Ž
  if (OneOf(byte, "\x9A\x9C\x9E")) return Latin::Lower;    // š œ ž
  if (byte == 0xD7 || byte == 0xF7) return Latin::Symbol;  // × ÷
  if (byte >= 0xC0 && byte <= 0xDE) return Latin::Upper;
  if (byte >= 0xDF) return Latin::Lower;
  return Latin::Symbol;
}

bool IsLetter(Latin c) { return c == Latin::Upper || c == Latin::Lower; }

constexpr const char* kQuotes = "\x82\x84\x8B\x91\x92\x93\x94\x9B\xAB\xBB";

// Which side of a word a symbol may touch: apostrophes inside it, quotes at
// one side (a closing ” after it), ¿ and ¡ before it, "…", "°", "®" after it.
// Other symbols stand apart ("Rock – Live", "½", "€5").
bool MayTouchLetters(unsigned char symbol, bool letterBefore, bool letterAfter, bool highAfter) {
  if (symbol == 0x92) return true;
  if (symbol == 0xB4) return letterBefore && !highAfter;  // ´ for an apostrophe: "Don´t"
  if (symbol == 0x94) return !letterAfter;
  if (OneOf(symbol, kQuotes)) return !(letterBefore && letterAfter);
  if (OneOf(symbol, "\xA1\xBF")) return !letterBefore;
  if (OneOf(symbol, "\x85\x99\xA9\xAE\xB0")) return !letterAfter;
  return false;
}

// ASCII signs that Western titles do not set beside an accented letter or a
// symbol, and brackets opened after or closed before one.
bool IsPlausibleNeighbour(unsigned char before, unsigned char sign, unsigned char after) {
  if (OneOf(sign, "@\\^_`|~")) return before < 0x80 && after < 0x80;
  if (OneOf(sign, "[{")) return before < 0x80;
  if (OneOf(sign, "]}")) return after < 0x80;
  return true;
}

// Two accented letters in a row are the pairs that languages write: "ção",
// "théâtre", "créé", "gemäß", "piñón", "pingüino", "blåbærsyltetøy".
bool IsWesternAccentPair(unsigned char first, unsigned char second) {
  const auto lower = [](unsigned char byte) {
    return byte >= 0xC0 && byte <= 0xDE ? static_cast<unsigned char>(byte + 0x20) : byte;
  };
  const auto nordic = [](unsigned char byte) {
    return byte == 0xE5 || byte == 0xE6 || byte == 0xF8;  // å æ ø
  };
  first = lower(first);
  second = lower(second);
  return first == 0xE7 || first == 0xE9 || first == 0xF1 || second == 0xDF || second == 0xF1 ||
         (first == 0xFC && (second == 0xE9 || second == 0xED)) || (nordic(first) && nordic(second));
}

// A word with accented letters, or beside a symbol: a minority of accented
// letters, never three of any four letters, and written in lower case,
// Capitalised or in capitals (ß has no capital).
bool IsPlausibleWord(const unsigned char* word, std::size_t length, bool besideSymbol) {
  std::size_t accented = 0;
  bool upperAfterFirst = false;
  bool anyLower = false;
  for (std::size_t i = 0; i < length; ++i) {
    if (word[i] >= 0x80) {
      ++accented;
      const std::size_t from = i < 3 ? 0 : i - 3;
      if (std::count_if(word + from, word + i + 1, [](unsigned char b) { return b >= 0x80; }) > 2) {
        return false;
      }
      if (i > 0 && word[i - 1] >= 0x80 && !IsWesternAccentPair(word[i - 1], word[i])) return false;
    }
    if (word[i] == 0xDF) continue;
    const Latin c = LatinClass(word[i]);
    if (c == Latin::Lower) anyLower = true;
    if (c == Latin::Upper && i > 0) upperAfterFirst = true;
  }
  if (accented == 0 && !besideSymbol) return true;
  if (length > 0 && word[0] == 0xDF) return false;
  // "été", "ôté": two accented letters around one.
  const bool aroundOne = length == 3 && accented == 2 && word[1] < 0x80;
  if (accented >= 2 && 2 * accented > length && !aroundOne) return false;
  return !(upperAfterFirst && anyLower);
}

enum class Verdict { Impossible, Implausible, Plausible };

Verdict JudgeWestern(const unsigned char* bytes, std::size_t count) {
  std::size_t wordStart = 0;
  for (std::size_t i = 0; i <= count; ++i) {
    const Latin c = i < count ? LatinClass(bytes[i]) : Latin::Other;
    if (c == Latin::Undefined) return Verdict::Impossible;
    if (IsLetter(c)) continue;
    if (i < count && !IsPlausibleNeighbour(i > 0 ? bytes[i - 1] : 0, bytes[i],
                                           i + 1 < count ? bytes[i + 1] : 0)) {
      return Verdict::Implausible;
    }
    const bool besideSymbol = (wordStart > 0 && bytes[wordStart - 1] >= 0x80) || c == Latin::Symbol;
    if (!IsPlausibleWord(bytes + wordStart, i - wordStart, besideSymbol)) {
      return Verdict::Implausible;
    }
    wordStart = i + 1;
    if (c != Latin::Symbol) continue;
    const bool letterBefore = i > 0 && IsLetter(LatinClass(bytes[i - 1]));
    const bool letterAfter = i + 1 < count && IsLetter(LatinClass(bytes[i + 1]));
    const bool highAfter = i + 1 < count && bytes[i + 1] >= 0x80;
    if ((letterBefore || letterAfter) &&
        !MayTouchLetters(bytes[i], letterBefore, letterAfter, highAfter)) {
      return Verdict::Implausible;
    }
    // Two different symbols in a row ("¾«"), but "……" or "»«".
    if (highAfter && LatinClass(bytes[i + 1]) == Latin::Symbol && bytes[i + 1] != bytes[i] &&
        !(OneOf(bytes[i], kQuotes) && OneOf(bytes[i + 1], kQuotes))) {
      return Verdict::Implausible;
    }
  }
  return Verdict::Plausible;
}

// --- The double-byte readings ---

bool IsAsciiLetterChar(const std::vector<LegacyChar>& chars, std::size_t i) {
  return i < chars.size() && chars[i].kind == CharKind::Ascii && IsAsciiLetter(chars[i].lead);
}

// A Latin letter after a character: an ASCII one, or an accented one cut off
// at the end ("été" reads as GBK E9 74 and a cut E9).
bool IsLetterAfter(const std::vector<LegacyChar>& chars, std::size_t i) {
  return IsAsciiLetterChar(chars, i + 1) ||
         (i + 1 < chars.size() && chars[i + 1].kind == CharKind::Cut &&
          IsLetter(LatinClass(chars[i + 1].lead)));
}

// Marks that open a word: quotes, ¿ and ¡.
bool OpensAWord(unsigned char byte) { return OneOf(byte, "\x84\x8B\x91\x93\x9B\xAB\xBB\xBF\xA1"); }

// Latin-1 read as GBK: an accented letter or a mark takes the letter after
// it into a character that stands in a Latin word: "Mötley", "gemäß", "l’a",
// "»Kosten«", "¿Qué". A two-letter word that starts with an accented capital
// ("Às", "Ça") is one such character alone. A character whose bytes are no
// letter or mark and a letter is no such word's part.
bool SplitsALatinWord(const std::vector<LegacyChar>& chars, bool fullField) {
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const LegacyChar& c = chars[i];
    if (c.kind == CharKind::Double && c.lead == 0x85 && (c.trail == ']' || c.trail == '}')) {
      return true;  // "[Name…]"
    }
    if (c.kind != CharKind::Double || !IsLetter(LatinClass(c.trail))) continue;
    const bool letterBefore = i > 0 && IsAsciiLetterChar(chars, i - 1);
    const bool letterAfter = IsLetterAfter(chars, i);
    if (IsLetter(LatinClass(c.lead))) {
      if (letterBefore || letterAfter) return true;
      // A word of its own beside others: "Às Vezes", "sin él"; at the end of
      // a full ID3v1 field the word may go on, and a Chinese title as well.
      const bool wordBegins = i == 0 || chars[i - 1].kind == CharKind::Ascii;
      const bool wordEnds = (i + 1 == chars.size() && !fullField) ||
                            (i + 1 < chars.size() && chars[i + 1].kind == CharKind::Ascii);
      if (c.lead >= 0xC0 && c.trail >= 'a' && c.trail <= 'z' && wordBegins && wordEnds &&
          chars.size() > 1) {
        return true;
      }
    }
    const bool asciiTrail = IsAsciiLetter(c.trail);
    if (c.lead == 0x92 && letterBefore && (asciiTrail || letterAfter)) return true;
    if (OpensAWord(c.lead) && asciiTrail && !letterBefore && letterAfter) return true;
  }
  return false;
}

bool ReadsAsWestern(const unsigned char* bytes, std::size_t count, Verdict western,
                    const DoubleByteReading& gbk) {
  if (western == Verdict::Impossible) return false;
  if (!gbk.wellFormed) return true;
  if (western == Verdict::Implausible) return false;
  if (gbk.CountOf(CharKind::Double) > 0) {
    return SplitsALatinWord(gbk.chars, count == kId3v1FieldBytes);
  }
  // Nothing Chinese but a character cut off at the end: Western where that
  // byte is a letter ("Café", "O Que É", "Dov'è") or a mark that ends a word
  // ("Rien…", "Kosten«").
  const unsigned char last = bytes[count - 1];
  return gbk.chars.back().kind != CharKind::Cut || IsLetter(LatinClass(last)) ||
         OneOf(last, "\x85\x94\xAB\xBB");
}

// --- Weighing the readings ---

// Another reading outweighs GBK's by this much before it is taken: kana
// against Han characters need less than Han characters against Han ones,
// and a Shift-JIS reading without kana more, since GBK's rare traditional
// variants (嫋, 峯, 麪) read as common kanji there. A Big5 reading needs
// more where it holds no more written words than GBK's: its characters
// alone must then speak for it.
constexpr int kMargin = 8;
constexpr int kMarginWithoutWords = 12;
constexpr int kKanaMargin = 10;
constexpr int kKanjiMargin = 16;
// What two neighbouring characters that make a written word weigh: more
// than the most frequent character (12), since two common characters side
// by side that make no word are what a wrong code page gives.
constexpr int kPerWordPair = 16;
// Against a Western reading, a double-byte one is taken where its
// characters are, on average, among the 2,000 most written.
constexpr int kCommonOnAverage = 2;

int WeightOf(const DoubleByteReading& reading, Script script) {
  int weight = 0;
  for (const LegacyChar& c : reading.chars) {
    if (c.kind == CharKind::Single || c.kind == CharKind::Double) {
      weight += PlausibilityOf(script, c.unit);
    }
  }
  return weight;
}

// Hiragana, or katakana in a run of two or more: a katakana letter alone
// beside Han characters is more often a GBK character misread ("忍ビ").
bool HasKana(const DoubleByteReading& reading) {
  const auto katakana = [&](std::size_t i) {
    const char16_t unit = reading.chars[i].unit;
    return unit >= 0x30A1 && unit <= 0x30FC;
  };
  for (std::size_t i = 0; i < reading.chars.size(); ++i) {
    const char16_t unit = reading.chars[i].unit;
    if (unit >= 0x3041 && unit <= 0x3096) return true;
    const bool inRun =
        (i > 0 && katakana(i - 1)) || (i + 1 < reading.chars.size() && katakana(i + 1));
    if (katakana(i) && inRun) return true;
  }
  return false;
}

// How many neighbouring double-byte characters stand side by side in a
// written word.
int WordPairsIn(const DoubleByteReading& reading) {
  int pairs = 0;
  for (std::size_t i = 1; i < reading.chars.size(); ++i) {
    const LegacyChar& first = reading.chars[i - 1];
    const LegacyChar& second = reading.chars[i];
    if (first.kind == CharKind::Double && second.kind == CharKind::Double &&
        first.unit != second.unit && IsWordPair(first.unit, second.unit)) {
      ++pairs;
    }
  }
  return pairs;
}

struct Weighed {
  DoubleByteReading reading;
  Script script = Script::TraditionalChinese;
  int weight = 0;
  std::size_t characters = 0;  // double-byte ones
  bool valid = false;
};

// The Big5 and the Shift-JIS reading, each valid where it is well formed,
// holds two double-byte characters or more and, where the text reads as
// Western words, splits none of them.
std::array<Weighed, 2> WeighOthers(const unsigned char* bytes, std::size_t count, Verdict western) {
  std::array<Weighed, 2> others;
  std::size_t k = 0;
  for (const auto& [code, script] : {std::pair{DoubleByteCode::Big5, Script::TraditionalChinese},
                                     std::pair{DoubleByteCode::ShiftJis, Script::Japanese}}) {
    Weighed& w = others[k++];
    w.reading = ReadDoubleByte(code, bytes, count);
    w.script = script;
    w.characters = w.reading.CountOf(CharKind::Double);
    w.valid = w.reading.wellFormed && w.characters >= 2 &&
              !(western == Verdict::Plausible &&
                SplitsALatinWord(w.reading.chars, count == kId3v1FieldBytes));
    if (w.valid) w.weight = WeightOf(w.reading, script);
  }
  return others;
}

}  // namespace

std::u16string DecodeInLikeliestEncoding(const unsigned char* bytes, std::size_t count) {
  // Every code page in question reads ASCII as ASCII, and most tag texts are.
  if (std::all_of(bytes, bytes + count, [](unsigned char byte) { return byte < 0x80; })) {
    return std::u16string(bytes, bytes + count);
  }
  const unsigned codePage = platform::AnsiCodePage();
  if (codePage != kCodePageGbk) return FromCodePage(codePage, bytes, count);
  // GBK, Big5, Shift-JIS or Windows-1252? A reading that is ill-formed is
  // out. Each double-byte reading is weighed by how often its characters
  // are written in its script: the commonest Han characters most, rare ones
  // and what the script does not write (kana in Chinese, half-width
  // katakana, pinyin letters) less than nothing; GBK is weighed as
  // simplified and as traditional text, the better of the two. Each pair of
  // neighbours that make a written word (traditional or simplified; a
  // character doubled is no evidence) adds to the Big5 and GBK readings'
  // weights and GBK's against Shift-JIS: word knowledge tells apart two
  // readings that are both common characters. GBK, the system's own, is
  // kept unless a Big5 or Shift-JIS reading of two characters or more
  // outweighs it by a clear margin, wider for a Big5 reading that holds no
  // more words than GBK's and for a Shift-JIS one without kana (a lone
  // katakana letter is none); a single character stays GBK. Western text
  // is told from GBK by the shape of its words, as above, and gives way to
  // a Big5 or Shift-JIS reading only where its own reading is no plain
  // Latin text or that reading's characters are common.
  const DoubleByteReading gbk = ReadDoubleByte(DoubleByteCode::Gbk, bytes, count);
  const Verdict western = JudgeWestern(bytes, count);
  const std::array<Weighed, 2> others = WeighOthers(bytes, count, western);
  const Weighed& big5 = others[0];
  const Weighed& shiftJis = others[1];
  const Weighed* best = nullptr;
  for (const Weighed& w : others) {
    if (w.valid && (!best || w.weight > best->weight)) best = &w;
  }
  if (ReadsAsWestern(bytes, count, western, gbk)) {
    const bool common = best && (western != Verdict::Plausible ||
                                 best->weight >= kCommonOnAverage * int(best->characters));
    return common ? best->reading.Text() : FromCodePage(kCodePageWestern, bytes, count);
  }
  if (!gbk.wellFormed) {
    return best ? best->reading.Text() : FromCodePage(kCodePageGbk, bytes, count);
  }
  // GBK text is simplified or traditional, rarely both at once.
  const int gbkWeight =
      std::max(WeightOf(gbk, Script::SimplifiedChinese), WeightOf(gbk, Script::TraditionalChinese));
  const int gbkPairs = WordPairsIn(gbk);
  const int gbkScore = gbkWeight + kPerWordPair * gbkPairs;
  if (shiftJis.valid && (!big5.valid || shiftJis.weight > big5.weight)) {
    const int margin = HasKana(shiftJis.reading) ? kKanaMargin : kKanjiMargin;
    if (shiftJis.weight > gbkScore + margin) return shiftJis.reading.Text();
  }
  if (big5.valid) {
    const int big5Pairs = WordPairsIn(big5.reading);
    const int margin = big5Pairs > gbkPairs ? kMargin : kMarginWithoutWords;
    if (big5.weight + kPerWordPair * big5Pairs > gbkScore + margin) {
      return big5.reading.Text();
    }
  }
  return gbk.Text();
}

}  // namespace tags
