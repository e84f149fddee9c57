#pragma once
// The three tag texts of one file.

#include <optional>
#include <string>

struct TrackEntry {
  // Absent: no text was found for the member. The tag reader leaves members
  // absent; an entry in the TrackTable has all three present and non-empty.
  std::optional<std::u16string> title;
  std::optional<std::u16string> artist;
  std::optional<std::u16string> album;

  bool IsComplete() const {
    return title && !title->empty() && artist && !artist->empty() && album && !album->empty();
  }
};
