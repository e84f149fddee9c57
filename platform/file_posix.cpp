#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

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
  struct stat info {};
  if (file_ == nullptr || fstat(fileno(file_), &info) != 0) return -1;
  return static_cast<std::int64_t>(info.st_size);
}

// Straight to the descriptor: one system call per read, where the C library
// would seek, learn the file's block size and fill a buffer of its own.
std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (file_ == nullptr || count == 0 || offset > static_cast<std::uint64_t>(INT64_MAX)) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n =
        pread(fileno(file_), out + got, count - got, static_cast<off_t>(offset + got));
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

}  // namespace platform
