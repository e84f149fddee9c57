#include "tracks/name_style.h"

#include "platform/text.h"

namespace {

// Bounds for a rewrite that would never end: a name this long or this many
// replacements means the inserted texts keep re-creating the placeholder.
constexpr std::size_t kMaxRewrittenLength = 32768;
constexpr std::size_t kMaxReplacements = 20000;

// Every occurrence in the original text replaced once, left to right; the
// inserted texts are not searched again.
void ReplaceOnce(std::u16string& text, std::u16string_view placeholder,
                 std::u16string_view replacement) {
  std::u16string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(placeholder); at != std::u16string::npos;
       at = text.find(placeholder, from)) {
    out.append(text, from, at - from);
    out.append(replacement);
    from = at + placeholder.size();
  }
  out.append(text, from, std::u16string::npos);
  text = std::move(out);
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

void ReplaceAll(std::u16string& text, std::u16string_view placeholder,
                std::u16string_view replacement) {
  if (placeholder.empty()) return;
  // Searching again from the start after each replacement would find the
  // placeholder inside its own replacement for ever.
  if (replacement.find(placeholder) != std::u16string_view::npos) {
    ReplaceOnce(text, placeholder, replacement);
    return;
  }
  std::size_t at = text.find(placeholder);
  const std::size_t firstAt = at;
  // The text before any replacement, for the fallback. Most styles hold each
  // placeholder once, so it is only made when a second one turns up: by
  // then only the first replacement needs undoing.
  std::u16string original;
  for (std::size_t count = 0; at != std::u16string::npos; ++count) {
    if (count == 1) {
      original = text;
      original.replace(firstAt, replacement.size(), placeholder);
    }
    if (count == kMaxReplacements || text.size() > kMaxRewrittenLength) {
      if (count > 0) text = std::move(original);
      ReplaceOnce(text, placeholder, replacement);
      return;
    }
    text.replace(at, placeholder.size(), replacement);
    // Nothing before `at` changed and no match started there before, so the
    // first match now starts no earlier than this.
    const std::size_t back = placeholder.size() - 1;
    at = text.find(placeholder, at > back ? at - back : 0);
  }
}

std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry) {
  std::u16string name;
  MakeNewNameInto(style, entry, name);
  return name;
}

void MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name) {
  static const std::u16string kNone;
  const auto length = [](const std::optional<std::u16string>& text) {
    return text ? text->size() : 0;
  };
  // Room for the usual style, each placeholder once, so the passes rarely reallocate.
  name.reserve(style.size() + length(entry.title) + length(entry.artist) + length(entry.album) + 4);
  name.assign(style);
  ReplaceAll(name, u"%title%", entry.title ? *entry.title : kNone);
  ReplaceAll(name, u"%artist%", entry.artist ? *entry.artist : kNone);
  ReplaceAll(name, u"%album%", entry.album ? *entry.album : kNone);
  name += u".mp3";
}

std::u16string_view FileNamePart(std::u16string_view path) {
  const std::size_t separator = path.rfind(platform::kPathSeparator);
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string_view NewNameStatus(std::u16string_view path, std::u16string_view newName) {
  return FileNamePart(path) == newName ? kStatusRenamed : kStatusUnchanged;
}
