#include "tracks/read_track_tags.h"

#include "tags/id3_reader.h"

namespace {

void FillGap(std::optional<std::u16string>& text, const std::optional<std::u16string>& fallback) {
  if (!text || text->empty()) text = fallback;
}

bool IsRead(Id3Result read) { return read == Id3Result::Complete || read == Id3Result::Incomplete; }

}  // namespace

TrackTagsResult ReadTrackTags(const std::u16string& path) {
  TrackTagsResult result;
  Id3Reader reader(path);
  const Id3Result opened = reader.Open();
  Id3Result read;
  switch (opened) {
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
  // Anything else (the tag vanished between Open and the read) drops the file.
  if (!IsRead(read)) return result;
  // An ID3v2 tag with a text for every field costs no look at the end of the file.
  if (opened == Id3Result::HasId3v2 && result.entry.HasGap()) {
    TrackEntry fallback;
    if (IsRead(reader.ReadId3v1(fallback))) {
      for (const TagField& field : kTagFields)
        FillGap(result.entry.*field.member, fallback.*field.member);
    }
  }
  result.kept = result.entry.HasNameText();
  return result;
}
