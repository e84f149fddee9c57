#include "tags/legacy_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/codepage.h"
#include "platform/text.h"
#include "tags/double_byte_reading.h"
#include "tags/script_plausibility.h"
#include "tags/utf8_reading.h"

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
// holds two double-byte characters or more (one where it is the system's
// own) and, where the text reads as Western words, splits none of them.
std::array<Weighed, 2> WeighOthers(const unsigned char* bytes, std::size_t count, Verdict western,
                                   DoubleByteCode own) {
  std::array<Weighed, 2> others;
  std::size_t k = 0;
  for (const auto& [code, script] : {std::pair{DoubleByteCode::Big5, Script::TraditionalChinese},
                                     std::pair{DoubleByteCode::ShiftJis, Script::Japanese}}) {
    Weighed& w = others[k++];
    w.reading = ReadDoubleByte(code, bytes, count);
    w.script = script;
    w.characters = w.reading.CountOf(CharKind::Double);
    // One character alone is the system's own where it is a Han character
    // or kana of its script, and no one else's.
    const bool enough =
        w.characters >= 2 || (code == own && w.characters == 1 && WeightOf(w.reading, script) > 0);
    w.valid = w.reading.wellFormed && enough &&
              !(western == Verdict::Plausible &&
                SplitsALatinWord(w.reading.chars, count == kId3v1FieldBytes));
    if (w.valid) w.weight = WeightOf(w.reading, script);
  }
  return others;
}

// --- The UTF-8 reading ---

// Windows-1252's characters at 0x80-0x9F; 0 where it leaves a byte undefined.
constexpr char16_t kWesternHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a character, so that a UTF-8 text is judged as
// Western text is; a Latin letter 1252 lacks (ł, č, ğ) stands in as à or À
// by its case. 0 for any other character.
unsigned char AsWesternByte(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<unsigned char>(unit);
  for (std::size_t k = 0; k < 32; ++k) {
    if (kWesternHigh[k] == unit) return static_cast<unsigned char>(0x80 + k);
  }
  if (unit < 0x0100 || unit > 0x024F) return 0;
  // Latin Extended-A and -B pair capital and small letter, the capital
  // first, on even code points but in two runs that start on odd ones.
  const bool oddRun = (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
  const bool capital = ((unit % 2 == 1) == oddRun) && unit != 0x0138 && unit != 0x0149;
  return capital ? 0xC0 : 0xE0;
}

// What an accented letter of a UTF-8 text weighs: in a word beside
// unaccented letters it is what Western text is made of; alone it says
// little, since GBK's common characters read as UTF-8 are often one.
constexpr int kAccentInWord = 14;
constexpr int kAccentAlone = 1;
// Letters of another alphabet (Greek, Cyrillic, Hebrew) in words of three
// or more; fewer are what a short GBK text gives by chance.
constexpr int kOtherAlphabetLetter = 4;
constexpr std::size_t kOtherAlphabetWord = 3;
constexpr int kForeignLetter = -8;
// A sequence of three bytes or more: a lead byte from 0xE0 and two
// continuation bytes, which GBK's byte pairs seldom line up into, once
// now and then, twice hardly ever.
constexpr int kFirstWideSequence = 4;
constexpr int kWideSequence = 10;

bool IsTwoByteUnit(char16_t unit) { return unit >= 0x80 && unit < 0x800; }

// The weight of a UTF-8 reading, in the units the double-byte readings are
// weighed in: its Han characters and kana as the likelier script writes
// them, with the written words they make; its accented letters by the shape
// of their words.
struct Utf8Weight {
  int weight = 0;
  // Han characters, kana, an accented letter beside plain ones, or a word
  // of another alphabet: what a short GBK text is rarely made of by chance.
  bool evidence = false;
};

Utf8Weight Utf8WeightOf(const std::u16string& text) {
  Utf8Weight result;
  int best = 0;
  bool anyWide = false;
  for (const Script script :
       {Script::SimplifiedChinese, Script::TraditionalChinese, Script::Japanese}) {
    int weight = 0;
    bool first = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t unit = text[i];
      if (unit < 0x800) continue;
      weight += first ? kFirstWideSequence : kWideSequence;
      first = false;
      anyWide = true;
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        // Past U+FFFF titles hold emoji and rare Han characters (planes 1 to
        // 3); the planes above hold nothing a title writes.
        weight += unit < 0xD8C0 ? 0 : kForeignLetter;
        ++i;
        continue;
      }
      weight += PlausibilityOf(script, unit);
      if (script != Script::Japanese && i > 0 && text[i - 1] >= 0x800 && text[i - 1] != unit &&
          IsWordPair(text[i - 1], unit)) {
        weight += kPerWordPair;
      }
    }
    if (script == Script::SimplifiedChinese || weight > best) best = weight;
  }
  if (!anyWide) best = 0;
  result.evidence = anyWide;

  std::string western(text.size(), ' ');
  bool latin = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= 0x800) continue;
    western[i] = static_cast<char>(AsWesternByte(text[i]));
    if (western[i] == 0) latin = false;
  }
  const auto* westernBytes = reinterpret_cast<const unsigned char*>(western.data());
  const bool plausibleLatin =
      latin && JudgeWestern(westernBytes, western.size()) == Verdict::Plausible;
  int weight = best;
  std::size_t run = 0;  // letters of another alphabet in a row
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool other = i < text.size() && IsTwoByteUnit(text[i]) && AsWesternByte(text[i]) == 0;
    if (other) {
      ++run;
      continue;
    }
    if (run > 0) {
      weight += int(run) * (run >= kOtherAlphabetWord ? kOtherAlphabetLetter : kForeignLetter);
      result.evidence = result.evidence || run >= kOtherAlphabetWord;
    }
    run = 0;
    if (i == text.size() || !IsTwoByteUnit(text[i]) || !latin) continue;
    if (!plausibleLatin) {
      weight += kForeignLetter;
      continue;
    }
    if (!IsLetter(LatinClass(westernBytes[i]))) continue;
    std::size_t from = i, to = i + 1;
    while (from > 0 && IsLetter(LatinClass(westernBytes[from - 1]))) --from;
    while (to < text.size() && IsLetter(LatinClass(westernBytes[to]))) ++to;
    const bool besideAscii = std::any_of(westernBytes + from, westernBytes + to,
                                         [](unsigned char byte) { return IsAsciiLetter(byte); });
    weight += besideAscii ? kAccentInWord : kAccentAlone;
    result.evidence = result.evidence || besideAscii;
  }
  result.weight = weight;
  return result;
}

// Which reading a code page gives where the evidence is not clear.
enum class Own { Gbk, Big5, ShiftJis, Western, Utf8, Other };

Own OwnReadingOf(unsigned codePage) {
  switch (codePage) {
    case platform::kCodePageGbk:
      return Own::Gbk;
    case platform::kCodePageBig5:
      return Own::Big5;
    case platform::kCodePageShiftJis:
      return Own::ShiftJis;
    case platform::kCodePageWestern:
      return Own::Western;
    case platform::kCodePageUtf8:
      return Own::Utf8;
    default:
      return Own::Other;
  }
}

DoubleByteCode OwnDoubleByte(Own own) {
  if (own == Own::Big5) return DoubleByteCode::Big5;
  if (own == Own::ShiftJis) return DoubleByteCode::ShiftJis;
  return DoubleByteCode::Gbk;
}

// A UTF-8 reading outweighs the best double-byte one by this much before it
// is taken over it, and the other way round where UTF-8 is the system's
// own.
constexpr int kUtf8Margin = 4;
// A lead byte cut off where no full field ended the text is what a
// double-byte reading of UTF-8 leaves, more often than a tagger does.
constexpr int kCutBeforeTheEnd = 8;
// Where Big5 or Shift-JIS is the system's own, GBK need only outweigh it;
// a single character of GBK's is taken even a little under the other's
// weight, since one character alone has no words to tell them apart and
// GBK's rarer characters read as commoner ones in either.
constexpr int kOneCharacterMargin = 4;

}  // namespace

std::u16string DecodeInLikeliestEncoding(const unsigned char* bytes, std::size_t count,
                                         unsigned codePage) {
  // Every code page in question reads ASCII as ASCII, and most tag texts are.
  if (std::all_of(bytes, bytes + count, [](unsigned char byte) { return byte < 0x80; })) {
    return std::u16string(bytes, bytes + count);
  }
  // GBK, Big5, Shift-JIS, Windows-1252 or UTF-8? A reading that is
  // ill-formed is out. Each double-byte reading is weighed by how often its
  // characters are written in its script: the commonest Han characters
  // most, rare ones and what the script does not write (kana in Chinese,
  // half-width katakana, pinyin letters) less than nothing; GBK is weighed
  // as simplified and as traditional text, the better of the two. Each pair
  // of neighbours that make a written word (traditional or simplified; a
  // character doubled is no evidence) adds to the Big5 and GBK readings'
  // weights and GBK's against Shift-JIS: word knowledge tells apart two
  // readings that are both common characters. Where GBK is the system's
  // own, or 1252 or UTF-8 is, GBK is kept unless a Big5 or Shift-JIS
  // reading of two characters or more outweighs it by a clear margin, wider
  // for a Big5 reading that holds no more words than GBK's and for a
  // Shift-JIS one without kana (a lone katakana letter is none); a single
  // character stays GBK. Where Big5 or Shift-JIS is the system's own, it is
  // kept unless another reading outweighs it; where another code page is,
  // its own reading is kept unless a double-byte reading's characters are
  // clearly common. Western text is told from GBK by the shape of its
  // words, as above, and gives way to a Big5 or Shift-JIS reading only where
  // its own reading is no plain Latin text or that reading's characters are
  // common; a code page of another country reads its own letters.
  //
  // UTF-8 is weighed in the same units against the best double-byte
  // reading: its Han characters and kana as its likelier script writes
  // them, with their words; an accented letter as much as a common
  // character where it stands in a word beside plain letters, and next to
  // nothing alone, so that the GBK characters whose bytes happen to be
  // valid UTF-8 stay GBK.
  const Own own = OwnReadingOf(codePage);
  const bool fullField = count == kId3v1FieldBytes;
  const DoubleByteReading gbk = ReadDoubleByte(DoubleByteCode::Gbk, bytes, count);
  const Verdict western = JudgeWestern(bytes, count);
  const std::array<Weighed, 2> others = WeighOthers(bytes, count, western, OwnDoubleByte(own));
  const Weighed& big5 = others[0];
  const Weighed& shiftJis = others[1];
  // GBK text is simplified or traditional, rarely both at once.
  const int gbkPairs = gbk.wellFormed ? WordPairsIn(gbk) : 0;
  const int gbkScore = gbk.wellFormed ? std::max(WeightOf(gbk, Script::SimplifiedChinese),
                                                 WeightOf(gbk, Script::TraditionalChinese)) +
                                            kPerWordPair * gbkPairs
                                      : 0;
  const int big5Pairs = big5.valid ? WordPairsIn(big5.reading) : 0;
  const int big5Score = big5.weight + kPerWordPair * big5Pairs;

  const Utf8Reading utf8 = ReadUtf8(bytes, count, fullField);
  if (utf8.wellFormed) {
    bool anyDouble = false;
    int bestDouble = 0;
    const auto consider = [&](const DoubleByteReading& reading, int score) {
      if (!fullField && reading.chars.back().kind == CharKind::Cut) score -= kCutBeforeTheEnd;
      if (!anyDouble || score > bestDouble) bestDouble = score;
      anyDouble = true;
    };
    if (gbk.wellFormed) consider(gbk, gbkScore);
    if (big5.valid) consider(big5.reading, big5Score);
    if (shiftJis.valid) consider(shiftJis.reading, shiftJis.weight);
    const Utf8Weight weight = Utf8WeightOf(utf8.text);
    const bool ownUtf8 = own == Own::Utf8;
    const int margin = ownUtf8 ? -kUtf8Margin : kUtf8Margin;
    if ((weight.evidence || ownUtf8) && (!anyDouble || weight.weight > bestDouble + margin)) {
      return utf8.text;
    }
  }

  const Weighed* best = nullptr;
  for (const Weighed& w : others) {
    if (w.valid && (!best || w.weight > best->weight)) best = &w;
  }
  // The system's own conversion, invalid bytes and all.
  const auto ownText = [&] {
    return own == Own::Utf8 ? platform::DecodeUtf8(bytes, count, platform::Utf8Policy::TagText)
                            : FromCodePage(codePage, bytes, count);
  };
  if (ReadsAsWestern(bytes, count, western, gbk)) {
    const bool common = best && (western != Verdict::Plausible ||
                                 best->weight >= kCommonOnAverage * int(best->characters));
    if (common) return best->reading.Text();
    // A code page of its own reads its Latin letters better than 1252 can.
    return own == Own::Other ? ownText() : FromCodePage(kCodePageWestern, bytes, count);
  }
  if (!gbk.wellFormed) return best ? best->reading.Text() : ownText();
  const int shiftJisMargin = HasKana(shiftJis.reading) ? kKanaMargin : kKanjiMargin;
  const int big5Margin = big5Pairs > gbkPairs ? kMargin : kMarginWithoutWords;
  const Weighed* winner = nullptr;
  if (own == Own::Big5 && big5.valid) {
    const int gbkMargin = big5.characters == 1 ? -kOneCharacterMargin : 0;
    if (gbkScore > big5Score + gbkMargin) return gbk.Text();
    if (shiftJis.valid && shiftJis.weight > big5Score + shiftJisMargin) {
      return shiftJis.reading.Text();
    }
    return big5.reading.Text();
  }
  if (own == Own::ShiftJis && shiftJis.valid) {
    // Kana speak for Shift-JIS as they do against GBK elsewhere.
    const int margin = shiftJis.characters == 1    ? -kOneCharacterMargin
                       : HasKana(shiftJis.reading) ? kKanaMargin
                                                   : 0;
    if (gbkScore > shiftJis.weight + margin && gbkScore >= big5Score) return gbk.Text();
    if (big5.valid && big5Score > shiftJis.weight + margin) return big5.reading.Text();
    return shiftJis.reading.Text();
  }
  if (shiftJis.valid && (!big5.valid || shiftJis.weight > big5.weight) &&
      shiftJis.weight > gbkScore + shiftJisMargin) {
    winner = &shiftJis;
  } else if (big5.valid && big5Score > gbkScore + big5Margin) {
    winner = &big5;
  }
  if (own == Own::Other) {
    // Another code page's own text reads as common characters in GBK more
    // often than not (Korean does): a double-byte reading is taken over it
    // only where its characters are commoner than that on average.
    const int score = winner ? (winner == &big5 ? big5Score : winner->weight) : gbkScore;
    const std::size_t chars = winner ? winner->characters : gbk.CountOf(CharKind::Double);
    const int clear = (kCommonOnAverage + 1) * int(chars) + kMargin;
    if (score < clear) return ownText();
  }
  return winner ? winner->reading.Text() : gbk.Text();
}

}  // namespace tags
