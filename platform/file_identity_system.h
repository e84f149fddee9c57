#pragma once
// The operating system's own name lookup, behind NameOnDisk and IsSameFile
// and the test seam in front of them.

#include <optional>
#include <string>

namespace platform {

bool SystemIsSameFile(const std::u16string& a, const std::u16string& b);
std::optional<std::u16string> SystemNameOnDisk(const std::u16string& path);

}  // namespace platform
