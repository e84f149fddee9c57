#include "tracks/last_renaming.h"

#include <algorithm>
#include <utility>

void LastRenaming::Record(std::size_t row, std::u16string before, std::u16string after) {
  if (before != after) moves_.push_back(UndoMove{row, std::move(before), std::move(after)});
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

void LastRenaming::Drop(const UndoMove& move) {
  moves_.erase(std::remove_if(moves_.begin(), moves_.end(),
                              [&move](const UndoMove& kept) {
                                return kept.row == move.row && kept.after == move.after;
                              }),
               moves_.end());
}
