#include <stdio.h>
#include <sys/stat.h>

#include "platform/file.h"
#include "platform/text.h"

namespace platform {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  if (path.find(u'\0') != std::u16string::npos) return;
  file_ = std::fopen(Utf16ToUtf8(path).c_str(), "rb");
  if (file_ == nullptr) return;
  // fopen opens folders too on Linux; Windows refuses them.
  struct stat info {};
  if (fstat(fileno(file_), &info) != 0 || S_ISDIR(info.st_mode)) Close();
}

std::int64_t ReadOnlyFile::Size() {
  if (file_ == nullptr || fseeko(file_, 0, SEEK_END) != 0) return -1;
  return static_cast<std::int64_t>(ftello(file_));
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (file_ == nullptr || count == 0 || offset > static_cast<std::uint64_t>(INT64_MAX)) return 0;
  if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
  return std::fread(buffer, 1, count, file_);
}

}  // namespace platform
