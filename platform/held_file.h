#pragma once
// One file held to be moved within its folder: each question and each move
// is put to that very file, wherever a move takes it, so that the identity
// taken is the identity of the file moved. platform::FileSystem hands one
// out (file_system.h).

#include <memory>
#include <optional>
#include <string>

#include "platform/file_identity.h"
#include "platform/move.h"

namespace platform {

class HeldFile {
 public:
  virtual ~HeldFile() = default;

  // As IsLink (file_identity.h); also true when it cannot be told, since a
  // move through a link can move the file it points to.
  virtual bool IsLink() const = 0;
  // Its identity, size and last write (file_identity.h's FileStamp).
  virtual std::optional<FileStamp> Stamp() const = 0;
  // Its name as its folder stores it now, after a move wherever that move
  // left it; nothing when it cannot be found.
  virtual std::optional<std::u16string> StoredName() = 0;
  // Gives it the full path `to`, in its own folder, never replacing.
  virtual MoveResult MoveTo(const std::u16string& to) = 0;
};

#ifdef _WIN32
// The system's own: one handle on the file, opened without following a
// link; nothing when the file cannot be opened to be moved.
std::unique_ptr<HeldFile> HoldFile(const std::u16string& path);
#endif

}  // namespace platform
