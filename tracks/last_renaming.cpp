#include "tracks/last_renaming.h"

#include <algorithm>
#include <iterator>
#include <utility>

void LastRenaming::Record(std::size_t row, std::u16string before, std::u16string after,
                          std::optional<platform::FileId> file) {
  if (before == after) return;
  moves_.push_back(UndoMove{row, std::move(before), std::move(after), file, ++recorded_});
}

void LastRenaming::Forget() { moves_.clear(); }

void LastRenaming::EraseRow(std::size_t row) { EraseRows({row}); }

void LastRenaming::EraseRows(const std::vector<std::size_t>& rows) {
  if (rows.empty()) return;
  const auto goes = [&rows](const UndoMove& move) {
    return std::binary_search(rows.begin(), rows.end(), move.row);
  };
  moves_.erase(std::remove_if(moves_.begin(), moves_.end(), goes), moves_.end());
  for (UndoMove& move : moves_) {
    const auto below = std::lower_bound(rows.begin(), rows.end(), move.row);
    move.row -= static_cast<std::size_t>(below - rows.begin());
  }
}

std::optional<UndoMove> LastRenaming::Next() const {
  if (moves_.empty()) return std::nullopt;
  return moves_.back();
}

std::optional<UndoMove> LastRenaming::NextAfter(std::uint64_t triedOrder) const {
  const auto later = std::lower_bound(
      moves_.begin(), moves_.end(), triedOrder,
      [](const UndoMove& move, std::uint64_t order) { return move.order < order; });
  if (later == moves_.begin()) return std::nullopt;
  return *std::prev(later);
}

void LastRenaming::Undone(std::uint64_t order) {
  moves_.erase(std::remove_if(moves_.begin(), moves_.end(),
                              [order](const UndoMove& kept) { return kept.order == order; }),
               moves_.end());
}
