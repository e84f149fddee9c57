#include "tracks/track_table.h"

#include "tracks/name_style.h"

#include <iterator>
#include <utility>

void TrackTable::Append(TrackEntry entry, std::u16string_view path) {
  const FitTexts fit = TextsFitForName(entry);
  auto track =
      std::make_unique<Track>(Track{std::move(entry), std::u16string(FileNamePart(path)), fit});
  std::lock_guard<std::mutex> guard(lock_);
  tracks_.push_back(std::move(track));
}

std::size_t TrackTable::Size() const {
  std::lock_guard<std::mutex> guard(lock_);
  return tracks_.size();
}

std::optional<TrackEntry> TrackTable::Get(std::size_t index) const {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= tracks_.size()) return std::nullopt;
  return tracks_[index]->entry;
}

bool TrackTable::SetPath(std::size_t index, std::u16string_view path) {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= tracks_.size()) return false;
  tracks_[index]->fileName = FileNamePart(path);
  return true;
}

std::vector<std::u16string_view> TrackTable::NewNameStatuses(std::u16string_view style) const {
  std::lock_guard<std::mutex> guard(lock_);
  std::vector<std::u16string_view> statuses;
  statuses.reserve(tracks_.size());
  std::u16string newName;
  for (const auto& track : tracks_) {
    MakeNewNameInto(style, track->entry, newName, track->fit);
    statuses.push_back(NewNameStatus(track->fileName, newName));
  }
  return statuses;
}

bool TrackTable::Erase(std::size_t index) {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= tracks_.size()) return false;
  tracks_.erase(std::next(tracks_.begin(), static_cast<std::ptrdiff_t>(index)));
  return true;
}

void TrackTable::Clear() {
  std::lock_guard<std::mutex> guard(lock_);
  tracks_.clear();
  tracks_.shrink_to_fit();
}
