#pragma once
// The operating system's own move, behind MoveWithoutReplacing and its seam.

#include <string>

#include "platform/move.h"

namespace platform {

// Paths hold no NUL.
MoveResult SystemMoveWithoutReplacing(const std::u16string& from, const std::u16string& to);

}  // namespace platform
