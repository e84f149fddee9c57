#pragma once
// Moving a file to a new name without ever replacing an existing file: the
// system's own move, which the core reaches through platform::FileSystem.

#include <string>

namespace platform {

enum class MoveResult {
  Moved,
  NameTaken,  // something already bears the target name; nothing was changed
  Failed,     // any other refusal; nothing was changed
};

MoveResult MoveWithoutReplacing(const std::u16string& from, const std::u16string& to);

}  // namespace platform
