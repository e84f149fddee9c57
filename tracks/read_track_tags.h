#pragma once
// The decision the tag-reading worker makes for each listed file: read the
// ID3v2 tag, fill its gaps from the ID3v1 tag, and keep or drop the file.

#include <string>

#include "tracks/track_entry.h"

struct TrackTagsResult {
  bool kept = false;  // true: entry has a text for title, artist or album
  TrackEntry entry;   // what was read, also for a dropped file
};

TrackTagsResult ReadTrackTags(const std::u16string& path);
