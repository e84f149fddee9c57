#pragma once
// The bytes of the MP3 files that the window's tests list: ID3v2.4 tags in
// UTF-16 with a byte-order mark, an ID3v1 tag behind, or no tag, each
// followed or preceded by some audio.

#include <string>

#include "support/id3_builder.h"

// Title, artist and album frames, then some audio.
test_support::Bytes Tagged(const std::u16string& title, const std::u16string& artist,
                           const std::u16string& album);
// The same three frames, some of them left out (an empty text leaves the frame out).
test_support::Bytes TaggedV2(const std::u16string& title, const std::u16string& artist,
                             const std::u16string& album, bool withEmptyTitleFrame = false);
test_support::Bytes WithId3v1(const test_support::Bytes& front, const std::string& title,
                              const std::string& artist, const std::string& album);
test_support::Bytes Untagged();
