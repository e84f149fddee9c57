#pragma once
// Telling whether two paths name one file, and how a file's name is stored.
// Needed where the file system compares names in its own way (ignoring case,
// or through short 8.3 names), so that a path can name the file under another
// spelling than the one on disk. These are the system's own operations;
// the core reaches them through platform::FileSystem (file_system.h).

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Which file a path leads to: its volume (device) and its 128-bit file
// identity (inode). A 64-bit file index fills the low half. An identity of
// all zeros, as some network redirectors report for every file, is unknown
// and equals nothing, not even itself: two files it stands for may differ.
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  bool Known() const { return high != 0 || low != 0; }
  bool operator==(const FileId& other) const {
    return Known() && volume == other.volume && high == other.high && low == other.low;
  }
  bool operator!=(const FileId& other) const { return !(*this == other); }
  // An order for sets of known identities.
  bool operator<(const FileId& other) const {
    if (volume != other.volume) return volume < other.volume;
    return high != other.high ? high < other.high : low < other.low;
  }
};

// Equal only when both are there and known.
inline bool SameFileId(const std::optional<FileId>& a, const std::optional<FileId>& b) {
  return a && b && *a == *b;
}

// A file as a renaming left it: which file, its size and its last write.
// On FAT and exFAT a file's identity is its folder entry's place, which a
// new file can take once the renamed one is gone; all three tell it apart.
struct FileStamp {
  FileId id;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // in the system's own clock units
};

// Equal only when both are there with known, equal identities, sizes and
// last writes.
inline bool SameFileStamp(const std::optional<FileStamp>& a, const std::optional<FileStamp>& b) {
  return a && b && a->id == b->id && a->size == b->size && a->lastWrite == b->lastWrite;
}

// The identity Windows gives as FILE_ID_INFO: a 64-bit volume serial and
// 16 bytes, least significant first. Unique on ReFS, where the 64-bit index
// of one file can equal another's.
FileId FileIdFrom128(std::uint64_t volumeSerial, const unsigned char (&identifier)[16]);

// The identity from the older BY_HANDLE_FILE_INFORMATION: a 32-bit volume
// serial and the 64-bit file index in two halves.
FileId FileIdFromIndex(std::uint32_t volumeSerial, std::uint32_t indexHigh, std::uint32_t indexLow);

// The file or folder at path itself; a link is a file of its own.
std::optional<FileId> IdentifyFile(const std::u16string& path);

// The size and last write of the file at path, a link itself, not what it
// points to; the identity is left unknown (FileSystem::StampFile adds it).
std::optional<FileStamp> SizeAndLastWrite(const std::u16string& path);

// The folder that path leads to, through any links on the way.
std::optional<FileId> IdentifyFolder(const std::u16string& path);

// True when path is a symbolic link, a junction or another reparse point
// that stands for another file: moving one may move what it points to, or
// leave it pointing nowhere.
bool IsLink(const std::u16string& path);

// True when both paths name the same existing file or folder (same volume
// and known file identity). Links are not followed: a link is a file of its
// own. False when either cannot be opened.
bool IsSameFile(const std::u16string& a, const std::u16string& b);

// The name of path's last component as its folder stores it, which may
// differ in case from the name in path. Nothing when it cannot be found.
std::optional<std::u16string> NameOnDisk(const std::u16string& path);

}  // namespace platform
