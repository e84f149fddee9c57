#include "tags/tag_source.h"

#include <cstring>

namespace tags {

void TagSource::OpenFile(const std::u16string& path) {
  file_ = platform::ReadOnlyFile(path);
  open_ = file_.IsOpen();
  sizeKnown_ = false;
  size_ = 0;
  bytes_ = nullptr;
  blockOffset_ = 0;
  blockLength_ = 0;
}

void TagSource::OverBytes(const unsigned char* bytes, std::size_t size) {
  file_.Close();
  open_ = true;
  sizeKnown_ = true;
  size_ = size;
  bytes_ = bytes;
  blockOffset_ = 0;
  blockLength_ = 0;
}

std::uint64_t TagSource::Size() {
  if (!sizeKnown_ && open_) {
    const std::int64_t size = file_.Size();
    size_ = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    sizeKnown_ = true;
  }
  return size_;
}

std::size_t TagSource::ReadAt(std::uint64_t offset, unsigned char* out, std::size_t count) {
  if (!open_ || count == 0) return 0;
  if (bytes_ != nullptr) {
    if (offset >= size_) return 0;
    const std::uint64_t available = size_ - offset;
    if (count > available) count = static_cast<std::size_t>(available);
    std::memcpy(out, bytes_ + offset, count);
    return count;
  }
  const bool inBlock = offset >= blockOffset_ && offset - blockOffset_ <= blockLength_ &&
                       blockLength_ - (offset - blockOffset_) >= count;
  if (!inBlock) {
    // Large reads go straight to the caller; only small ones refill the block.
    if (count > kPage) return file_.ReadAt(offset, out, count);
    blockOffset_ = offset - offset % kPage;
    // One page holds a frame header and the text frames after it, unless
    // they start near its end.
    const std::size_t want = offset % kPage + count + kAhead <= kPage ? kPage : kBlockSize;
    blockLength_ = file_.ReadAt(blockOffset_, block_, want);
    const std::uint64_t before = offset - blockOffset_;
    if (blockLength_ <= before) return 0;
    if (count > blockLength_ - before) count = static_cast<std::size_t>(blockLength_ - before);
  }
  std::memcpy(out, block_ + (offset - blockOffset_), count);
  return count;
}

}  // namespace tags
