#pragma once
// A file system that hands every operation to another one (the system's
// unless given); a test's own file system overrides only what it changes.
// And one such: a listing that is slow.

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "platform/file_system.h"

namespace test_support {

class FileSystemDecorator : public platform::FileSystem {
 public:
  explicit FileSystemDecorator(const platform::FileSystem& inner = platform::SystemFileSystem())
      : inner_(inner) {}
  FileSystemDecorator(const FileSystemDecorator&) = delete;
  FileSystemDecorator& operator=(const FileSystemDecorator&) = delete;

  platform::MoveResult MoveWithoutReplacing(const std::u16string& from,
                                            const std::u16string& to) const override {
    return inner_.MoveWithoutReplacing(from, to);
  }
  std::optional<std::u16string> NameOnDisk(const std::u16string& path) const override {
    return inner_.NameOnDisk(path);
  }
  bool IsSameFile(const std::u16string& a, const std::u16string& b) const override {
    return inner_.IsSameFile(a, b);
  }
  std::optional<platform::FileId> IdentifyFile(const std::u16string& path) const override {
    return inner_.IdentifyFile(path);
  }
  std::optional<platform::FileId> IdentifyFolder(const std::u16string& path) const override {
    return inner_.IdentifyFolder(path);
  }
  bool IsLink(const std::u16string& path) const override { return inner_.IsLink(path); }
  bool ListFolder(const std::u16string& folder,
                  const platform::FolderVisitor& visit) const override {
    return inner_.ListFolder(folder, visit);
  }

 protected:
  const platform::FileSystem& inner() const { return inner_; }

 private:
  const platform::FileSystem& inner_;
};

// A listing that takes its time over each entry, as a slow disk or a share
// does: a scan then reports in several batches, and a stop can come while
// it runs.
class PacedListing : public FileSystemDecorator {
 public:
  explicit PacedListing(std::chrono::milliseconds perEntry,
                        const platform::FileSystem& inner = platform::SystemFileSystem())
      : FileSystemDecorator(inner), perEntry_(perEntry) {}

  bool ListFolder(const std::u16string& folder,
                  const platform::FolderVisitor& visit) const override {
    return inner().ListFolder(folder, [this, &visit](const platform::FolderEntry& entry) {
      std::this_thread::sleep_for(perEntry_);
      return visit(entry);
    });
  }

 private:
  std::chrono::milliseconds perEntry_;
};

}  // namespace test_support
