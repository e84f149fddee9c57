#include <windows.h>

#include "platform/long_path.h"
#include "platform/move_system.h"
#include "platform/wide.h"

namespace platform {

MoveResult SystemMoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
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
