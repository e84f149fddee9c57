#include "tracks/name_style.h"

#include <array>
#include <string>

#include "platform/text.h"
#include "tracks/name_text.h"

namespace {

// A field's placeholder is its name between percent signs: "%title%".
struct Placeholder {
  char16_t text[16] = {};
  std::size_t length = 0;

  std::u16string_view View() const { return std::u16string_view(text, length); }
};

constexpr std::array<Placeholder, kTagFieldCount> MakePlaceholders() {
  std::array<Placeholder, kTagFieldCount> placeholders{};
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    Placeholder& placeholder = placeholders[i];
    placeholder.text[placeholder.length++] = u'%';
    for (const char* c = kTagFields[i].name; *c != 0; ++c)
      placeholder.text[placeholder.length++] = static_cast<char16_t>(*c);
    placeholder.text[placeholder.length++] = u'%';
  }
  return placeholders;
}

// In the order of kTagFields, made from it as the program is built.
constexpr std::array<Placeholder, kTagFieldCount> kPlaceholders = MakePlaceholders();

// The index of the field whose placeholder starts at `at`, or kTagFieldCount.
std::size_t PlaceholderAt(std::u16string_view style, std::size_t at) {
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    const std::u16string_view placeholder = kPlaceholders[i].View();
    if (style.substr(at, placeholder.size()) == placeholder) return i;
  }
  return kTagFieldCount;
}

}  // namespace

std::u16string ForbiddenCharsMessage() {
  std::u16string message = u"文件名中不能包含这些字符: ";
  for (const char16_t c : kForbiddenNameChars) {
    message += c;
    message += u' ';
  }
  return message;
}

bool HasForbiddenNameChar(std::u16string_view style) {
  return style.find_first_of(kForbiddenNameChars) != std::u16string_view::npos;
}

bool HasPlaceholder(std::u16string_view style) {
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    if (kTagFields[i].namesFile && style.find(kPlaceholders[i].View()) != std::u16string_view::npos)
      return true;
  }
  return false;
}

std::u16string NoPlaceholderMessage() {
  std::u16string message = u"文件名修改格式中至少要包含 ";
  bool first = true;
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    if (!kTagFields[i].namesFile) continue;
    if (!first) message += u", ";
    first = false;
    message += kPlaceholders[i].View();
  }
  return message + u" 其中之一.";
}

std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry) {
  std::u16string name;
  MakeNewNameInto(style, entry, name);
  return name;
}

FitTexts TextsFitForName(const TrackEntry& entry) {
  static_assert(kTagFieldCount <= sizeof(FitTexts) * 8, "a bit for each field");
  FitTexts fit = 0;
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    const std::optional<std::u16string>& text = entry.*kTagFields[i].member;
    if (!text || IsFitForName(*text)) fit |= 1u << i;
  }
  return fit;
}

bool MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name,
                     FitTexts fit) {
  name.clear();
  // Room for the usual style, each text once, so that it rarely reallocates.
  std::size_t room = style.size() + 4;
  for (const TagField& field : kTagFields) {
    if (const std::optional<std::u16string>& text = entry.*field.member) room += text->size();
  }
  name.reserve(room);
  std::size_t literal = 0;   // where the style's text before the next placeholder starts
  bool anyText = false;      // a placeholder before this one gave text
  bool lastHadText = false;  // the latest placeholder gave text
  bool named = false;        // title, artist or album gave text
  for (std::size_t at = style.find(u'%'); at != std::u16string_view::npos;
       at = style.find(u'%', at)) {
    const std::size_t index = PlaceholderAt(style, at);
    if (index == kTagFieldCount) {
      ++at;
      continue;
    }
    const TagField& field = kTagFields[index];
    // The style's text before a placeholder goes with the placeholder's
    // text: between two texts, and before the first text only where that
    // is the style's first placeholder.
    const std::size_t mark = name.size();
    if (anyText || literal == 0) name.append(style.substr(literal, at - literal));
    const std::size_t textStart = name.size();
    if (const std::optional<std::u16string>& text = entry.*field.member) {
      if (fit & (1u << index)) {
        name.append(*text);
      } else {
        AppendFitForName(name, *text);
      }
    }
    lastHadText = name.size() > textStart;
    if (lastHadText) {
      anyText = true;
      named = named || field.namesFile;
    } else {
      name.resize(mark);
    }
    at += kPlaceholders[index].length;
    literal = at;
  }
  if (!named) {
    name.clear();
    return false;
  }
  if (lastHadText) name.append(style.substr(literal));
  name += u".mp3";
  return true;
}

std::u16string_view FileNamePart(std::u16string_view path) {
  const std::size_t separator = path.rfind(platform::kPathSeparator);
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string_view NewNameStatus(std::u16string_view path, std::u16string_view newName) {
  return FileNamePart(path) == newName ? kStatusRenamed : kStatusUnchanged;
}
