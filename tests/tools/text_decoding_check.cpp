// How often untagged legacy text is misread: Chinese phrases in GBK and
// Western words in Windows-1252, taken from dictionaries that nobody here
// wrote, decoded as an ID3v1 field is, and compared with what was encoded.
//
//   text-decoding-check --chinese FILE... --western FILE... --running FILE...
//                       --traditional FILE... --japanese FILE...
//                       [--code-page N]...
//
// Chinese files are tab-separated phrase tables (every value of every
// column is a phrase), read as GBK; Western files are word lists; running
// files hold running Western text, one file per language; traditional files
// hold traditional Chinese phrases, one a line, read as Big5 where Big5 has
// every character; Japanese files hold runs of kana and kanji, one a line,
// read as Shift-JIS; all UTF-8. The Chinese, Japanese and Western titles are
// also written as UTF-8. Every title is decided as on each code page given
// (936, 950, 932, 1252 and 65001 unless told). Prints one result line per
// kind and code page and exits 1 when a goal is missed.

#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tags/id3_reader.h"
#include "tags/legacy_text.h"

namespace {

constexpr std::size_t kFieldBytes = 30;
constexpr std::size_t kSamples = 20000;
constexpr std::size_t kExamples = 3;

class Encoder {
 public:
  Encoder(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Encoder() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  // False where the text has no encoding in the target.
  bool Convert(const std::string& in, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.assign(in.size() * 4 + 8, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = &out[0];
    std::size_t outLeft = out.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      return false;
    }
    out.resize(out.size() - outLeft);
    return true;
  }

 private:
  iconv_t cd_;
};

// One character: its legacy bytes and what they stand for.
struct Char {
  std::string bytes;
  std::u16string text;
};
using Title = std::vector<Char>;

// A word or phrase split into characters, each encoded on its own.
bool ToChars(const std::string& utf8, Encoder& encoder, Title& out) {
  out.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string one = utf8.substr(i, length);
    Char c;
    if (!encoder.Convert(one, c.bytes)) return false;
    c.text = platform::Utf8ToUtf16(one);
    out.push_back(c);
    i += length;
  }
  return !out.empty();
}

bool HasHighByte(const Title& title) {
  return std::any_of(title.begin(), title.end(),
                     [](const Char& c) { return static_cast<unsigned char>(c.bytes[0]) >= 0x80; });
}

void Append(Title& title, const Title& more) {
  title.insert(title.end(), more.begin(), more.end());
}

Title Ascii(const std::string& text) {
  Title title;
  for (char byte : text) title.push_back({std::string(1, byte), std::u16string(1, char16_t(byte))});
  return title;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) std::fprintf(stderr, "no text in %s\n", path.c_str());
  return lines;
}

std::vector<std::string> SplitOn(const std::string& line, const char* separators) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t end = std::min(line.find_first_of(separators, start), line.size());
    if (end > start) parts.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The title as a full or a NUL-ended ID3v1 field holds it: its first 30
// bytes, a character cut there lost, trailing blanks trimmed. False where
// fewer than minimumWide characters above ASCII are left: ASCII reads alike
// in every code page, and a title cut before its first whole character is
// ASCII and a stray byte, nothing to count.
bool AsField(const Title& title, std::size_t minimumWide, std::string& bytes,
             std::u16string& expected) {
  for (const Char& c : title) {
    if (bytes.size() + c.bytes.size() > kFieldBytes) {
      if (bytes.size() < kFieldBytes) bytes += c.bytes.substr(0, kFieldBytes - bytes.size());
      break;
    }
    bytes += c.bytes;
    expected += c.text;
  }
  TrimTagText(expected);
  const auto wide =
      std::count_if(expected.begin(), expected.end(), [](char16_t c) { return c >= 0x80; });
  return wide > 0 && static_cast<std::size_t>(wide) >= minimumWide;
}

class Tally {
 public:
  // Counts the titles that hold at least minimumWide characters above ASCII.
  Tally(std::string kind, double goalPercent, std::size_t minimumWide = 1)
      : kind_(std::move(kind)), goal_(goalPercent), minimumWide_(minimumWide) {}

  void CheckAll(const std::vector<Title>& titles, unsigned codePage) {
    for (const Title& title : titles) Check(title, codePage);
  }

  // Decodes the title as an ID3v1 field holds it.
  void Check(const Title& title, unsigned codePage) {
    std::string bytes;
    std::u16string expected;
    if (!AsField(title, minimumWide_, bytes, expected)) return;
    std::u16string read = tags::DecodeInLikeliestEncoding(
        reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), codePage);
    TrimTagText(read);
    ++total_;
    if (read == expected) return;
    if (++misread_ <= kExamples) {
      examples_ +=
          "  " + platform::Utf16ToUtf8(expected) + " -> " + platform::Utf16ToUtf8(read) + "\n";
    }
  }

  std::size_t Total() const { return total_; }

  bool Report() const {
    const double percent = total_ == 0 ? 100.0 : 100.0 * double(misread_) / double(total_);
    const bool met = total_ > 0 && percent <= goal_;
    std::printf("%-30s %6zu misread of %6zu = %5.2f%%  (goal <= %.1f%%)%s\n", kind_.c_str(),
                misread_, total_, percent, goal_, met ? "" : "  MISSED");
    std::fputs(examples_.c_str(), stdout);
    return met;
  }

 private:
  std::string kind_;
  double goal_;
  std::size_t minimumWide_;
  std::size_t total_ = 0;
  std::size_t misread_ = 0;
  std::string examples_;
};

// Windows-1252 upper case of a Latin-1 letter byte; ß has none.
char UpperLatin(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
  if (b == 0xFF) return static_cast<char>(0x9F);
  return byte;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> chineseFiles, westernFiles, runningFiles, traditionalFiles,
      japaneseFiles;
  std::vector<std::string>* into = nullptr;
  std::vector<unsigned> codePages;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--chinese") {
      into = &chineseFiles;
    } else if (arg == "--western") {
      into = &westernFiles;
    } else if (arg == "--running") {
      into = &runningFiles;
    } else if (arg == "--traditional") {
      into = &traditionalFiles;
    } else if (arg == "--japanese") {
      into = &japaneseFiles;
    } else if (arg == "--code-page" && i + 1 < argc) {
      codePages.push_back(static_cast<unsigned>(std::stoul(argv[++i])));
    } else if (into) {
      into->push_back(arg);
    }
  }
  if (chineseFiles.empty() || westernFiles.empty() || runningFiles.empty() ||
      traditionalFiles.empty() || japaneseFiles.empty()) {
    std::fputs(
        "usage: text-decoding-check --chinese FILE... --western FILE... --running FILE... "
        "--traditional FILE... --japanese FILE... [--code-page N]...\n",
        stderr);
    return 2;
  }

  Encoder toGbk("CP936", "UTF-8");
  Encoder toBig5("CP950", "UTF-8");
  Encoder toShiftJis("CP932", "UTF-8");
  Encoder to1252("CP1252", "UTF-8");
  Encoder from1252("UTF-8", "CP1252");

  std::set<std::string> phraseTexts;
  for (const std::string& file : chineseFiles) {
    for (const std::string& line : ReadLines(file)) {
      for (const std::string& phrase : SplitOn(line, "\t ")) phraseTexts.insert(phrase);
    }
  }
  // Every entry is read alone; titles are made of the phrases.
  std::vector<Title> entries, phrases;
  Title title;
  for (const std::string& text : phraseTexts) {
    if (!ToChars(text, toGbk, title) || !HasHighByte(title)) continue;
    entries.push_back(title);
    if (title.size() >= 2) phrases.push_back(title);
  }
  std::set<std::string> traditionalTexts;
  for (const std::string& file : traditionalFiles) {
    for (const std::string& text : ReadLines(file)) traditionalTexts.insert(text);
  }
  std::vector<Title> big5Phrases;
  for (const std::string& text : traditionalTexts) {
    if (ToChars(text, toBig5, title) && title.size() >= 2 && HasHighByte(title)) {
      big5Phrases.push_back(title);
    }
  }
  std::vector<Title> japanese;
  for (const std::string& file : japaneseFiles) {
    for (const std::string& text : ReadLines(file)) {
      if (ToChars(text, toShiftJis, title) && title.size() >= 2) japanese.push_back(title);
    }
  }

  std::vector<std::vector<Title>> westernWords;  // one list per language
  std::vector<std::string> asciiWords;
  for (const std::string& file : westernFiles) {
    westernWords.emplace_back();
    for (const std::string& word : ReadLines(file)) {
      if (!ToChars(word, to1252, title)) continue;
      if (HasHighByte(title)) {
        westernWords.back().push_back(title);
      } else if (word.size() >= 2) {
        asciiWords.push_back(word);
      }
    }
  }
  if (phrases.empty() || big5Phrases.empty() || japanese.empty() || asciiWords.empty() ||
      std::any_of(westernWords.begin(), westernWords.end(),
                  [](const std::vector<Title>& words) { return words.empty(); })) {
    std::fputs("a dictionary gave no words\n", stderr);
    return 2;
  }

  std::mt19937 random(20261210);
  const auto pick = [&](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  // Latin words in Chinese titles are names and English words, Capitalised
  // or in capitals: "Love與你", "Ver無牽無掛Rock", "DJ".
  const auto asciiWord = [&] {
    std::string word = asciiWords[pick(asciiWords.size())];
    const bool capitals = pick(4) == 0;
    for (std::size_t k = 0; k < word.size(); ++k) {
      if (k == 0 || capitals) word[k] = UpperLatin(word[k]);
    }
    return Ascii(word);
  };

  // A Latin word before, after or around the phrase, with or without a
  // space: "Love與你", "Ver無牽無掛Rock", "臨機制變 - Blue Song".
  const auto besideLatin = [&](const std::vector<Title>& from) {
    const std::size_t shape = pick(6);
    const char* gap = pick(2) == 0 ? "" : shape == 5 ? " - " : " ";
    Title built;
    if (shape != 1) Append(built, asciiWord()), Append(built, Ascii(gap));
    Append(built, from[pick(from.size())]);
    if (shape != 0) Append(built, Ascii(gap)), Append(built, asciiWord());
    return built;
  };
  // Long titles, cut wherever byte 30 falls.
  const auto longTitle = [&](const std::vector<Title>& from) {
    Title built;
    if (pick(3) == 0) Append(built, Ascii(std::to_string(1 + pick(20)) + " "));
    while (built.size() < 2 * kFieldBytes) {
      if (pick(3) == 0) {
        Append(built, asciiWord());
      } else {
        Append(built, from[pick(from.size())]);
      }
      if (pick(2) == 0) Append(built, Ascii(pick(4) == 0 ? " - " : " "));
    }
    return built;
  };

  // A script's titles three ways: as they are, beside Latin words, and
  // long enough to be cut at 30 bytes, built from its pieces.
  struct ThreeWays {
    std::vector<Title> pure, mixed, cut;
  };
  const auto threeWays = [&](const std::vector<Title>& titles, const std::vector<Title>& pieces) {
    ThreeWays kinds{titles, {}, {}};
    for (std::size_t i = 0; i < kSamples; ++i) kinds.mixed.push_back(besideLatin(pieces));
    for (std::size_t i = 0; i < kSamples; ++i) kinds.cut.push_back(longTitle(pieces));
    return kinds;
  };
  const ThreeWays chinese = threeWays(entries, phrases);

  const auto westernTitleOf = [&](std::size_t words, std::size_t caps) {
    const std::vector<Title>& language = westernWords[pick(westernWords.size())];
    Title built;
    for (std::size_t w = 0; w < words; ++w) {
      if (w > 0) Append(built, Ascii(" "));
      Title word = language[pick(language.size())];
      // As written, Capitalised or in capitals.
      for (std::size_t k = 0; k < word.size(); ++k) {
        if (caps == 2 || (caps == 1 && k == 0)) {
          word[k].bytes[0] = UpperLatin(word[k].bytes[0]);
          std::string utf8;
          if (from1252.Convert(word[k].bytes, utf8)) word[k].text = platform::Utf8ToUtf16(utf8);
        }
      }
      Append(built, word);
    }
    return built;
  };
  std::vector<Title> westernWord, westernTitle, westernCut;
  for (const std::vector<Title>& language : westernWords) {
    for (std::size_t i = 0; i < kSamples / westernWords.size(); ++i) {
      westernWord.push_back(language[pick(language.size())]);
    }
  }
  for (std::size_t i = 0; i < kSamples; ++i) {
    westernTitle.push_back(westernTitleOf(2 + pick(3), pick(6) == 0 ? 2 : pick(2)));
  }
  for (std::size_t i = 0; i < kSamples; ++i) {
    westernCut.push_back(westernTitleOf(6, pick(6) == 0 ? 2 : pick(2)));
  }

  // Titles cut from running text: a few words in a row from one line, as
  // written or Capitalised ("O Que É", "¿Quién Sabe", "Às Vezes").
  std::vector<Title> westernRunning;
  std::vector<std::vector<std::vector<std::string>>> runningLines;  // language, line, words
  for (const std::string& file : runningFiles) {
    runningLines.emplace_back();
    std::string bytes;
    for (const std::string& line : ReadLines(file)) {
      std::vector<std::string> words = SplitOn(line, " \t");
      if (!words.empty() && to1252.Convert(line, bytes)) runningLines.back().push_back(words);
    }
    if (runningLines.back().empty()) {
      std::fputs("a manual page gave no text\n", stderr);
      return 2;
    }
  }
  for (std::size_t i = 0; i < 20 * kSamples && westernRunning.size() < kSamples; ++i) {
    const auto& lines = runningLines[i % runningLines.size()];
    const std::vector<std::string>& words = lines[pick(lines.size())];
    const std::size_t start = pick(words.size());
    const std::size_t end = std::min(words.size(), start + 1 + pick(6));
    const bool capitalise = pick(3) == 0;
    Title run, word;
    for (std::size_t w = start; w < end; ++w) {
      if (!ToChars(words[w], to1252, word)) break;
      if (capitalise) {
        word[0].bytes[0] = UpperLatin(word[0].bytes[0]);
        std::string utf8;
        if (from1252.Convert(word[0].bytes, utf8)) word[0].text = platform::Utf8ToUtf16(utf8);
      }
      if (w > start) Append(run, Ascii(" "));
      Append(run, word);
    }
    std::string bytes;
    std::u16string expected;
    if (AsField(run, 1, bytes, expected)) westernRunning.push_back(run);
  }

  // Big5 and Shift-JIS titles: of two characters or more.
  const ThreeWays big5 = threeWays(big5Phrases, big5Phrases);
  // A title is a piece of a run of Japanese text: "述しました", "東京".
  std::vector<Title> japaneseTitles;
  for (std::size_t i = 0; i < kSamples; ++i) {
    const Title& run = japanese[pick(japanese.size())];
    const std::size_t length = std::min(run.size(), 2 + pick(9));
    const std::size_t start = pick(run.size() - length + 1);
    japaneseTitles.emplace_back(run.begin() + long(start), run.begin() + long(start + length));
  }
  const ThreeWays shiftJis = threeWays(japaneseTitles, japaneseTitles);

  // The same texts as UTF-8, which taggers write where the tag claims the
  // legacy encoding: Chinese and Japanese titles, Western words and
  // titles, each script beside ASCII words, and long titles of all three
  // cut at byte 30.
  const auto utf8Of = [](const std::vector<Title>& titles) {
    std::vector<Title> out;
    out.reserve(titles.size());
    for (const Title& title : titles) {
      Title utf8;
      for (const Char& c : title) utf8.push_back({platform::Utf16ToUtf8(c.text), c.text});
      out.push_back(std::move(utf8));
    }
    return out;
  };
  const auto joined = [](std::initializer_list<const std::vector<Title>*> parts) {
    std::vector<Title> all;
    for (const std::vector<Title>* part : parts) all.insert(all.end(), part->begin(), part->end());
    return all;
  };
  const std::vector<Title> utf8Chinese = utf8Of(chinese.pure);
  const std::vector<Title> utf8Japanese = utf8Of(shiftJis.pure);
  const std::vector<Title> utf8Western = utf8Of(joined({&westernWord, &westernTitle}));
  const std::vector<Title> utf8Beside = utf8Of(joined({&chinese.mixed, &shiftJis.mixed}));
  const std::vector<Title> utf8Cut = utf8Of(joined({&chinese.cut, &shiftJis.cut, &westernCut}));

  // Each system decides as its ANSI code page has it; where the readings
  // weigh alike, the system's own wins. Chinese users run on 936: GBK is
  // never misread there.
  bool met = true;
  if (codePages.empty()) codePages = {936, 950, 932, 1252, 65001};
  for (const unsigned codePage : codePages) {
    const bool home = codePage == 936;
    std::printf("== as on code page %u\n", codePage);
    const double gbkGoal = home ? 0 : 1;
    const struct {
      Tally tally;
      const std::vector<Title>& titles;
    } kinds[] = {
        {{"chinese entries", gbkGoal}, chinese.pure},
        {{"chinese with Latin words", gbkGoal}, chinese.mixed},
        {{"chinese cut at 30 bytes", gbkGoal}, chinese.cut},
        {{"big5 phrases", 1, 2}, big5.pure},
        {{"big5 with Latin words", 1, 2}, big5.mixed},
        {{"big5 cut at 30 bytes", 1, 2}, big5.cut},
        {{"shift-jis text", 1, 2}, shiftJis.pure},
        {{"shift-jis with Latin words", 1, 2}, shiftJis.mixed},
        {{"shift-jis cut at 30 bytes", 1, 2}, shiftJis.cut},
        {{"western words", 1}, westernWord},
        {{"western titles", 1}, westernTitle},
        {{"western cut at 30 bytes", 1}, westernCut},
        {{"western running text", 0.3}, westernRunning},
        {{"utf-8 chinese", 1}, utf8Chinese},
        {{"utf-8 japanese", 1, 2}, utf8Japanese},
        {{"utf-8 western", 1}, utf8Western},
        {{"utf-8 beside ASCII words", 1}, utf8Beside},
        {{"utf-8 cut at 30 bytes", 1}, utf8Cut},
    };
    for (auto kind : kinds) {
      kind.tally.CheckAll(kind.titles, codePage);
      met = kind.tally.Report() && met;
    }
  }
  return met ? 0 : 1;
}
