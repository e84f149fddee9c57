#include "support/id3_builder.h"

#include <stdexcept>

namespace test_support {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Utf8(const std::u16string& text) {
  Bytes out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t{text[++i]} - 0xDC00);
    }
    if (c < 0x80) {
      out.push_back(static_cast<unsigned char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<unsigned char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<unsigned char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<unsigned char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<unsigned char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

Bytes Utf16Le(const std::u16string& text) {
  Bytes out;
  for (const char16_t c : text) {
    out.push_back(static_cast<unsigned char>(c & 0xFF));
    out.push_back(static_cast<unsigned char>(c >> 8));
  }
  return out;
}

Bytes Utf16Be(const std::u16string& text) {
  Bytes out;
  for (const char16_t c : text) {
    out.push_back(static_cast<unsigned char>(c >> 8));
    out.push_back(static_cast<unsigned char>(c & 0xFF));
  }
  return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes TextBody(unsigned char encoding, const Bytes& text) {
  // Reserved first: GCC 12 at -O3 warns falsely about inserting into a
  // vector of one element.
  Bytes out;
  out.reserve(text.size() + 1);
  out.push_back(encoding);
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

std::uint32_t Synchsafe(std::uint32_t value) {
  return (value & 0x7F) | ((value & 0x3F80) << 1) | ((value & 0x1FC000) << 2) |
         ((value & 0xFE00000) << 3);
}

namespace {

void PutBigEndian(Bytes& out, std::uint32_t value, int width) {
  for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
    out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
  }
}

}  // namespace

Bytes FrameBytes(const Frame& frame, const TagOptions& options) {
  Bytes out(frame.id.begin(), frame.id.end());
  const Bytes body = frame.unsynchronise ? Unsynchronise(frame.body) : frame.body;
  const auto size = static_cast<std::uint32_t>(body.size());
  if (options.version == 2) {
    PutBigEndian(out, size, 3);
  } else {
    const bool synchsafe = options.version == 4 && !options.plainSizesIn24;
    PutBigEndian(out, synchsafe ? Synchsafe(size) : size, 4);
    PutBigEndian(out, frame.flags, 2);
  }
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes Unsynchronise(const Bytes& bytes) {
  Bytes out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out.push_back(bytes[i]);
    if (bytes[i] == 0xFF &&
        (i + 1 == bytes.size() || bytes[i + 1] == 0x00 || bytes[i + 1] >= 0xE0)) {
      out.push_back(0x00);
    }
  }
  return out;
}

Bytes Id3v2(const std::vector<Frame>& frames, const TagOptions& options) {
  Bytes body = options.extendedHeader;
  for (const Frame& frame : frames) {
    const Bytes bytes = FrameBytes(frame, options);
    body.insert(body.end(), bytes.begin(), bytes.end());
  }
  unsigned char flags = options.flags;
  if (options.unsynchronise) {
    body = Unsynchronise(body);
    flags = static_cast<unsigned char>(flags | 0x80);
  }
  body.insert(body.end(), options.padding, 0);
  Bytes out{'I', 'D', '3', static_cast<unsigned char>(options.version), 0, flags};
  PutBigEndian(out, Synchsafe(static_cast<std::uint32_t>(body.size())), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes Id3v1(const Bytes& title, const Bytes& artist, const Bytes& album, const Bytes& year,
            unsigned char track) {
  Bytes out{'T', 'A', 'G'};
  for (const Bytes* field : {&title, &artist, &album}) {
    if (field->size() > 30) throw std::invalid_argument("ID3v1 fields hold 30 bytes");
    out.insert(out.end(), field->begin(), field->end());
    out.insert(out.end(), 30 - field->size(), 0);
  }
  if (year.size() > 4) throw std::invalid_argument("the ID3v1 year holds 4 bytes");
  out.insert(out.end(), year.begin(), year.end());
  out.insert(out.end(), 35 - year.size(), 0);
  // ID3v1.1: the comment's last byte, after a zero byte.
  out[126] = track;
  return out;
}

Bytes FakeAudio(std::size_t size) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<unsigned char>(0x55 ^ (i * 7));
  // An MPEG frame sync at the start, as real audio has.
  if (size >= 2) out[0] = 0xFF, out[1] = 0xFB;
  return out;
}

}  // namespace test_support
