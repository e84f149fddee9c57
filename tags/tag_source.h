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

// Opened in place, never copied: the block is large, and left unset until
// a read fills it.
class TagSource {
 public:
  TagSource() {}
  TagSource(const TagSource&) = delete;
  TagSource& operator=(const TagSource&) = delete;

  void OpenFile(const std::u16string& path);
  // Reads the caller's bytes in place; they must outlive the source.
  void OverBytes(const unsigned char* bytes, std::size_t size);

  bool IsOpen() const { return open_; }
  // Asked only where needed: telling the size costs a seek to the end.
  std::uint64_t Size();

  // Copies up to count bytes from offset; returns how many there were.
  // Needs no size: a read past the end simply comes up short.
  std::size_t ReadAt(std::uint64_t offset, unsigned char* out, std::size_t count);

 private:
  // Refilled from a page boundary with one page, or two where the read
  // starts near the end of one: a small read then costs one system call and
  // copies little more than it needs.
  static constexpr std::size_t kPage = 4096;
  static constexpr std::size_t kBlockSize = 2 * kPage;
  static constexpr std::size_t kAhead = 512;

  bool open_ = false;
  bool sizeKnown_ = false;
  std::uint64_t size_ = 0;
  platform::ReadOnlyFile file_;
  const unsigned char* bytes_ = nullptr;
  unsigned char block_[kBlockSize];
  std::uint64_t blockOffset_ = 0;
  std::size_t blockLength_ = 0;
};

}  // namespace tags
