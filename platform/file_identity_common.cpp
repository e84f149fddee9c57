#include "platform/file_identity.h"
#include "platform/file_identity_system.h"
#include "platform/move_seam.h"

namespace platform {

bool IsSameFile(const std::u16string& a, const std::u16string& b) {
  if (const auto standIn = CurrentFileSystemStandIn()) return standIn->isSameFile(a, b);
  return SystemIsSameFile(a, b);
}

std::optional<std::u16string> NameOnDisk(const std::u16string& path) {
  if (const auto standIn = CurrentFileSystemStandIn()) return standIn->nameOnDisk(path);
  return SystemNameOnDisk(path);
}

}  // namespace platform
