#pragma once
// A file opened for binary reading by its UTF-16 path.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  explicit ReadOnlyFile(const std::u16string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  void Close();

  // Length in bytes, or -1 when it cannot be told.
  std::int64_t Size();

  // Reads up to count bytes from offset; returns how many came. Bytes past
  // the end of the file simply do not come.
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace platform
