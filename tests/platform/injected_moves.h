#pragma once
// A file system whose moves follow a rule, over another one (the system's
// unless given): a move made to fail as a file held by an indexer would, to
// find its name taken, or to report success and change nothing, as Wine
// does for a case-only move. The rule sees each move's number (from 1) and
// its two paths, from whichever thread moves.

#include <atomic>
#include <functional>
#include <string>
#include <utility>

#include "platform/file_system.h"
#include "platform/file_system_decorator.h"

namespace test_support {

enum class InjectedMove {
  None,                 // the move is made on disk
  Fail,                 // refused for a reason other than a taken name
  ReportTaken,          // refused as a taken name
  ReportMovedUnchanged  // success reported, nothing changed
};

using MoveRule = std::function<InjectedMove(unsigned number, const std::u16string& from,
                                            const std::u16string& to)>;

class InjectedMoves : public FileSystemDecorator {
 public:
  explicit InjectedMoves(MoveRule rule,
                         const platform::FileSystem& inner = platform::SystemFileSystem())
      : FileSystemDecorator(inner), rule_(std::move(rule)) {}

  unsigned moves() const { return moves_; }

  platform::MoveResult MoveWithoutReplacing(const std::u16string& from,
                                            const std::u16string& to) const override {
    switch (rule_(++moves_, from, to)) {
      case InjectedMove::None:
        break;
      case InjectedMove::Fail:
        return platform::MoveResult::Failed;
      case InjectedMove::ReportTaken:
        return platform::MoveResult::NameTaken;
      case InjectedMove::ReportMovedUnchanged:
        return platform::MoveResult::Moved;
    }
    return inner().MoveWithoutReplacing(from, to);
  }

 private:
  MoveRule rule_;
  mutable std::atomic<unsigned> moves_{0};
};

// The nth move gets `injected`; every other move is made.
inline MoveRule AtMove(unsigned n, InjectedMove injected) {
  return [n, injected](unsigned number, const std::u16string&, const std::u16string&) {
    return number == n ? injected : InjectedMove::None;
  };
}

}  // namespace test_support
