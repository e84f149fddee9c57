#pragma once
// A seam in MoveWithoutReplacing for tests: a move made to fail as a file
// held by an indexer would, to find its name taken, or to report success
// and change nothing, as Wine does for a case-only move.

#include <functional>
#include <string>

namespace platform {

enum class InjectedMove {
  None,                 // the move is made on disk
  Fail,                 // refused for a reason other than a taken name
  ReportTaken,          // refused as a taken name
  ReportMovedUnchanged  // success reported, nothing changed
};

// Asked before every move with its two paths, from whichever thread moves.
using MoveInjector =
    std::function<InjectedMove(const std::u16string& from, const std::u16string& to)>;

// An empty injector takes the seam out again.
void SetMoveInjectorForTest(MoveInjector injector);

}  // namespace platform
