#include "tags/utf8_reading.h"

#include "platform/text.h"

namespace tags {

Utf8Reading ReadUtf8(const unsigned char* bytes, std::size_t count, bool fullField) {
  Utf8Reading reading;
  reading.text.reserve(count);
  bool multiByte = false;
  for (std::size_t i = 0; i < count;) {
    const platform::Utf8Sequence sequence = platform::NextUtf8Sequence(bytes + i, count - i);
    if (!sequence.wellFormed) {
      if (sequence.cut && fullField) break;
      return Utf8Reading{};
    }
    multiByte = multiByte || sequence.length > 1;
    platform::AppendUtf16(reading.text, sequence.codePoint);
    i += sequence.length;
  }
  reading.wellFormed = multiByte;
  return reading;
}

}  // namespace tags
