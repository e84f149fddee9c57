#include <windows.h>

#include <string_view>

#include "platform/file_identity.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/wide.h"
#include "platform/wine.h"

namespace platform {
namespace {

bool HasNul(const std::u16string& path) { return path.find(u'\0') != std::u16string::npos; }

// FILE_ID_INFO and its class, which the headers give only from Windows 8 on;
// older systems refuse the class and the 64-bit index stands in.
struct FileIdInfo {
  ULONGLONG volumeSerialNumber;
  BYTE identifier[16];
};
constexpr auto kFileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

std::optional<FileId> IdOf(const std::u16string& path, bool followLinks) {
  if (HasNul(path)) return std::nullopt;
  // "D:" names the drive's current folder; its root is meant.
  const std::u16string full = !path.empty() && path.back() == u':' ? path + u'\\' : path;
  // Attributes only and every sharing mode: a file that another program
  // holds open can still be identified. Backup semantics open folders too.
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  const UniqueHandle file(CreateFileW(LongPath(full).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, flags, nullptr));
  if (!file) return std::nullopt;
  FileIdInfo wide{};
  if (GetFileInformationByHandleEx(file.get(), kFileIdInfoClass, &wide, sizeof wide) != 0) {
    return FileIdFrom128(wide.volumeSerialNumber, wide.identifier);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(file.get(), &info) == 0) return std::nullopt;
  return FileIdFromIndex(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
}

std::u16string_view WithoutTrailingDotsOrBlanks(std::u16string_view text) {
  while (!text.empty() && (text.back() == u'.' || text.back() == u' ')) text.remove_suffix(1);
  return text;
}

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()),
                              static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The path the system resolves path to, links on the way included.
std::optional<std::u16string> FinalPath(const std::u16string& path) {
  const UniqueHandle file(
      CreateFileW(LongPath(path).c_str(), FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return std::nullopt;
  std::wstring buffer(MAX_PATH, L'\0');
  for (int tries = 0; tries < 2; ++tries) {
    const DWORD length =
        GetFinalPathNameByHandleW(file.get(), &buffer[0], static_cast<DWORD>(buffer.size()), 0);
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) return FromWide(buffer.c_str(), length);
    buffer.assign(length + 1, L'\0');
  }
  return std::nullopt;
}

}  // namespace

std::optional<FileId> IdentifyFile(const std::u16string& path) { return IdOf(path, false); }

std::optional<FileId> IdentifyFolder(const std::u16string& path) { return IdOf(path, true); }

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
  std::optional<std::u16string> folder = FinalPath(path.substr(0, separator + 1));
  if (!file || !folder) return false;
  const std::size_t fileSeparator = file->rfind(u'\\');
  if (fileSeparator == std::u16string::npos) return false;
  if (!folder->empty() && folder->back() == u'\\') folder->pop_back();
  const std::u16string stored = FromWide(data.cFileName);
  // Wine's final path drops a trailing dot or blank from its last step, as
  // a plain path would ("Live \" ends as "Live"), so both sides lose theirs.
  const std::u16string_view fileFolder(file->data(), fileSeparator);
  const std::u16string_view fileName(file->data() + fileSeparator + 1,
                                     file->size() - fileSeparator - 1);
  return !SameIgnoringCase(WithoutTrailingDotsOrBlanks(fileFolder),
                           WithoutTrailingDotsOrBlanks(*folder)) ||
         !SameIgnoringCase(WithoutTrailingDotsOrBlanks(fileName),
                           WithoutTrailingDotsOrBlanks(stored));
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
