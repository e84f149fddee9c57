#include "tags/field_text.h"

#include <string_view>
#include <utility>
#include <vector>

#include "tags/byte_view.h"
#include "tags/id3_reader.h"

namespace tags {

namespace {

constexpr std::size_t kNoEnd = static_cast<std::size_t>(-1);

// Where the value that starts at `from` ends: its NUL, or the end of the body.
// UTF-16 NULs are two zero bytes at a code unit's place.
std::size_t ValueEnd(ByteView body, std::size_t from, std::size_t unit) {
  for (std::size_t at = from; at + unit <= body.size(); at += unit) {
    if (body.at(at) == 0 && (unit == 1 || body.at(at + 1) == 0)) return at;
  }
  return kNoEnd;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool AllDigits(std::u16string_view text) {
  for (const char16_t c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

// "3/12" gives "03", "103" stays, "0" is no track; "A1" is no number and
// stays as the tag has it.
std::u16string TrackNumber(std::u16string text) {
  std::u16string_view number = TrimBlanks(std::u16string_view(text).substr(0, text.find(u'/')));
  if (number.empty()) return std::u16string();
  if (!AllDigits(number)) return text;
  while (!number.empty() && number.front() == u'0') number.remove_prefix(1);
  if (number.empty()) return std::u16string();
  return (number.size() < 2 ? u"0" : u"") + std::u16string(number);
}

// "2001-05-03" (a 2.4 recording time) gives "2001"; anything else that
// does not start with four digits gives no year.
std::u16string Year(const std::u16string& text) {
  return text.size() >= 4 && AllDigits(std::u16string_view(text).substr(0, 4)) ? text.substr(0, 4)
                                                                               : std::u16string();
}

}  // namespace

std::u16string DecodeTextValues(const unsigned char* bytes, std::size_t count) {
  std::u16string text = DecodeTagText(bytes, count);
  const ByteView body(bytes, count);
  const unsigned char encoding = body.at(0);
  // Without an encoding byte the body is one legacy text.
  if (body.empty() || encoding > 3) return text;
  const std::size_t unit = encoding == 1 || encoding == 2 ? 2 : 1;
  std::size_t end = ValueEnd(body, 1, unit);
  std::vector<unsigned char> value;  // the encoding byte and one value
  while (end != kNoEnd && end + unit < count) {
    const std::size_t from = end + unit;
    end = ValueEnd(body, from, unit);
    const std::size_t to = end == kNoEnd ? count : end;
    value.assign(1, encoding);
    value.insert(value.end(), bytes + from, bytes + to);
    const std::u16string next = DecodeTagText(value.data(), value.size());
    if (next.empty()) continue;
    if (!text.empty()) text += u'/';
    text += next;
  }
  return text;
}

std::u16string FieldValue(FieldForm form, std::u16string text) {
  switch (form) {
    case FieldForm::TrackNumber:
      return TrackNumber(std::move(text));
    case FieldForm::Year:
      return Year(text);
    case FieldForm::Text:
      break;
  }
  return text;
}

}  // namespace tags
