#include "support/links.h"

#ifdef _WIN32
#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>
#endif

#include <system_error>

namespace fs = std::filesystem;

namespace test_support {
namespace {

#ifdef _WIN32
// A junction: an empty folder given a mount-point reparse point whose
// substitute name is the target in the "\??\" form.
void MakeJunction(const fs::path& target, const fs::path& link) {
  if (!CreateDirectoryW(link.c_str(), nullptr)) return;
  const std::wstring substitute = L"\\??\\" + target.wstring();
  const std::size_t nameBytes = substitute.size() * sizeof(wchar_t);
  // Tag, data length, reserved; then the name offsets and lengths; then the
  // substitute name and an empty print name, each ending in a NUL.
  std::vector<unsigned char> buffer(8 + 8 + nameBytes + 2 * sizeof(wchar_t), 0);
  const auto put16 = [&](std::size_t at, std::size_t value) {
    buffer[at] = static_cast<unsigned char>(value & 0xFF);
    buffer[at + 1] = static_cast<unsigned char>(value >> 8);
  };
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  std::memcpy(buffer.data(), &tag, sizeof(tag));
  put16(4, buffer.size() - 8);
  put16(10, nameBytes);                    // substitute name length
  put16(12, nameBytes + sizeof(wchar_t));  // print name offset
  std::memcpy(buffer.data() + 16, substitute.data(), nameBytes);
  const HANDLE folder =
      CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return;
  DWORD returned = 0;
  const BOOL made =
      DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                      static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
  CloseHandle(folder);
  if (!made) RemoveDirectoryW(link.c_str());
}
#endif

}  // namespace

bool LinkFolder(const fs::path& target, const fs::path& link) {
  std::error_code error;
#ifdef _WIN32
  if (!CreateSymbolicLinkW(
          link.c_str(), target.c_str(),
          SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
      !fs::exists(link, error)) {
    MakeJunction(target, link);
  }
  return fs::exists(link, error);
#else
  fs::create_directory_symlink(target, link, error);
  return !error;
#endif
}

bool LinkFile(const fs::path& target, const fs::path& link) {
  std::error_code error;
#ifdef _WIN32
  CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
  return fs::exists(link, error);
#else
  fs::create_symlink(target, link, error);
  return !error;
#endif
}

}  // namespace test_support
