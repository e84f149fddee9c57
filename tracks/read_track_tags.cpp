#include "tracks/read_track_tags.h"

#include "tags/id3_reader.h"

namespace {

void FillGap(std::optional<std::u16string>& text, const std::optional<std::u16string>& fallback) {
  if (!text || text->empty()) text = fallback;
}

}  // namespace

TrackTagsResult ReadTrackTags(const std::u16string& path) {
  TrackTagsResult result;
  Id3Reader reader(path);
  Id3Result read;
  switch (reader.Open()) {
    case Id3Result::HasId3v2:
      read = reader.ReadId3v2(result.entry);
      break;
    case Id3Result::HasId3v1:
      read = reader.ReadId3v1(result.entry);
      break;
    default:
      // No tag, or the file could not be opened (vanished, locked): dropped.
      return result;
  }
  if (read == Id3Result::Incomplete) {
    TrackEntry fallback;
    if (reader.ReadId3v1(fallback) != Id3Result::Complete) return result;
    for (const TagField& field : kTagFields)
      FillGap(result.entry.*field.member, fallback.*field.member);
    read = Id3Result::Complete;
  }
  // Anything else (the tag vanished between Open and the read) drops the file.
  result.kept = read == Id3Result::Complete && result.entry.IsComplete();
  return result;
}
