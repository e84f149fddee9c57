// Sizes read from a file decide nothing about how much the reader allocates.

#include <gtest/gtest.h>

#include "counting_new.h"
#include "read_bytes.h"
#include "support/temp_folder.h"

namespace {

using test_support::Bytes;
using test_support::Concat;
using test_support::Frame;

// The reader's own fixed buffers stay well below this.
constexpr std::size_t kSmall = 32 * 1024;

std::size_t LargestAllocationReading(const std::u16string& path, TrackEntry& entry) {
  counting_new::Watch();
  {
    Id3Reader reader(path);
    if (reader.Open() == Id3Result::HasId3v2) reader.ReadId3v2(entry);
    reader.ReadId3v1(entry);
  }
  return counting_new::StopWatching();
}

Bytes Picture(std::size_t size) {
  return Concat({Bytes{0x00}, test_support::ToBytes("image/jpeg"), Bytes{0x00, 0x03, 0x00},
                 test_support::FakeAudio(size)});
}

TEST(Id3ReaderMemory, NoAllocationFollowsPictureSizeOrSizesPastTheFile) {
  const std::vector<Frame> texts = {tags_test::Text("TIT2", "Title"),
                                    tags_test::Text("TPE1", "Artist"),
                                    tags_test::Text("TALB", "Album")};
  test_support::TagOptions v24;
  v24.version = 4;
  test_support::TagOptions unsynchronised;
  unsynchronised.unsynchronise = true;
  const Bytes audio = test_support::FakeAudio(1000);
  // A 2.3 TIT2 frame that says it holds 0x7FFFFFF0 bytes, in a file of 1 KiB.
  const Bytes hugeText = Concat({Bytes{'I', 'D', '3', 3,    0,    0,    0x7F, 0x7F, 0x7F, 0x7F, 'T',
                                       'I', 'T', '2', 0x7F, 0xFF, 0xFF, 0xF0, 0,    0,    0x00},
                                 audio});
  // The same frame claiming 0x0FFFFFF0 bytes, which the tag's area holds.
  Bytes hugeTextInTag = hugeText;
  hugeTextInTag[14] = 0x0F;

  const struct {
    const char* name;
    Bytes file;
    const char16_t* title;
  } cases[] = {
      {"300 KB picture, 2.3",
       Concat({test_support::Id3v2({Frame{"APIC", Picture(300000)}, texts[0], texts[1], texts[2]}),
               audio}),
       u"Title"},
      {"3 MB picture, 2.4",
       Concat({test_support::Id3v2({Frame{"APIC", Picture(3000000)}, texts[0], texts[1], texts[2]},
                                   v24),
               audio}),
       u"Title"},
      {"300 KB picture, unsynchronised tag",
       Concat({test_support::Id3v2({Frame{"APIC", Picture(300000)}, texts[0], texts[1], texts[2]},
                                   unsynchronised),
               audio}),
       u"Title"},
      {"text frame size past the tag and the file", hugeText, nullptr},
      {"text frame size past the file inside the tag", hugeTextInTag, nullptr},
  };
  test_support::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::u16string path = folder.Write(u"song.mp3", c.file);
    TrackEntry entry;
    EXPECT_LT(LargestAllocationReading(path, entry), kSmall);
    tags_test::ExpectText(entry.title, c.title);
  }
}

}  // namespace
