#include "tracks/name_style.h"

#include "platform/text.h"

namespace {

struct Placeholder {
  std::u16string_view text;
  std::optional<std::u16string> TrackEntry::*member;
};

// In the order the user is told of them.
constexpr Placeholder kPlaceholders[] = {
    {u"%title%", &TrackEntry::title},
    {u"%artist%", &TrackEntry::artist},
    {u"%album%", &TrackEntry::album},
};

const Placeholder* PlaceholderAt(std::u16string_view style, std::size_t at) {
  for (const Placeholder& placeholder : kPlaceholders) {
    if (style.substr(at, placeholder.text.size()) == placeholder.text) return &placeholder;
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
  for (const Placeholder& placeholder : kPlaceholders) {
    if (style.find(placeholder.text) != std::u16string_view::npos) return true;
  }
  return false;
}

std::u16string NoPlaceholderMessage() {
  std::u16string message = u"文件名修改格式中至少要包含 ";
  for (const Placeholder& placeholder : kPlaceholders) {
    if (&placeholder != kPlaceholders) message += u", ";
    message += placeholder.text;
  }
  return message + u" 其中之一.";
}

std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry) {
  std::u16string name;
  MakeNewNameInto(style, entry, name);
  return name;
}

void MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name) {
  const auto length = [](const std::optional<std::u16string>& text) {
    return text ? text->size() : 0;
  };
  // Room for the usual style, each placeholder once, so that it rarely reallocates.
  name.clear();
  name.reserve(style.size() + length(entry.title) + length(entry.artist) + length(entry.album) + 4);
  std::size_t copied = 0;  // the style up to here is in name already
  for (std::size_t at = style.find(u'%'); at != std::u16string_view::npos;
       at = style.find(u'%', at)) {
    const Placeholder* placeholder = PlaceholderAt(style, at);
    if (placeholder == nullptr) {
      ++at;
      continue;
    }
    name.append(style.substr(copied, at - copied));
    if (const std::optional<std::u16string>& text = entry.*placeholder->member) name += *text;
    at += placeholder->text.size();
    copied = at;
  }
  name.append(style.substr(copied));
  name += u".mp3";
}

std::u16string_view FileNamePart(std::u16string_view path) {
  const std::size_t separator = path.rfind(platform::kPathSeparator);
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string_view NewNameStatus(std::u16string_view path, std::u16string_view newName) {
  return FileNamePart(path) == newName ? kStatusRenamed : kStatusUnchanged;
}
