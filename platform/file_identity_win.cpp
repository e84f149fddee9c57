#include <windows.h>

#include "platform/file_identity.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/wide.h"

namespace platform {
namespace {

bool HasNul(const std::u16string& path) { return path.find(u'\0') != std::u16string::npos; }

bool Identify(const std::u16string& path, BY_HANDLE_FILE_INFORMATION& info,
              bool followLinks = false) {
  if (HasNul(path)) return false;
  // "D:" names the drive's current folder; its root is meant.
  const std::u16string full = !path.empty() && path.back() == u':' ? path + u'\\' : path;
  // Attributes only and every sharing mode: a file that another program
  // holds open can still be identified. Backup semantics open folders too.
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  const UniqueHandle file(CreateFileW(LongPath(full).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, flags, nullptr));
  return file && GetFileInformationByHandle(file.get(), &info) != 0;
}

std::optional<FileId> IdOf(const std::u16string& path, bool followLinks) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!Identify(path, info, followLinks)) return std::nullopt;
  return FileId{info.dwVolumeSerialNumber,
                (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

}  // namespace

std::optional<FileId> IdentifyFile(const std::u16string& path) { return IdOf(path, false); }

std::optional<FileId> IdentifyFolder(const std::u16string& path) { return IdOf(path, true); }

bool IsLink(const std::u16string& path) {
  if (HasNul(path)) return false;
  const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

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
  const UniqueFindHandle find(FindFirstFileW(LongPath(path).c_str(), &data));
  if (!find) return std::nullopt;
  return FromWide(data.cFileName);
}

}  // namespace platform
