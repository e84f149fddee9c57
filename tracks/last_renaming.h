#pragma once
// What the last renaming moved, kept in memory so that it can be undone: for
// each row whose file it moved, the path before and after. Main thread only.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct UndoMove {
  std::size_t row = 0;
  std::u16string before;  // the path the file had before the renaming
  std::u16string after;   // where the renaming put it
};

class LastRenaming {
 public:
  // Row's file went from before to after; a file that stayed is not recorded.
  void Record(std::size_t row, std::u16string before, std::u16string after);
  // A new renaming starts afresh; after a refresh or a clear no row is left
  // that a move could name.
  void Forget();
  // The row was deleted from the list: its move drops out, later rows move down.
  void EraseRow(std::size_t row);
  // The move still to undo that the renaming made last: undone in reverse,
  // every file finds its old name as the renaming found it, freed by the
  // moves made after its own.
  std::optional<UndoMove> Next() const;
  // The move has been tried: it drops out, so an undo cut short leaves only
  // the files it did not come to.
  void Drop(const UndoMove& move);
  std::size_t Count() const { return moves_.size(); }

 private:
  std::vector<UndoMove> moves_;
};
