#include "platform/file_system.h"

#include <utility>

#include "platform/text.h"

namespace platform {
namespace {

// A file followed by its path through the members of a FileSystem.
class PathHeldFile final : public HeldFile {
 public:
  PathHeldFile(const FileSystem& fs, std::u16string path) : fs_(fs), path_(std::move(path)) {}

  bool IsLink() const override { return fs_.IsLink(path_); }
  std::optional<FileStamp> Stamp() const override { return fs_.StampFile(path_); }

  std::optional<std::u16string> StoredName() override {
    if (left_.empty()) return fs_.NameOnDisk(path_);
    // After a move that reported success: still under its old entry (the
    // move changed nothing, or its new name is that entry's other
    // spelling), under its new one, or under a name neither side asked for.
    const std::u16string left = std::exchange(left_, std::u16string());
    std::optional<std::u16string> stored = fs_.NameOnDisk(left);
    if (!stored) stored = fs_.NameOnDisk(path_);
    if (!stored && movedId_) stored = FindInFolder(*movedId_);
    if (stored) path_ = Folder() + *stored;
    // FAT numbers a file by its folder entry: a move may renumber it.
    movedId_.reset();
    return stored;
  }

  MoveResult MoveTo(const std::u16string& to) override {
    // Once until a move succeeds: a file trying copy names keeps its own.
    if (!movedId_) movedId_ = fs_.IdentifyFile(path_);
    const MoveResult moved = fs_.MoveWithoutReplacing(path_, to);
    if (moved == MoveResult::Moved) left_ = std::exchange(path_, to);
    return moved;
  }

 private:
  std::u16string Folder() const { return path_.substr(0, path_.rfind(kPathSeparator) + 1); }

  // The entry of the file's folder that is the file id.
  std::optional<std::u16string> FindInFolder(const FileId& id) const {
    const std::u16string folder = Folder();
    std::optional<std::u16string> found;
    fs_.ListFolder(folder.substr(0, folder.size() - 1), [&](const FolderEntry& entry) {
      if (entry.isFolder || !SameFileId(fs_.IdentifyFile(folder + entry.name), id)) return true;
      found = entry.name;
      return false;
    });
    return found;
  }

  const FileSystem& fs_;
  std::u16string path_;  // where the file is, as far as is known
  std::u16string left_;  // the path a move reported success from, until asked where it went
  std::optional<FileId> movedId_;
};

class SystemFiles final : public FileSystem {
#ifdef _WIN32
  std::unique_ptr<HeldFile> Hold(const std::u16string& path) const override {
    return HoldFile(path);
  }
#endif
};

}  // namespace

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

std::optional<FileStamp> FileSystem::SizeAndLastWrite(const std::u16string& path) const {
  return platform::SizeAndLastWrite(path);
}

std::optional<FileStamp> FileSystem::StampFile(const std::u16string& path) const {
  std::optional<FileStamp> stamp = SizeAndLastWrite(path);
  const std::optional<FileId> id = IdentifyFile(path);
  if (!stamp || !id) return std::nullopt;
  stamp->id = *id;
  return stamp;
}

std::optional<FileId> FileSystem::IdentifyFolder(const std::u16string& path) const {
  return platform::IdentifyFolder(path);
}

bool FileSystem::IsLink(const std::u16string& path) const { return platform::IsLink(path); }

bool FileSystem::ListFolder(const std::u16string& folder, const FolderVisitor& visit) const {
  return platform::ListFolder(folder, visit);
}

std::unique_ptr<HeldFile> FileSystem::Hold(const std::u16string& path) const {
  if (path.rfind(kPathSeparator) == std::u16string::npos) return nullptr;
  return std::make_unique<PathHeldFile>(*this, path);
}

const FileSystem& SystemFileSystem() {
  // Never destroyed: a worker may still use it while the process ends.
  static const auto* system = new SystemFiles();
  return *system;
}

}  // namespace platform
