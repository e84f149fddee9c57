#include <windows.h>

#include "platform/long_path.h"
#include "platform/move.h"
#include "platform/wide.h"

namespace platform {

MoveResult MoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
  // A path with a NUL inside would move a different, shorter path.
  if (from.find(u'\0') != std::u16string::npos || to.find(u'\0') != std::u16string::npos) {
    return MoveResult::Failed;
  }
  // No MOVEFILE_REPLACE_EXISTING: a taken name is refused. No
  // MOVEFILE_COPY_ALLOWED either: a move within one folder never needs a
  // copy, and a copy-then-delete onto a name that resolves to a device would
  // write the file into the device and delete it.
  if (MoveFileExW(LongPath(from).c_str(), LongPath(to).c_str(), 0)) return MoveResult::Moved;
  const DWORD error = GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::NameTaken
                                                                     : MoveResult::Failed;
}

}  // namespace platform
