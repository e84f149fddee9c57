#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/move.h"
#include "platform/text.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace platform {

MoveResult MoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
  // A path with a NUL inside would move a different, shorter path.
  if (from.find(u'\0') != std::u16string::npos || to.find(u'\0') != std::u16string::npos) {
    return MoveResult::Failed;
  }
  const std::string source = Utf16ToUtf8(from);
  const std::string target = Utf16ToUtf8(to);
  // RENAME_NOREPLACE makes the check and the move one atomic step.
  if (syscall(SYS_renameat2, AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(),
              RENAME_NOREPLACE) == 0) {
    return MoveResult::Moved;
  }
  return errno == EEXIST ? MoveResult::NameTaken : MoveResult::Failed;
}

}  // namespace platform
