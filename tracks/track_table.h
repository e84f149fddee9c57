#pragma once
// The tag texts behind the file list: entry i belongs to list row i.

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracks/track_entry.h"

// The tag-reading worker appends from its own thread while the window's
// thread reads. Every operation holds the table's lock, and reads hand out
// copies, so no caller keeps a reference across an append. Each entry has
// its own allocation, so growing the table never moves an entry.
class TrackTable {
 public:
  void Append(TrackEntry entry);
  std::size_t Size() const;
  std::optional<TrackEntry> Get(std::size_t index) const;
  // MakeNewName of entry index into name, made under the lock instead of on
  // a copy and in a buffer reused from call to call: a key release makes one
  // for every entry. False when there is no entry.
  bool NewNameOf(std::size_t index, std::u16string_view style, std::u16string& name) const;
  // Later entries move down by one. Returns false when there is no entry i.
  bool Erase(std::size_t index);
  void Clear();

 private:
  mutable std::mutex lock_;
  std::vector<std::unique_ptr<TrackEntry>> entries_;
};
