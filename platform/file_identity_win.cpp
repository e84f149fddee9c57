#include <windows.h>

#include <string_view>

#include "platform/file_identity.h"
#include "platform/handle_info_win.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/wide.h"
#include "platform/wine.h"

namespace platform {
namespace {

bool HasNul(const std::u16string& path) { return path.find(u'\0') != std::u16string::npos; }

// Attributes only and every sharing mode: a file that another program
// holds open can still be asked. Backup semantics open folders too.
UniqueHandle OpenToAsk(const std::u16string& path, bool followLinks) {
  if (HasNul(path)) return UniqueHandle();
  // "D:" names the drive's current folder; its root is meant.
  const std::u16string full = !path.empty() && path.back() == u':' ? path + u'\\' : path;
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  return UniqueHandle(CreateFileW(LongPath(full).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, flags, nullptr));
}

std::optional<FileId> IdOf(const std::u16string& path, bool followLinks) {
  const UniqueHandle file = OpenToAsk(path, followLinks);
  if (!file) return std::nullopt;
  return IdOfHandle(file.get());
}

// The path the system resolves path to, links on the way included.
std::optional<std::u16string> FinalPath(const std::u16string& path) {
  const UniqueHandle file(
      CreateFileW(LongPath(path).c_str(), FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return std::nullopt;
  return FinalPathOf(file.get());
}

}  // namespace

std::optional<FileId> IdentifyFile(const std::u16string& path) { return IdOf(path, false); }

std::optional<FileId> IdentifyFolder(const std::u16string& path) { return IdOf(path, true); }

std::optional<FileStamp> SizeAndLastWrite(const std::u16string& path) {
  const UniqueHandle file = OpenToAsk(path, false);
  if (!file) return std::nullopt;
  return SizeAndLastWriteOf(file.get());
}

bool IsLink(const std::u16string& path) {
  if (HasNul(path)) return false;
  WIN32_FIND_DATAW data{};
  if (path.find_first_of(u"*?") != std::u16string::npos) return false;
  if (!UniqueFindHandle(FindFirstFileW(LongPath(path).c_str(), &data))) return false;
  // Only a name surrogate (symbolic link, junction) stands for another file.
  // A cloud file's placeholder (files on demand), a deduplicated or a
  // compressed file is the file itself and moves as any other.
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return IsReparseTagNameSurrogate(data.dwReserved0) != 0;
  }
  // Wine shows a Linux symbolic link as the file it points to, attributes
  // and all; only its final path, which ends at the target, gives it away.
  if (!RunsUnderWine()) return false;
  const std::size_t separator = path.find_last_of(u"\\/");
  if (separator == std::u16string::npos) return false;
  const std::optional<std::u16string> file = FinalPath(path);
  const std::optional<std::u16string> folder = FinalPath(path.substr(0, separator + 1));
  if (!file || !folder) return false;
  return FinalPathLeavesEntry(*file, *folder, FromWide(data.cFileName));
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
