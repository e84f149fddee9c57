#pragma once
// The tag texts behind the file list: entry i belongs to list row i.

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracks/name_style.h"
#include "tracks/track_entry.h"

// The tag-reading worker appends from its own thread while the window's
// thread reads. Every operation holds the table's lock, and reads hand out
// copies, so no caller keeps a reference across an append. Each entry has
// its own allocation, so growing the table never moves an entry.
//
// Each entry also keeps the file name of the path its row names, given
// wherever the row's path is written: a key release compares every row's
// file name with its new name, and asking the list view for each path costs
// as much as writing the status itself.
class TrackTable {
 public:
  void Append(TrackEntry entry, std::u16string_view path);
  std::size_t Size() const;
  std::optional<TrackEntry> Get(std::size_t index) const;
  // The row's file has moved to path. False when there is no entry.
  bool SetPath(std::size_t index, std::u16string_view path);
  // NewNameStatus of every entry under style, in entry order, made under
  // one lock with one name buffer.
  std::vector<std::u16string_view> NewNameStatuses(std::u16string_view style) const;
  // Later entries move down by one. Returns false when there is no entry i.
  bool Erase(std::size_t index);
  void Clear();

 private:
  struct Track {
    TrackEntry entry;
    std::u16string fileName;
    FitTexts fit;  // the entry's texts that go into a name as they are
  };
  mutable std::mutex lock_;
  std::vector<std::unique_ptr<Track>> tracks_;
};
