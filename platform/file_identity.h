#pragma once
// Telling whether two paths name one file, and how a file's name is stored.
// Needed where the file system compares names in its own way (ignoring case,
// or through short 8.3 names), so that a path can name the file under another
// spelling than the one on disk.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Which file a path leads to: its volume (device) and its index (inode).
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileId& other) const {
    return volume == other.volume && index == other.index;
  }
  bool operator!=(const FileId& other) const { return !(*this == other); }
  bool operator<(const FileId& other) const {
    return volume != other.volume ? volume < other.volume : index < other.index;
  }
};

// The file or folder at path itself; a link is a file of its own.
std::optional<FileId> IdentifyFile(const std::u16string& path);

// The folder that path leads to, through any links on the way.
std::optional<FileId> IdentifyFolder(const std::u16string& path);

// True when path is a symbolic link, a junction or another reparse point
// that stands for another file: moving one may move what it points to, or
// leave it pointing nowhere.
bool IsLink(const std::u16string& path);

// True when both paths name the same existing file or folder (same volume
// and file index; same device and inode). Links are not followed: a link is
// a file of its own. False when either cannot be opened.
bool IsSameFile(const std::u16string& a, const std::u16string& b);

// The name of path's last component as its folder stores it, which may
// differ in case from the name in path. Nothing when it cannot be found.
std::optional<std::u16string> NameOnDisk(const std::u16string& path);

}  // namespace platform
