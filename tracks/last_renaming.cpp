#include "tracks/last_renaming.h"

#include <algorithm>
#include <iterator>
#include <utility>

void LastRenaming::Record(std::size_t row, std::u16string before, std::u16string after,
                          std::optional<platform::FileStamp> file) {
  if (before == after) return;
  moves_.push_back(UndoMove{row, std::move(before), std::move(after), file, ++recorded_});
}

void LastRenaming::Forget() { moves_.clear(); }

void LastRenaming::EraseRow(std::size_t row) {
  moves_.erase(std::remove_if(moves_.begin(), moves_.end(),
                              [row](const UndoMove& move) { return move.row == row; }),
               moves_.end());
  for (UndoMove& move : moves_) {
    if (move.row > row) --move.row;
  }
}

std::optional<UndoMove> LastRenaming::Next() const {
  if (moves_.empty()) return std::nullopt;
  return moves_.back();
}

std::optional<UndoMove> LastRenaming::NextAfter(const UndoMove& tried) const {
  const auto later = std::lower_bound(
      moves_.begin(), moves_.end(), tried.order,
      [](const UndoMove& move, std::uint64_t order) { return move.order < order; });
  if (later == moves_.begin()) return std::nullopt;
  return *std::prev(later);
}

void LastRenaming::Undone(const UndoMove& move) {
  moves_.erase(std::remove_if(moves_.begin(), moves_.end(),
                              [&move](const UndoMove& kept) { return kept.order == move.order; }),
               moves_.end());
}
