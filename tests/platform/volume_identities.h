#pragma once
// Volumes whose identities are not an NTFS volume's, acted out over another
// file system (the system's unless given): a share whose redirector reports
// zero for every file, and a FAT volume, where a file's identity is its
// folder entry's place, so that a new file under a freed name takes the
// identity of the file that bore it.

#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/file_system_decorator.h"
#include "platform/text.h"

namespace test_support {

class ZeroIdentities : public FileSystemDecorator {
 public:
  using FileSystemDecorator::FileSystemDecorator;

  std::optional<platform::FileId> IdentifyFile(const std::u16string& path) const override {
    if (!inner().IdentifyFile(path)) return std::nullopt;
    return platform::FileId{7, 0, 0};
  }
};

class PlaceIdentities : public FileSystemDecorator {
 public:
  using FileSystemDecorator::FileSystemDecorator;

  // The folder and the name as stored: the entry's place.
  std::optional<platform::FileId> IdentifyFile(const std::u16string& path) const override {
    const std::optional<std::u16string> stored = inner().NameOnDisk(path);
    if (!stored || !inner().IdentifyFile(path)) return std::nullopt;
    const std::u16string place = path.substr(0, path.rfind(platform::kPathSeparator) + 1) + *stored;
    return platform::FileId{7, 0, std::hash<std::u16string>()(place) | 1u};
  }
};

}  // namespace test_support
