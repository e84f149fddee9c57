#include "platform/file_identity.h"

namespace platform {
namespace {

std::uint64_t LittleEndian64(const unsigned char* bytes) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

}  // namespace

FileId FileIdFrom128(std::uint64_t volumeSerial, const unsigned char (&identifier)[16]) {
  return FileId{volumeSerial, LittleEndian64(identifier + 8), LittleEndian64(identifier)};
}

FileId FileIdFromIndex(std::uint32_t volumeSerial, std::uint32_t indexHigh,
                       std::uint32_t indexLow) {
  return FileId{volumeSerial, 0, (std::uint64_t{indexHigh} << 32) | indexLow};
}

bool IsSameFile(const std::u16string& a, const std::u16string& b) {
  return SameFileId(IdentifyFile(a), IdentifyFile(b));
}

}  // namespace platform
