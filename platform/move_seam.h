#pragma once
// A seam in MoveWithoutReplacing for tests: a move made to fail as a file
// held by an indexer would, to find its name taken, or to report success
// and change nothing, as Wine does for a case-only move.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/move.h"

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

// Stands in for the file system's own name lookup and moves, so that tests
// on a file system that tells letter case apart can act out one that does
// not. NameOnDisk, IsSameFile and the moves (after the injector) go through
// it while it is set; an empty stand-in gives the system back.
struct FileSystemStandIn {
  std::function<MoveResult(const std::u16string& from, const std::u16string& to)> move;
  std::function<std::optional<std::u16string>(const std::u16string& path)> nameOnDisk;
  std::function<bool(const std::u16string& a, const std::u16string& b)> isSameFile;
};
void SetFileSystemStandInForTest(std::shared_ptr<const FileSystemStandIn> standIn);

// The stand-in in place, if any.
std::shared_ptr<const FileSystemStandIn> CurrentFileSystemStandIn();

}  // namespace platform
