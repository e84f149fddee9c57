#include <sys/stat.h>

#include "platform/file_identity.h"
#include "platform/folder.h"
#include "platform/text.h"

namespace platform {
namespace {

bool Identify(const std::u16string& path, struct stat& info) {
  if (path.find(u'\0') != std::u16string::npos) return false;
  return lstat(Utf16ToUtf8(path).c_str(), &info) == 0;
}

std::optional<FileId> IdOf(const struct stat& info) {
  return FileId{static_cast<std::uint64_t>(info.st_dev), 0,
                static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace

std::optional<FileId> IdentifyFile(const std::u16string& path) {
  struct stat info {};
  if (!Identify(path, info)) return std::nullopt;
  return IdOf(info);
}

std::optional<FileStamp> SizeAndLastWrite(const std::u16string& path) {
  struct stat info {};
  if (!Identify(path, info)) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<std::uint64_t>(info.st_size);
  stamp.lastWrite = static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                    static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
  return stamp;
}

std::optional<FileId> IdentifyFolder(const std::u16string& path) {
  struct stat info {};
  if (path.find(u'\0') != std::u16string::npos) return std::nullopt;
  // "" is the root once the scan has dropped its trailing separator.
  const std::string name = path.empty() ? "/" : Utf16ToUtf8(path);
  if (stat(name.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return IdOf(info);
}

bool IsLink(const std::u16string& path) {
  struct stat info {};
  return Identify(path, info) && S_ISLNK(info.st_mode);
}

std::optional<std::u16string> NameOnDisk(const std::u16string& path) {
  struct stat wanted {};
  if (!Identify(path, wanted)) return std::nullopt;
  const std::size_t separator = path.rfind(kPathSeparator);
  const std::u16string folder =
      separator == std::u16string::npos ? u"." : path.substr(0, separator);
  const std::u16string name = separator == std::u16string::npos ? path : path.substr(separator + 1);
  // On a case-folding file system (vfat, ext4 with casefold) the path may
  // spell the name differently from its entry; the entry with the same inode
  // is the stored name. Another hard link counts only when no entry matches.
  std::optional<std::u16string> found;
  ListFolder(folder, [&](const FolderEntry& entry) {
    if (entry.name == name) {
      found = entry.name;
      return false;
    }
    struct stat candidate {};
    if (!found && Identify(folder + kPathSeparator + entry.name, candidate) &&
        candidate.st_dev == wanted.st_dev && candidate.st_ino == wanted.st_ino) {
      found = entry.name;
    }
    return true;
  });
  return found;
}

}  // namespace platform
