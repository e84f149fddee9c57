#pragma once
// What the last renaming moved, kept in memory so that it can be undone: for
// each row whose file it moved, the path before and after and the file's
// identity. Main thread only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_identity.h"

struct UndoMove {
  std::size_t row = 0;
  std::u16string before;  // the path the file had before the renaming
  std::u16string after;   // where the renaming put it
  // The file the renaming moved, as it was identified there: the undo takes
  // back only that file.
  std::optional<platform::FileId> file;
  std::uint64_t order = 0;  // when it was recorded: later moves have larger numbers
};

class LastRenaming {
 public:
  // Row's file went from before to after; a file that stayed is not recorded.
  void Record(std::size_t row, std::u16string before, std::u16string after,
              std::optional<platform::FileId> file);
  // A new renaming starts afresh; after a refresh or a clear no row is left
  // that a move could name.
  void Forget();
  // The row was deleted from the list: its move drops out, later rows move down.
  void EraseRow(std::size_t row);
  // The same for rows at once (ascending, each once).
  void EraseRows(const std::vector<std::size_t>& rows);
  // The move an undo takes back first: the one the renaming made last. Undone
  // in reverse, every file finds its old name as the renaming found it, freed
  // by the moves made after its own.
  std::optional<UndoMove> Next() const;
  // The move an undo takes back after tried, whether tried went back or not:
  // the one recorded just before it. So one undo visits each move once, even
  // as the moves that failed stay.
  std::optional<UndoMove> NextAfter(const UndoMove& tried) const { return NextAfter(tried.order); }
  std::optional<UndoMove> NextAfter(std::uint64_t triedOrder) const;
  // The move went back: it drops out. One that failed (a file held open, its
  // old name taken) stays, so that a second undo offers it again.
  void Undone(const UndoMove& move) { Undone(move.order); }
  void Undone(std::uint64_t order);
  std::size_t Count() const { return moves_.size(); }

 private:
  std::vector<UndoMove> moves_;  // by order, oldest first
  std::uint64_t recorded_ = 0;
};
