#include <windows.h>

#include "platform/file_identity.h"
#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {
namespace {

bool HasNul(const std::u16string& path) { return path.find(u'\0') != std::u16string::npos; }

bool Identify(const std::u16string& path, BY_HANDLE_FILE_INFORMATION& info) {
  if (HasNul(path)) return false;
  // Attributes only and every sharing mode: a file that another program
  // holds open can still be identified. Backup semantics open folders too.
  const UniqueHandle file(CreateFileW(
      Wide(path), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  return file && GetFileInformationByHandle(file.get(), &info) != 0;
}

}  // namespace

bool IsSameFile(const std::u16string& a, const std::u16string& b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return Identify(a, first) && Identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::optional<std::u16string> NameOnDisk(const std::u16string& path) {
  // Wildcards would make the search match other names.
  if (HasNul(path) || path.find_first_of(u"*?") != std::u16string::npos) return std::nullopt;
  WIN32_FIND_DATAW data{};
  const UniqueFindHandle find(FindFirstFileW(Wide(path), &data));
  if (!find) return std::nullopt;
  return FromWide(data.cFileName);
}

}  // namespace platform
