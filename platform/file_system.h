#pragma once
// The file-system operations the core uses, handed to it as one argument:
// the scan lists and identifies folders, the renaming and its undo move
// files and look up names. Each member's default is the system's own; a
// test hands in a decorator that refuses a move, or that acts out a file
// system ignoring letter case over one that does not.

#include <memory>
#include <optional>
#include <string>

#include "platform/file_identity.h"
#include "platform/folder.h"
#include "platform/held_file.h"
#include "platform/move.h"

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Each as its namesake in move.h, file_identity.h and folder.h.
  virtual MoveResult MoveWithoutReplacing(const std::u16string& from,
                                          const std::u16string& to) const;
  virtual std::optional<std::u16string> NameOnDisk(const std::u16string& path) const;
  virtual bool IsSameFile(const std::u16string& a, const std::u16string& b) const;
  virtual std::optional<FileId> IdentifyFile(const std::u16string& path) const;
  virtual std::optional<FileStamp> SizeAndLastWrite(const std::u16string& path) const;
  virtual std::optional<FileId> IdentifyFolder(const std::u16string& path) const;
  virtual bool IsLink(const std::u16string& path) const;
  virtual bool ListFolder(const std::u16string& folder, const FolderVisitor& visit) const;

  // IdentifyFile's identity with SizeAndLastWrite's size and last write;
  // nothing unless both are there.
  std::optional<FileStamp> StampFile(const std::u16string& path) const;

  // The file at path, held to be moved (held_file.h). This default puts
  // every question to the members above, by path, so that a decorator's
  // changes act on it too; the system's own holds one handle on the file.
  // Nothing when the file cannot be held.
  virtual std::unique_ptr<HeldFile> Hold(const std::u16string& path) const;
};

// The system's own, shared by every thread: it holds no state.
const FileSystem& SystemFileSystem();

}  // namespace platform
