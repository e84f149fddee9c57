#include "tracks/track_table.h"

#include "tracks/name_style.h"

#include <iterator>
#include <utility>

void TrackTable::Append(TrackEntry entry) {
  std::lock_guard<std::mutex> guard(lock_);
  entries_.push_back(std::make_unique<TrackEntry>(std::move(entry)));
}

std::size_t TrackTable::Size() const {
  std::lock_guard<std::mutex> guard(lock_);
  return entries_.size();
}

std::optional<TrackEntry> TrackTable::Get(std::size_t index) const {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= entries_.size()) return std::nullopt;
  return *entries_[index];
}

bool TrackTable::NewNameOf(std::size_t index, std::u16string_view style,
                           std::u16string& name) const {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= entries_.size()) return false;
  MakeNewNameInto(style, *entries_[index], name);
  return true;
}

bool TrackTable::Erase(std::size_t index) {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= entries_.size()) return false;
  entries_.erase(std::next(entries_.begin(), static_cast<std::ptrdiff_t>(index)));
  return true;
}

void TrackTable::Clear() {
  std::lock_guard<std::mutex> guard(lock_);
  entries_.clear();
  entries_.shrink_to_fit();
}
