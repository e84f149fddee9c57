#pragma once
// Telling whether two paths name one file, and how a file's name is stored.
// Needed where the file system compares names in its own way (ignoring case,
// or through short 8.3 names), so that a path can name the file under another
// spelling than the one on disk.

#include <optional>
#include <string>

namespace platform {

// True when both paths name the same existing file or folder (same volume
// and file index; same device and inode). Links are not followed: a link is
// a file of its own. False when either cannot be opened.
bool IsSameFile(const std::u16string& a, const std::u16string& b);

// The name of path's last component as its folder stores it, which may
// differ in case from the name in path. Nothing when it cannot be found.
std::optional<std::u16string> NameOnDisk(const std::u16string& path);

}  // namespace platform
