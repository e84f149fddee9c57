#pragma once
// The texts the reader takes from a tag, and where each tag format keeps
// them. A further field is a member here and one row of kTagFields.

#include <cstddef>
#include <optional>
#include <string>

struct TrackEntry {
  // Absent: no text was found for the member. Any member may be absent or
  // empty, also in the TrackTable, which holds only entries with a text for
  // at least one of title, artist and album (HasNameText).
  // Initialised, so that an entry written {title, artist, album} is whole.
  std::optional<std::u16string> title{};
  std::optional<std::u16string> artist{};
  std::optional<std::u16string> album{};
  std::optional<std::u16string> track{};  // "03", or the tag's text when it is no number
  std::optional<std::u16string> year{};   // four digits

  // Title, artist and album all present and non-empty.
  bool IsComplete() const;
  // A text for at least one of title, artist and album.
  bool HasNameText() const;
  // A field without text, which the ID3v1 tag may fill.
  bool HasGap() const;
};

// How the text a tag holds becomes the field's value.
enum class FieldForm {
  Text,         // as the tag has it
  TrackNumber,  // the number before any "/", at least two digits; 0 is none
  Year,         // the first four characters when they are digits, else none
};

struct TagField {
  std::optional<std::u16string> TrackEntry::*member;
  const char* name;  // as tools and reports spell it
  // ID3v2.2 frame; 2.3 and 2.4 tags also hold it as these three letters and
  // a NUL, which a popular player wrote for years.
  const char* frame22;
  const char* frame23;
  const char* frame24;
  // In the last 128 bytes of the file. ID3v1.1 keeps the track in the
  // comment's last byte, after a zero byte: those two bytes.
  std::size_t id3v1Offset;
  std::size_t id3v1Length;
  FieldForm form;
  bool namesFile;  // may alone give a file its name
};

inline constexpr TagField kTagFields[] = {
    {&TrackEntry::title, "title", "TT2", "TIT2", "TIT2", 3, 30, FieldForm::Text, true},
    {&TrackEntry::artist, "artist", "TP1", "TPE1", "TPE1", 33, 30, FieldForm::Text, true},
    {&TrackEntry::album, "album", "TAL", "TALB", "TALB", 63, 30, FieldForm::Text, true},
    {&TrackEntry::track, "track", "TRK", "TRCK", "TRCK", 125, 2, FieldForm::TrackNumber, false},
    // 2.4 replaced the year by a recording time, "2001-05-03T20:15".
    {&TrackEntry::year, "year", "TYE", "TYER", "TDRC", 93, 4, FieldForm::Year, false},
};

inline constexpr std::size_t kTagFieldCount = sizeof kTagFields / sizeof kTagFields[0];

namespace tag_fields_detail {
inline bool HasText(const std::optional<std::u16string>& text) { return text && !text->empty(); }
}  // namespace tag_fields_detail

inline bool TrackEntry::IsComplete() const {
  for (const TagField& field : kTagFields) {
    if (field.namesFile && !tag_fields_detail::HasText(this->*field.member)) return false;
  }
  return true;
}

inline bool TrackEntry::HasNameText() const {
  for (const TagField& field : kTagFields) {
    if (field.namesFile && tag_fields_detail::HasText(this->*field.member)) return true;
  }
  return false;
}

inline bool TrackEntry::HasGap() const {
  for (const TagField& field : kTagFields) {
    if (!tag_fields_detail::HasText(this->*field.member)) return true;
  }
  return false;
}
