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
  // Asked only where needed: telling the size costs a seek to the end.
  std::uint64_t Size();

  // Copies up to count bytes from offset; returns how many there were.
  // Needs no size: a read past the end simply comes up short.
  std::size_t ReadAt(std::uint64_t offset, unsigned char* out, std::size_t count);

 private:
  // Two pages, refilled from a page boundary: a small read then costs one
  // system call, which the C library would otherwise split at the boundary.
  static constexpr std::size_t kPage = 4096;
  static constexpr std::size_t kBlockSize = 2 * kPage;

  bool open_ = false;
  bool sizeKnown_ = false;
  std::uint64_t size_ = 0;
  platform::ReadOnlyFile file_;
  const unsigned char* bytes_ = nullptr;
  unsigned char block_[kBlockSize] = {};
  std::uint64_t blockOffset_ = 0;
  std::size_t blockLength_ = 0;
};

}  // namespace tags
