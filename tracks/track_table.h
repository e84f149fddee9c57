#pragma once
// The rows of the file list: for each file its whole path, its tag texts
// once they are read, and its status. The window's thread owns the table;
// the list view only shows it, and the workers are handed copies of what
// they need and hand their results back to that thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracks/name_style.h"
#include "tracks/track_entry.h"

struct TrackRow {
  std::u16string path;  // whole, never cut: the file is opened and moved by it
  // Nothing until the tag reading comes to the row.
  std::optional<TrackEntry> entry;
  FitTexts fit = 0;  // the entry's texts that go into a name as they are
  // kStatusRenamed, kStatusUnchanged, kStatusCopied, or empty before the
  // tags are read.
  std::u16string_view status;
};

class TrackTable {
 public:
  // A row for a file whose tags are not read yet.
  void AddFile(std::u16string path);
  // A row with its tags already read, its status under style (none without one).
  void Append(TrackEntry entry, std::u16string path, std::u16string_view style = {});
  std::size_t Size() const { return rows_.size(); }
  // Rows whose tags were read.
  std::size_t TaggedCount() const;

  // Nothing when there is no row index.
  const TrackRow* Row(std::size_t index) const;
  const TrackEntry* Entry(std::size_t index) const;
  std::optional<TrackEntry> Get(std::size_t index) const;

  // The row's tags were read; its status follows style (none without one).
  // False when there is no row.
  bool SetTags(std::size_t index, TrackEntry entry, std::u16string_view style);
  // The row's file has moved to path. False when there is no row.
  bool SetPath(std::size_t index, std::u16string path);
  bool SetStatus(std::size_t index, std::u16string_view status);

  // NewNameStatus of every row with tags under style, in row order, made with
  // one name buffer.
  std::vector<std::u16string_view> NewNameStatuses(std::u16string_view style) const;
  // Every row with tags takes the status its file earns under style.
  void UpdateStatuses(std::u16string_view style);

  // Later rows move down by one. False when there is no row index.
  bool Erase(std::size_t index);
  // Removes the rows at the given indexes (ascending, each once) in one pass.
  void EraseRows(const std::vector<std::size_t>& indexes);
  // Removes the rows from first to the end.
  void EraseFrom(std::size_t first);
  void Clear();

 private:
  std::vector<TrackRow> rows_;
};
