#pragma once
// Puts a rule into the platform's move seam for as long as it lives. The
// rule sees each move's number (from 1) and its two paths.

#include <atomic>
#include <functional>
#include <string>
#include <utility>

#include "platform/move_seam.h"

namespace test_support {

using MoveRule = std::function<platform::InjectedMove(unsigned number, const std::u16string& from,
                                                      const std::u16string& to)>;

class InjectedMoves {
 public:
  explicit InjectedMoves(MoveRule rule) : rule_(std::move(rule)) {
    platform::SetMoveInjectorForTest([this](const std::u16string& from, const std::u16string& to) {
      return rule_(++moves_, from, to);
    });
  }
  InjectedMoves(const InjectedMoves&) = delete;
  InjectedMoves& operator=(const InjectedMoves&) = delete;
  ~InjectedMoves() { platform::SetMoveInjectorForTest({}); }

  unsigned moves() const { return moves_; }

 private:
  MoveRule rule_;
  std::atomic<unsigned> moves_{0};
};

// The nth move gets `injected`; every other move is made.
inline MoveRule AtMove(unsigned n, platform::InjectedMove injected) {
  return [n, injected](unsigned number, const std::u16string&, const std::u16string&) {
    return number == n ? injected : platform::InjectedMove::None;
  };
}

}  // namespace test_support
