#pragma once
// Walks the frame area of an ID3v2 tag front to back. In a tag that was
// unsynchronised as a whole (the 2.2 and 2.3 tag flag 0x80) frame sizes count
// the bytes after resynchronisation, so the cursor undoes it as it goes; the
// area's end stays in file bytes. Skipping costs no reading unless the tag is
// unsynchronised, and then it reads through a fixed buffer.

#include <cstddef>
#include <cstdint>

#include "tags/tag_source.h"

namespace tags {

class FrameCursor {
 public:
  FrameCursor(TagSource& source, std::uint64_t begin, std::uint64_t end, bool unsynchronised);

  // Reads up to count bytes of tag content; returns how many came before the
  // end of the area.
  std::size_t Read(unsigned char* out, std::size_t count);

  // Moves past count bytes of tag content; false if the area ends first.
  bool Skip(std::uint64_t count);

  // File bytes left in the area (which may claim more than the file holds):
  // never less than the tag content left.
  std::uint64_t FileBytesLeft() const { return end_ - position_ + (bufferLength_ - bufferAt_); }
  std::uint64_t FilePosition() const { return position_ - (bufferLength_ - bufferAt_); }
  std::uint64_t End() const { return end_; }

 private:
  bool NextResynchronised(unsigned char& byte);

  TagSource& source_;
  std::uint64_t position_;  // next file byte not yet taken into the buffer
  std::uint64_t end_;
  bool unsynchronised_;
  bool afterFF_ = false;
  unsigned char buffer_[4096];  // filled before it is read
  std::size_t bufferAt_ = 0, bufferLength_ = 0;
};

// Undoes unsynchronisation in place (every FF 00 becomes FF); returns the new
// length.
std::size_t Resynchronise(unsigned char* bytes, std::size_t count);

}  // namespace tags
