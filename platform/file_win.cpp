#include <stdio.h>

#include "platform/file.h"
#include "platform/long_path.h"
#include "platform/wide.h"

namespace platform {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  // A path with a NUL inside would open a different, shorter path.
  if (path.find(u'\0') != std::u16string::npos) return;
  file_ = _wfopen(LongPath(path).c_str(), L"rb");
}

std::int64_t ReadOnlyFile::Size() {
  if (file_ == nullptr || _fseeki64(file_, 0, SEEK_END) != 0) return -1;
  return _ftelli64(file_);
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (file_ == nullptr || count == 0 || offset > static_cast<std::uint64_t>(INT64_MAX)) return 0;
  if (_fseeki64(file_, static_cast<long long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(buffer, 1, count, file_);
}

}  // namespace platform
