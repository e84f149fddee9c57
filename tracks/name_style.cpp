#include "tracks/name_style.h"

#include <string>

#include "platform/text.h"
#include "tracks/name_text.h"

namespace {

// A field's placeholder is its name between percent signs: "%title%".
std::size_t PlaceholderLength(const TagField& field) {
  return std::char_traits<char>::length(field.name) + 2;
}

// The field whose placeholder starts at `at`, or null.
const TagField* PlaceholderAt(std::u16string_view style, std::size_t at) {
  if (style[at] != u'%') return nullptr;
  for (const TagField& field : kTagFields) {
    const std::size_t length = PlaceholderLength(field);
    if (style.size() - at < length || style[at + length - 1] != u'%') continue;
    std::size_t i = 0;
    while (field.name[i] != 0 && style[at + 1 + i] == static_cast<unsigned char>(field.name[i]))
      ++i;
    if (field.name[i] == 0) return &field;
  }
  return nullptr;
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
  for (std::size_t at = style.find(u'%'); at != std::u16string_view::npos;
       at = style.find(u'%', at + 1)) {
    const TagField* field = PlaceholderAt(style, at);
    if (field != nullptr && field->namesFile) return true;
  }
  return false;
}

std::u16string NoPlaceholderMessage() {
  std::u16string message = u"文件名修改格式中至少要包含 ";
  bool first = true;
  for (const TagField& field : kTagFields) {
    if (!field.namesFile) continue;
    if (!first) message += u", ";
    first = false;
    message += u'%';
    for (const char* c = field.name; *c != 0; ++c) message += static_cast<char16_t>(*c);
    message += u'%';
  }
  return message + u" 其中之一.";
}

std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry) {
  std::u16string name;
  MakeNewNameInto(style, entry, name);
  return name;
}

bool MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name) {
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
    const TagField* field = PlaceholderAt(style, at);
    if (field == nullptr) {
      ++at;
      continue;
    }
    // The style's text before a placeholder goes with the placeholder's
    // text: between two texts, and before the first text only where that
    // is the style's first placeholder.
    const std::size_t mark = name.size();
    if (anyText || literal == 0) name.append(style.substr(literal, at - literal));
    const std::size_t textStart = name.size();
    if (const std::optional<std::u16string>& text = entry.*field->member) {
      AppendFitForName(name, *text);
    }
    lastHadText = name.size() > textStart;
    if (lastHadText) {
      anyText = true;
      named = named || field->namesFile;
    } else {
      name.resize(mark);
    }
    at += PlaceholderLength(*field);
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
