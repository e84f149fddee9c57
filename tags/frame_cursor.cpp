#include "tags/frame_cursor.h"

namespace tags {

FrameCursor::FrameCursor(TagSource& source, std::uint64_t begin, std::uint64_t end,
                         bool unsynchronised)
    : source_(source),
      position_(begin < end ? begin : end),
      end_(end),
      unsynchronised_(unsynchronised) {}

bool FrameCursor::NextResynchronised(unsigned char& byte) {
  for (;;) {
    if (bufferAt_ == bufferLength_) {
      const std::uint64_t left = end_ - position_;
      const std::size_t want =
          left < sizeof buffer_ ? static_cast<std::size_t>(left) : sizeof buffer_;
      bufferLength_ = source_.ReadAt(position_, buffer_, want);
      bufferAt_ = 0;
      if (bufferLength_ == 0) return false;
      position_ += bufferLength_;
    }
    const unsigned char next = buffer_[bufferAt_++];
    if (afterFF_ && next == 0) {
      afterFF_ = false;
      continue;
    }
    afterFF_ = next == 0xFF;
    byte = next;
    return true;
  }
}

std::size_t FrameCursor::Read(unsigned char* out, std::size_t count) {
  if (!unsynchronised_) {
    const std::uint64_t left = end_ - position_;
    if (count > left) count = static_cast<std::size_t>(left);
    const std::size_t got = source_.ReadAt(position_, out, count);
    position_ += got;
    return got;
  }
  std::size_t got = 0;
  while (got < count && NextResynchronised(out[got])) ++got;
  return got;
}

bool FrameCursor::Skip(std::uint64_t count) {
  if (!unsynchronised_) {
    if (count > end_ - position_) return false;
    position_ += count;
    return true;
  }
  unsigned char byte = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (!NextResynchronised(byte)) return false;
  }
  return true;
}

std::size_t Resynchronise(unsigned char* bytes, std::size_t count) {
  std::size_t kept = 0;
  bool afterFF = false;
  for (std::size_t i = 0; i < count; ++i) {
    if (afterFF && bytes[i] == 0) {
      afterFF = false;
      continue;
    }
    afterFF = bytes[i] == 0xFF;
    bytes[kept++] = bytes[i];
  }
  return kept;
}

}  // namespace tags
