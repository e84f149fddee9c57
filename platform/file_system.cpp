#include "platform/file_system.h"

namespace platform {

MoveResult FileSystem::MoveWithoutReplacing(const std::u16string& from,
                                            const std::u16string& to) const {
  return platform::MoveWithoutReplacing(from, to);
}

std::optional<std::u16string> FileSystem::NameOnDisk(const std::u16string& path) const {
  return platform::NameOnDisk(path);
}

bool FileSystem::IsSameFile(const std::u16string& a, const std::u16string& b) const {
  return platform::IsSameFile(a, b);
}

std::optional<FileId> FileSystem::IdentifyFile(const std::u16string& path) const {
  return platform::IdentifyFile(path);
}

std::optional<FileId> FileSystem::IdentifyFolder(const std::u16string& path) const {
  return platform::IdentifyFolder(path);
}

bool FileSystem::IsLink(const std::u16string& path) const { return platform::IsLink(path); }

bool FileSystem::ListFolder(const std::u16string& folder, const FolderVisitor& visit) const {
  return platform::ListFolder(folder, visit);
}

const FileSystem& SystemFileSystem() {
  // Never destroyed: a worker may still use it while the process ends.
  static const auto* system = new FileSystem();
  return *system;
}

}  // namespace platform
