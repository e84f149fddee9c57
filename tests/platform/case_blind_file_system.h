#pragma once
// A file system that ignores letter case, acted out over one that does not:
// names are looked up ignoring ASCII case, a name taken under any spelling
// is refused, and a move between two spellings of one name reports success
// and changes nothing, as Wine's does, so that the native tests, under the
// sanitizers, take the case change's detour; or changes the spelling in
// place, as Windows and a share do.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/file_system.h"
#include "platform/file_system_decorator.h"
#include "platform/text.h"

namespace test_support {

class CaseBlindFileSystem : public FileSystemDecorator {
 public:
  enum class CaseChange { ReportedOnly, InPlace };

  explicit CaseBlindFileSystem(CaseChange change = CaseChange::ReportedOnly,
                               const platform::FileSystem& inner = platform::SystemFileSystem())
      : FileSystemDecorator(inner), change_(change) {}

  // Whether path names an entry here, under any spelling.
  static bool Holds(const std::u16string& path) { return StoredPath(path).has_value(); }

  std::optional<std::u16string> NameOnDisk(const std::u16string& path) const override {
    return Stored(path);
  }
  bool IsSameFile(const std::u16string& a, const std::u16string& b) const override {
    const std::optional<std::u16string> first = StoredPath(a);
    const std::optional<std::u16string> second = StoredPath(b);
    return first && second && inner().IsSameFile(*first, *second);
  }
  std::optional<platform::FileId> IdentifyFile(const std::u16string& path) const override {
    const std::optional<std::u16string> stored = StoredPath(path);
    if (!stored) return std::nullopt;
    return inner().IdentifyFile(*stored);
  }
  std::optional<platform::FileStamp> SizeAndLastWrite(const std::u16string& path) const override {
    const std::optional<std::u16string> stored = StoredPath(path);
    if (!stored) return std::nullopt;
    return inner().SizeAndLastWrite(*stored);
  }
  platform::MoveResult MoveWithoutReplacing(const std::u16string& from,
                                            const std::u16string& to) const override {
    const std::optional<std::u16string> source = StoredPath(from);
    if (!source) return platform::MoveResult::Failed;
    if (const std::optional<std::u16string> target = StoredPath(to)) {
      if (*target != *source) return platform::MoveResult::NameTaken;
      if (change_ == CaseChange::ReportedOnly || to == *source) return platform::MoveResult::Moved;
    }
    return inner().MoveWithoutReplacing(*source, to);
  }

 private:
  CaseChange change_;

  // The name path's entry is stored under, whatever the spelling in path.
  static std::optional<std::u16string> Stored(const std::u16string& path) {
    const std::size_t separator = path.rfind(platform::kPathSeparator);
    if (separator == std::u16string::npos) return std::nullopt;
    const std::u16string name = path.substr(separator + 1);
    std::error_code error;
    std::optional<std::u16string> found;
    for (std::filesystem::directory_iterator entry(path.substr(0, separator), error), end;
         !error && entry != end; entry.increment(error)) {
      const std::u16string stored = entry->path().filename().u16string();
      if (stored == name) return stored;
      if (!found && platform::EqualIgnoringAsciiCase(stored, name)) found = stored;
    }
    return found;
  }

  static std::optional<std::u16string> StoredPath(const std::u16string& path) {
    const std::optional<std::u16string> stored = Stored(path);
    if (!stored) return std::nullopt;
    return path.substr(0, path.rfind(platform::kPathSeparator) + 1) + *stored;
  }
};

}  // namespace test_support
