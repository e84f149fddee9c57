#pragma once
// Where the reader's bytes come from: a file opened for binary reading, or
// bytes in memory (tests and the fuzzer). Small reads are served from one
// block read ahead, so a frame header and the text frames after it cost one
// read of the file, not one each.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file.h"

namespace tags {

class TagSource {
 public:
  TagSource() = default;
  static TagSource OpenFile(const std::u16string& path);
  // Reads the caller's bytes in place; they must outlive the source.
  static TagSource OverBytes(const unsigned char* bytes, std::size_t size);

  bool IsOpen() const { return open_; }
  std::uint64_t Size() const { return size_; }

  // Copies up to count bytes from offset; returns how many there were.
  std::size_t ReadAt(std::uint64_t offset, unsigned char* out, std::size_t count);

 private:
  static constexpr std::size_t kBlockSize = 4096;

  bool open_ = false;
  std::uint64_t size_ = 0;
  platform::ReadOnlyFile file_;
  const unsigned char* bytes_ = nullptr;
  unsigned char block_[kBlockSize] = {};
  std::uint64_t blockOffset_ = 0;
  std::size_t blockLength_ = 0;
};

}  // namespace tags
