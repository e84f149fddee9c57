// Writes a starting corpus for fuzz-tags: tags of every version and of the
// shapes the reader treats specially, made by the test builder.
//   fuzz-tags-seeds DIR

#include <cstdio>
#include <string>
#include <vector>

#include "support/id3_builder.h"

namespace {

using namespace test_support;

Frame Text(const std::string& id, unsigned char encoding, const Bytes& text,
           std::uint16_t flags = 0) {
  return Frame{id, TextBody(encoding, text), flags};
}

std::vector<Frame> Texts(int version, unsigned char encoding, const Bytes& text) {
  if (version == 2)
    return {Text("TT2", encoding, text), Text("TP1", encoding, text), Text("TAL", encoding, text)};
  return {Text("TIT2", encoding, text), Text("TPE1", encoding, text), Text("TALB", encoding, text)};
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  const Bytes v1 = Id3v1(ToBytes("Title"), ToBytes("Artist"), {0xD6, 0xD0, 0xCE, 0xC4});
  const Bytes gbk = {0xD6, 0xD0, 0xCE, 0xC4};
  std::vector<Bytes> seeds;
  for (int version : {2, 3, 4}) {
    TagOptions options;
    options.version = version;
    const char* picture = version == 2 ? "PIC" : "APIC";
    seeds.push_back(Id3v2(Texts(version, 0x00, gbk), options));
    seeds.push_back(
        Id3v2(Texts(version, 0x01, Concat({{0xFE, 0xFF}, Utf16Be(u"\u4E2D")})), options));
    seeds.push_back(Id3v2(Texts(version, 0x01, Concat({{0xFF, 0xFE}, Utf16Le(u"AB ")})), options));
    seeds.push_back(Id3v2(Texts(version, 0x03, Utf8(u"\U0001F600\u6D4B")), options));
    std::vector<Frame> withPicture = {Frame{picture, FakeAudio(300)}};
    for (const Frame& frame : Texts(version, 0x00, ToBytes("x"))) withPicture.push_back(frame);
    options.padding = 20;
    seeds.push_back(Concat({Id3v2(withPicture, options), FakeAudio(64), v1}));
    options.unsynchronise = version != 4;
    seeds.push_back(Id3v2(withPicture, options));
    // Track and year, and in 2.4 a frame of several values.
    options.unsynchronise = false;
    std::vector<Frame> numbers = Texts(version, 0x03, Concat({Utf8(u"A"), {0}, Utf8(u"B"), {0}}));
    numbers.push_back(Text(version == 2 ? "TRK" : "TRCK", 0x00, ToBytes("3/12")));
    numbers.push_back(
        Text(version == 2 ? "TYE" : (version == 3 ? "TYER" : "TDRC"), 0x00, ToBytes("2001-05")));
    seeds.push_back(Id3v2(numbers, options));
  }
  seeds.push_back(Concat({FakeAudio(64), Id3v1(ToBytes("T"), {}, {}, ToBytes("1999"), 7)}));
  TagOptions extended;
  extended.flags = 0x40;
  extended.extendedHeader = {0, 0, 0, 6, 0, 0, 0, 0, 0, 0};
  seeds.push_back(Id3v2(Texts(3, 0x00, ToBytes("x")), extended));
  TagOptions extended24 = extended;
  extended24.version = 4;
  extended24.extendedHeader = {0, 0, 0, 6, 1, 0};
  seeds.push_back(Id3v2(Texts(4, 0x00, ToBytes("x")), extended24));
  TagOptions plain24;
  plain24.version = 4;
  plain24.plainSizesIn24 = true;
  seeds.push_back(
      Id3v2({Frame{"APIC", FakeAudio(200)}, Text("TIT2", 0x00, ToBytes("x"))}, plain24));
  Frame unsynchronised = Text("TIT2", 0x01, Concat({{0xFF, 0xFE}, Utf16Le(u"x")}), 0x0003);
  unsynchronised.body.insert(unsynchronised.body.begin(), {0, 0, 0, 5});
  unsynchronised.unsynchronise = true;
  seeds.push_back(Id3v2({unsynchronised, Text("TPE1", 0x00, ToBytes("x"), 0x0008)}, plain24));
  seeds.push_back(Concat({FakeAudio(200), v1}));
  // Writers' mistakes: 2.2 names in a 2.3 tag, the extended-header flag
  // without a header, a zero byte where a plain size read synchsafe lands.
  const std::string nul(1, '\0');
  seeds.push_back(Id3v2({Text("TP1" + nul, 0x00, ToBytes("x")), Frame{"COM" + nul, FakeAudio(200)},
                         Text("TIT2", 0x00, ToBytes("x"))}));
  TagOptions flagOnly;
  flagOnly.version = 4;
  flagOnly.flags = 0x40;
  seeds.push_back(Id3v2(Texts(4, 0x03, ToBytes("x")), flagOnly));
  Frame zeroInside{"APIC", FakeAudio(200)};
  zeroInside.body[72] = 0;
  seeds.push_back(Id3v2({zeroInside, Text("TIT2", 0x00, ToBytes("x"))}, plain24));

  for (std::size_t i = 0; i < seeds.size(); ++i) {
    if (!WriteFile(dir + "/seed-" + std::to_string(i), seeds[i])) {
      std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
      return 1;
    }
  }
  return 0;
}
