#include "support/tagged_files.h"

#include <vector>

using test_support::Bytes;
using test_support::Concat;
using test_support::Frame;

namespace {

Bytes TextFrameBody(const std::u16string& text) {
  const Bytes bom{0xFF, 0xFE};
  return test_support::TextBody(1, Concat({bom, test_support::Utf16Le(text)}));
}

}  // namespace

Bytes TaggedV2(const std::u16string& title, const std::u16string& artist,
               const std::u16string& album, bool withEmptyTitleFrame) {
  std::vector<Frame> frames;
  if (!title.empty()) {
    frames.push_back(Frame{"TIT2", TextFrameBody(title)});
  } else if (withEmptyTitleFrame) {
    frames.push_back(Frame{"TIT2", test_support::TextBody(0, {})});
  }
  if (!artist.empty()) frames.push_back(Frame{"TPE1", TextFrameBody(artist)});
  if (!album.empty()) frames.push_back(Frame{"TALB", TextFrameBody(album)});
  return Concat({test_support::Id3v2(frames), test_support::FakeAudio(256)});
}

Bytes Tagged(const std::u16string& title, const std::u16string& artist,
             const std::u16string& album) {
  return TaggedV2(title, artist, album);
}

Bytes WithId3v1(const Bytes& front, const std::string& title, const std::string& artist,
                const std::string& album) {
  using test_support::ToBytes;
  return Concat({front, test_support::Id3v1(ToBytes(title), ToBytes(artist), ToBytes(album))});
}

Bytes Untagged() { return test_support::FakeAudio(512); }
