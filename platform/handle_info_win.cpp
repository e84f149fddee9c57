#include "platform/handle_info_win.h"

#include <string_view>

#include "platform/wide.h"

namespace platform {
namespace {

// FILE_ID_INFO and its class, which the headers give only from Windows 8 on;
// older systems refuse the class and the 64-bit index stands in.
struct FileIdInfo {
  ULONGLONG volumeSerialNumber;
  BYTE identifier[16];
};
constexpr auto kFileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

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

}  // namespace

std::optional<FileId> IdOfHandle(HANDLE file) {
  FileIdInfo wide{};
  if (GetFileInformationByHandleEx(file, kFileIdInfoClass, &wide, sizeof wide) != 0) {
    return FileIdFrom128(wide.volumeSerialNumber, wide.identifier);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(file, &info) == 0) return std::nullopt;
  return FileIdFromIndex(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
}

std::optional<FileStamp> SizeAndLastWriteOf(HANDLE file) {
  FILE_BASIC_INFO basic{};
  FILE_STANDARD_INFO standard{};
  if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
      !GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard)) {
    return std::nullopt;
  }
  FileStamp stamp;
  stamp.size = static_cast<std::uint64_t>(standard.EndOfFile.QuadPart);
  stamp.lastWrite = static_cast<std::uint64_t>(basic.LastWriteTime.QuadPart);
  return stamp;
}

std::optional<std::u16string> FinalPathOf(HANDLE file) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (int tries = 0; tries < 2; ++tries) {
    const DWORD length =
        GetFinalPathNameByHandleW(file, &buffer[0], static_cast<DWORD>(buffer.size()), 0);
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) return FromWide(buffer.c_str(), length);
    buffer.assign(length + 1, L'\0');
  }
  return std::nullopt;
}

bool FinalPathLeavesEntry(const std::u16string& finalPath, std::u16string finalFolder,
                          const std::u16string& name) {
  const std::size_t separator = finalPath.rfind(u'\\');
  if (separator == std::u16string::npos) return true;
  if (!finalFolder.empty() && finalFolder.back() == u'\\') finalFolder.pop_back();
  // Wine's final path drops a trailing dot or blank from its last step, as
  // a plain path would ("Live \" ends as "Live"), so both sides lose theirs.
  const std::u16string_view fileFolder(finalPath.data(), separator);
  const std::u16string_view fileName(finalPath.data() + separator + 1,
                                     finalPath.size() - separator - 1);
  return !SameIgnoringCase(WithoutTrailingDotsOrBlanks(fileFolder),
                           WithoutTrailingDotsOrBlanks(finalFolder)) ||
         !SameIgnoringCase(WithoutTrailingDotsOrBlanks(fileName),
                           WithoutTrailingDotsOrBlanks(name));
}

}  // namespace platform
