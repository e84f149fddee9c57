#include "tracks/track_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

std::u16string_view StatusUnder(std::u16string_view style, const TrackRow& row,
                                std::u16string& newName) {
  MakeNewNameInto(style, *row.entry, newName, row.fit);
  return NewNameStatus(FileNamePart(row.path), newName);
}

}  // namespace

void TrackTable::AddFile(std::u16string path) {
  rows_.push_back(TrackRow{std::move(path), {}, 0, {}});
}

void TrackTable::Append(TrackEntry entry, std::u16string path, std::u16string_view style) {
  AddFile(std::move(path));
  SetTags(rows_.size() - 1, std::move(entry), style);
}

std::size_t TrackTable::TaggedCount() const {
  return static_cast<std::size_t>(std::count_if(
      rows_.begin(), rows_.end(), [](const TrackRow& row) { return row.entry.has_value(); }));
}

const TrackRow* TrackTable::Row(std::size_t index) const {
  return index < rows_.size() ? &rows_[index] : nullptr;
}

const TrackEntry* TrackTable::Entry(std::size_t index) const {
  const TrackRow* row = Row(index);
  return row != nullptr && row->entry ? &*row->entry : nullptr;
}

std::optional<TrackEntry> TrackTable::Get(std::size_t index) const {
  const TrackEntry* entry = Entry(index);
  if (entry == nullptr) return std::nullopt;
  return *entry;
}

bool TrackTable::SetTags(std::size_t index, TrackEntry entry, std::u16string_view style) {
  if (index >= rows_.size()) return false;
  TrackRow& row = rows_[index];
  row.fit = TextsFitForName(entry);
  row.entry = std::move(entry);
  if (style.empty()) {
    row.status = {};
    return true;
  }
  std::u16string newName;
  row.status = StatusUnder(style, row, newName);
  return true;
}

bool TrackTable::SetPath(std::size_t index, std::u16string path) {
  if (index >= rows_.size()) return false;
  rows_[index].path = std::move(path);
  return true;
}

bool TrackTable::SetStatus(std::size_t index, std::u16string_view status) {
  if (index >= rows_.size()) return false;
  rows_[index].status = status;
  return true;
}

std::vector<std::u16string_view> TrackTable::NewNameStatuses(std::u16string_view style) const {
  std::vector<std::u16string_view> statuses;
  statuses.reserve(rows_.size());
  std::u16string newName;
  for (const TrackRow& row : rows_) {
    if (row.entry) statuses.push_back(StatusUnder(style, row, newName));
  }
  return statuses;
}

void TrackTable::UpdateStatuses(std::u16string_view style) {
  std::u16string newName;
  for (TrackRow& row : rows_) {
    if (row.entry) row.status = StatusUnder(style, row, newName);
  }
}

bool TrackTable::Erase(std::size_t index) {
  if (index >= rows_.size()) return false;
  rows_.erase(std::next(rows_.begin(), static_cast<std::ptrdiff_t>(index)));
  return true;
}

void TrackTable::EraseRows(const std::vector<std::size_t>& indexes) {
  auto gone = indexes.begin();
  std::size_t kept = indexes.empty() ? rows_.size() : indexes.front();
  for (std::size_t index = kept; index < rows_.size(); ++index) {
    if (gone != indexes.end() && *gone == index) {
      ++gone;
      continue;
    }
    if (kept != index) rows_[kept] = std::move(rows_[index]);
    ++kept;
  }
  rows_.resize(std::min(kept, rows_.size()));
}

void TrackTable::EraseFrom(std::size_t first) {
  if (first < rows_.size()) rows_.resize(first);
}

void TrackTable::Clear() {
  rows_.clear();
  rows_.shrink_to_fit();
}
