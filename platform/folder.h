#pragma once
// Enumerating one folder.

#include <functional>
#include <string>

namespace platform {

struct FolderEntry {
  std::u16string name;  // the entry's name, without its folder
  bool isFolder = false;
  bool isLink = false;  // a symbolic link, junction or other reparse point
};

// Calls visit for each entry of folder in the order the file system delivers
// them, "." and ".." included where the system reports them. visit returns
// false to end the enumeration early. Returns false when the folder cannot be
// enumerated at all (missing, no access, path too long).
bool ListFolder(const std::u16string& folder, const std::function<bool(const FolderEntry&)>& visit);

}  // namespace platform
