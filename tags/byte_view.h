#pragma once
// A bounds-checked view of bytes read from an untrusted tag. Every access
// checks the bytes that remain; a short view yields zeros and false, never a
// read past its end.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace tags {

class ByteView {
 public:
  ByteView() = default;
  ByteView(const unsigned char* data, std::size_t size)
      : data_(size ? data : nullptr), size_(size) {}

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const unsigned char* data() const { return data_; }

  // The byte at index, or 0 past the end.
  unsigned char at(std::size_t index) const { return index < size_ ? data_[index] : 0; }

  // The first count bytes, or fewer when fewer remain.
  ByteView First(std::size_t count) const { return ByteView(data_, count < size_ ? count : size_); }

  // Everything after the first count bytes; empty when count reaches the end.
  ByteView After(std::size_t count) const {
    return count < size_ ? ByteView(data_ + count, size_ - count) : ByteView();
  }

  bool StartsWith(std::initializer_list<unsigned char> prefix) const {
    if (prefix.size() > size_) return false;
    std::size_t i = 0;
    for (const unsigned char byte : prefix) {
      if (data_[i++] != byte) return false;
    }
    return true;
  }

  // Big-endian number of width bytes (at most 4) from index; 0 if short.
  std::uint32_t BigEndian(std::size_t index, std::size_t width) const {
    if (width > 4 || index > size_ || size_ - index < width) return 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value = (value << 8) | data_[index + i];
    return value;
  }

  // Four bytes of 7 bits each, the high bit of each masked off.
  std::uint32_t Synchsafe(std::size_t index) const {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 7) | (at(index + i) & 0x7Fu);
    return value;
  }

 private:
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace tags
