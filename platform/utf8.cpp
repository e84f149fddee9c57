#include "platform/text.h"

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

void AppendUtf16(std::u16string& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    out += static_cast<char16_t>(codePoint);
  } else {
    codePoint -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
  }
}

Utf8Sequence NextUtf8Sequence(const unsigned char* bytes, std::size_t count) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return {1, lead, true, false};
  std::size_t trailing = 0;
  char32_t codePoint = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    trailing = 1, codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trailing = 2, codePoint = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trailing = 3, codePoint = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {1, kReplacement, false, false};
  }
  for (std::size_t k = 1; k <= trailing; ++k) {
    if (k >= count) return {k, kReplacement, false, true};
    const unsigned char next = bytes[k];
    const bool fits = k == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
    // The byte that broke the sequence starts the next one.
    if (!fits) return {k, kReplacement, false, false};
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  return {trailing + 1, codePoint, true, false};
}

std::string Utf16ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string DecodeUtf8(const unsigned char* bytes, std::size_t count, Utf8Policy policy) {
  std::u16string out;
  out.reserve(count);
  for (std::size_t i = 0; i < count;) {
    if (bytes[i] == 0 && policy == Utf8Policy::TagText) break;
    const Utf8Sequence sequence = NextUtf8Sequence(bytes + i, count - i);
    AppendUtf16(out, sequence.codePoint);
    i += sequence.length;
  }
  return out;
}

std::u16string Utf8ToUtf16(const std::string& text) {
  return DecodeUtf8(reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                    Utf8Policy::Path);
}

}  // namespace platform
