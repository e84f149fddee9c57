#include <windows.h>

#include "platform/move.h"
#include "platform/wide.h"

namespace platform {

MoveResult MoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
  if (from.find(u'\0') != std::u16string::npos || to.find(u'\0') != std::u16string::npos) {
    return MoveResult::Failed;
  }
  // Without MOVEFILE_REPLACE_EXISTING, MoveFileW refuses a taken name.
  if (MoveFileW(Wide(from), Wide(to))) return MoveResult::Moved;
  const DWORD error = GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::NameTaken
                                                                      : MoveResult::Failed;
}

}  // namespace platform
