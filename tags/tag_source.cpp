#include "tags/tag_source.h"

#include <cstring>

namespace tags {

TagSource TagSource::OpenFile(const std::u16string& path) {
  TagSource source;
  source.file_ = platform::ReadOnlyFile(path);
  if (!source.file_.IsOpen()) return source;
  const std::int64_t size = source.file_.Size();
  if (size < 0) return source;
  source.size_ = static_cast<std::uint64_t>(size);
  source.open_ = true;
  return source;
}

TagSource TagSource::OverBytes(const unsigned char* bytes, std::size_t size) {
  TagSource source;
  source.bytes_ = bytes;
  source.size_ = size;
  source.open_ = true;
  return source;
}

std::size_t TagSource::ReadAt(std::uint64_t offset, unsigned char* out, std::size_t count) {
  if (!open_ || offset >= size_ || count == 0) return 0;
  const std::uint64_t available = size_ - offset;
  if (count > available) count = static_cast<std::size_t>(available);
  if (bytes_ != nullptr) {
    std::memcpy(out, bytes_ + offset, count);
    return count;
  }
  const bool inBlock = offset >= blockOffset_ && offset - blockOffset_ <= blockLength_ &&
                       blockLength_ - (offset - blockOffset_) >= count;
  if (!inBlock) {
    // Large reads go straight to the caller; only small ones refill the block.
    if (count >= kBlockSize) return file_.ReadAt(offset, out, count);
    blockOffset_ = offset;
    blockLength_ = file_.ReadAt(offset, block_, kBlockSize);
    if (blockLength_ < count) count = blockLength_;
  }
  std::memcpy(out, block_ + (offset - blockOffset_), count);
  return count;
}

}  // namespace tags
