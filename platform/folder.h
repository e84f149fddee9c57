#pragma once
// Enumerating one folder: the system's own listing, which the core reaches
// through platform::FileSystem (file_system.h).

#include <functional>
#include <string>

namespace platform {

struct FolderEntry {
  std::u16string name;  // the entry's name, without its folder
  bool isFolder = false;
  bool isLink = false;  // a symbolic link, junction or other reparse point
  // Windows' attributes; a volume marks its own folders with both. Never set
  // where the file system has no such marks.
  bool isHidden = false;
  bool isSystem = false;
};

using FolderVisitor = std::function<bool(const FolderEntry&)>;

// Calls visit for each entry of folder in the order the file system delivers
// them, "." and ".." included where the system reports them. visit returns
// false to end the enumeration early. Returns false when the folder cannot be
// enumerated at all (missing, no access, path too long).
bool ListFolder(const std::u16string& folder, const FolderVisitor& visit);

}  // namespace platform
