#pragma once
// The texts the reader takes from a tag, and where each tag format keeps
// them. A further field is a member here and one row of kTagFields.

#include <cstddef>
#include <optional>
#include <string>

struct TrackEntry {
  // Absent: no text was found for the member. The tag reader leaves members
  // absent; an entry in the TrackTable has all three present and non-empty.
  std::optional<std::u16string> title;
  std::optional<std::u16string> artist;
  std::optional<std::u16string> album;

  bool IsComplete() const;
};

struct TagField {
  std::optional<std::u16string> TrackEntry::*member;
  const char* name;  // as tools and reports spell it
  // ID3v2.2 frame; 2.3 and 2.4 tags also hold it as these three letters and
  // a NUL, which a popular player wrote for years.
  const char* frame22;
  const char* frame23;      // ID3v2.3 and 2.4
  std::size_t id3v1Offset;  // in the last 128 bytes of the file
  std::size_t id3v1Length;
};

inline constexpr TagField kTagFields[] = {
    {&TrackEntry::title, "title", "TT2", "TIT2", 3, 30},
    {&TrackEntry::artist, "artist", "TP1", "TPE1", 33, 30},
    {&TrackEntry::album, "album", "TAL", "TALB", 63, 30},
};

inline constexpr std::size_t kTagFieldCount = sizeof kTagFields / sizeof kTagFields[0];

inline bool TrackEntry::IsComplete() const {
  for (const TagField& field : kTagFields) {
    const std::optional<std::u16string>& text = this->*field.member;
    if (!text || text->empty()) return false;
  }
  return true;
}
