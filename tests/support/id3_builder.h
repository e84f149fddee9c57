#pragma once
// Builds ID3 tag bytes for tests, so that no test depends on files from
// outside the project.

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

using Bytes = std::vector<unsigned char>;

Bytes ToBytes(const std::string& text);
Bytes Utf8(const std::u16string& text);
Bytes Utf16Le(const std::u16string& text);
Bytes Utf16Be(const std::u16string& text);
Bytes Concat(std::initializer_list<Bytes> parts);

// A text frame body: the encoding byte, then the encoded text.
Bytes TextBody(unsigned char encoding, const Bytes& text);

struct Frame {
  std::string id;  // four letters (three for version 2)
  Bytes body;
  std::uint16_t flags = 0;
  // Version 4: the body is unsynchronised on its own and the size counts the
  // bytes after that. Set flag 0x0002 (or the tag's 0x80) yourself.
  bool unsynchronise = false;
};

struct TagOptions {
  int version = 3;  // 2, 3 or 4
  unsigned char flags = 0;
  Bytes extendedHeader;  // written as given after the header (set flag 0x40 yourself)
  std::size_t padding = 0;
  bool plainSizesIn24 = false;  // the writer bug: 32-bit plain sizes in a 2.4 tag
  bool unsynchronise = false;   // whole-tag unsynchronisation; sets flag 0x80
};

// Frame bytes for one frame in the given version's layout.
Bytes FrameBytes(const Frame& frame, const TagOptions& options);

// A whole ID3v2 tag: header, frames, padding.
Bytes Id3v2(const std::vector<Frame>& frames, const TagOptions& options = {});

// The unsynchronisation scheme: 00 inserted after every FF that is followed
// by 00 or a byte from E0 up (and after a final FF).
Bytes Unsynchronise(const Bytes& bytes);

// 128 bytes: "TAG" then title, artist, album of 30 bytes each (NUL padded),
// the year (NUL padded to 4 bytes), the comment zeroed but for an ID3v1.1
// track number in its last byte, and genre 0.
Bytes Id3v1(const Bytes& title, const Bytes& artist, const Bytes& album, const Bytes& year = {},
            unsigned char track = 0);

// Some bytes standing for audio frames.
Bytes FakeAudio(std::size_t size);

std::uint32_t Synchsafe(std::uint32_t value);

}  // namespace test_support
