#include "tags/id3_reader.h"

#include <utility>

#include "platform/text.h"
#include "tags/byte_view.h"
#include "tags/field_text.h"
#include "tags/frame_cursor.h"
#include "tags/tag_source.h"

struct Id3Reader::Source {
  bool inMemory = false;
  std::vector<unsigned char> bytes;
  tags::TagSource tagSource;
};

namespace {

using tags::ByteView;
using tags::FrameCursor;
using tags::TagSource;

bool LetterIs(unsigned char byte, char upper) {
  return byte == static_cast<unsigned char>(upper) ||
         byte == static_cast<unsigned char>(upper - 'A' + 'a');
}

bool IsIdentifier(ByteView bytes, const char* id) {
  for (std::size_t i = 0; id[i] != 0; ++i) {
    const auto expected = static_cast<unsigned char>(id[i]);
    const unsigned char got = bytes.at(i);
    if (i >= bytes.size()) return false;
    if (expected >= 'A' && expected <= 'Z' ? !LetterIs(got, id[i]) : got != expected) return false;
  }
  return true;
}

bool IsFrameIdByte(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9');
}

// How one version lays out its frame headers.
struct FrameLayout {
  int version;  // 2, 3 or 4
  std::size_t idLength;
  std::size_t headerLength;
};

constexpr FrameLayout kLayout22{2, 3, 6};
constexpr FrameLayout kLayout23{3, 4, 10};
constexpr FrameLayout kLayout24{4, 4, 10};

// Versions past 4 are read like 2.4, with synchsafe sizes everywhere.
const FrameLayout& LayoutFor(unsigned char version) {
  if (version == 2) return kLayout22;
  if (version == 3) return kLayout23;
  return kLayout24;
}

// Frame flags, two bytes from 2.3 on.
constexpr std::uint32_t kCompressed23 = 0x0080, kEncrypted23 = 0x0040, kGrouped23 = 0x0020;
constexpr std::uint32_t kGrouped24 = 0x0040, kCompressed24 = 0x0008, kEncrypted24 = 0x0004,
                        kUnsynchronised24 = 0x0002, kDataLength24 = 0x0001;

constexpr std::size_t kOtherFrame = kTagFieldCount;

struct FrameHeader {
  std::size_t field;  // index into kTagFields, kOtherFrame for any other frame
  // The field's frame as the other of 2.3 and 2.4 names it: TDRC in 2.3,
  // TYER in 2.4, which taggers of either era write into both.
  bool otherVersion;
  std::uint64_t size;
  std::uint32_t flags;
};

// From 2.3 on, a frame named with three letters and a NUL is a 2.2 name
// written with the tag's own header layout.
bool HasShortName(ByteView header, const FrameLayout& layout) {
  return layout.version > 2 && header.at(3) == 0;
}

bool IsFrameName(ByteView bytes, const FrameLayout& layout) {
  const std::size_t letters = HasShortName(bytes, layout) ? 3 : layout.idLength;
  if (bytes.size() < letters) return false;
  for (std::size_t i = 0; i < letters; ++i) {
    if (!IsFrameIdByte(bytes.at(i))) return false;
  }
  return true;
}

bool IsFrameStart(ByteView bytes, const FrameLayout& layout) {
  return bytes.size() >= layout.headerLength && IsFrameName(bytes, layout);
}

const char* FrameName(const TagField& field, const FrameLayout& layout, bool shortName) {
  if (shortName) return field.frame22;
  return layout.version == 3 ? field.frame23 : field.frame24;
}

struct FrameField {
  std::size_t field;
  bool otherVersion;
};

FrameField FieldOf(ByteView header, const FrameLayout& layout) {
  const bool shortName = layout.version == 2 || HasShortName(header, layout);
  const ByteView name = header.First(shortName ? 3 : 4);
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    if (IsIdentifier(name, FrameName(kTagFields[i], layout, shortName))) return {i, false};
  }
  if (shortName) return {kOtherFrame, false};
  const FrameLayout& other = layout.version == 3 ? kLayout24 : kLayout23;
  for (std::size_t i = 0; i < kTagFieldCount; ++i) {
    if (IsIdentifier(name, FrameName(kTagFields[i], other, false))) return {i, true};
  }
  return {kOtherFrame, false};
}

// A frame header at offset whose frame fits in the area (text such as
// "TTTT" looks like an identifier, but not like a whole header).
bool IsFrameHeaderAt(TagSource& source, std::uint64_t offset, std::uint64_t end,
                     const FrameLayout& layout) {
  if (offset >= end) return false;
  unsigned char next[10] = {};
  const std::uint64_t left = end - offset;
  const std::size_t want =
      left < layout.headerLength ? static_cast<std::size_t>(left) : layout.headerLength;
  const ByteView bytes(next, source.ReadAt(offset, next, want));
  return IsFrameStart(bytes, layout) && bytes.Synchsafe(4) <= left - layout.headerLength;
}

// Padding runs zero to the end of the area (or of the file, where the area
// claims more): a zero byte inside a picture or a comment is not padding.
bool IsPaddingAt(TagSource& source, std::uint64_t offset, std::uint64_t end) {
  unsigned char piece[4096];
  while (offset < end) {
    const std::uint64_t left = end - offset;
    const std::size_t want = left < sizeof piece ? static_cast<std::size_t>(left) : sizeof piece;
    const std::size_t got = source.ReadAt(offset, piece, want);
    for (std::size_t i = 0; i < got; ++i) {
      if (piece[i] != 0) return false;
    }
    if (got < want) return true;
    offset += got;
  }
  return true;
}

// Whether a frame may end at offset: the area ends there, padding begins, or
// another frame header follows.
bool CanFollowFrame(TagSource& source, std::uint64_t offset, std::uint64_t end,
                    const FrameLayout& layout) {
  if (offset == end) return true;
  if (offset > end) return false;
  unsigned char first = 0;
  if (source.ReadAt(offset, &first, 1) == 1 && first == 0) return IsPaddingAt(source, offset, end);
  return IsFrameHeaderAt(source, offset, end, layout);
}

// 2.4 sizes are synchsafe, but some writers put plain 32-bit sizes there.
// Where only the plain reading lands on something a frame can be followed
// by, it is the plain one.
std::uint64_t FrameSize24(ByteView header, TagSource& source, std::uint64_t bodyOffset,
                          std::uint64_t end) {
  const std::uint32_t synchsafe = header.Synchsafe(4);
  const std::uint32_t plain = header.BigEndian(4, 4);
  if (synchsafe == plain || CanFollowFrame(source, bodyOffset + synchsafe, end, kLayout24)) {
    return synchsafe;
  }
  return CanFollowFrame(source, bodyOffset + plain, end, kLayout24) ? plain : synchsafe;
}

FrameHeader ParseFrameHeader(ByteView header, const FrameLayout& layout, TagSource& source,
                             const FrameCursor& cursor) {
  const FrameField field = FieldOf(header, layout);
  FrameHeader frame{field.field, field.otherVersion, 0, 0};
  switch (layout.version) {
    case 2:
      frame.size = header.BigEndian(3, 3);
      break;
    case 3:
      // ID3v2.3 frame sizes are plain 32-bit, for every frame.
      frame.size = header.BigEndian(4, 4);
      frame.flags = header.BigEndian(8, 2);
      break;
    default:
      frame.size = FrameSize24(header, source, cursor.FilePosition(), cursor.End());
      frame.flags = header.BigEndian(8, 2);
      break;
  }
  return frame;
}

bool IsCompressedOrEncrypted(const FrameHeader& frame, int version) {
  if (version == 3) return (frame.flags & (kCompressed23 | kEncrypted23)) != 0;
  if (version == 4) return (frame.flags & (kCompressed24 | kEncrypted24)) != 0;
  return false;
}

// The text of a frame body, past what its flags put in front of it.
ByteView FrameText(unsigned char* body, std::size_t length, const FrameHeader& frame, int version,
                   bool tagUnsynchronised) {
  std::size_t skip = 0;
  if (version == 3 && (frame.flags & kGrouped23)) skip = 1;
  if (version == 4) {
    // In 2.4 unsynchronisation is per frame; the tag flag says every frame has it.
    if (tagUnsynchronised || (frame.flags & kUnsynchronised24)) {
      length = tags::Resynchronise(body, length);
    }
    if (frame.flags & kGrouped24) skip += 1;
    if (frame.flags & kDataLength24) skip += 4;
  }
  return ByteView(body, length).After(skip);
}

// The extended header's whole length: 2.3 writes a plain size that leaves
// out its own 4 bytes; 2.4 a synchsafe one that counts them.
std::uint64_t ExtendedHeaderLength(ByteView size, int version) {
  return version == 3 ? 4 + std::uint64_t{size.BigEndian(0, 4)} : size.Synchsafe(0);
}

// Some writers set the extended-header flag and put the first frame right
// after the header. Their frames are read from there where the size cannot
// be one: it does not fit the tag, or its bytes name a frame.
bool HasNoExtendedHeader(TagSource& source, std::uint64_t end, const FrameLayout& layout) {
  unsigned char bytes[4] = {};
  const ByteView size(bytes, source.ReadAt(10, bytes, sizeof bytes));
  const std::uint64_t length = ExtendedHeaderLength(size, layout.version);
  const bool cannotBeSize = IsFrameName(size, layout) || length < 4 || length > end - 10;
  return cannotBeSize && IsFrameHeaderAt(source, 10, end, layout);
}

bool SkipExtendedHeader(FrameCursor& cursor, int version) {
  unsigned char sizeBytes[4];
  if (cursor.Read(sizeBytes, 4) < 4) return false;
  const std::uint64_t length = ExtendedHeaderLength(ByteView(sizeBytes, 4), version);
  return length >= 4 && cursor.Skip(length - 4);
}

// Reads a body piece by piece, so that a size running past the end of the
// file allocates no more than the file holds.
bool ReadBody(FrameCursor& cursor, std::uint64_t size, std::vector<unsigned char>& body) {
  constexpr std::size_t kPiece = 4096;
  while (body.size() < size) {
    const std::uint64_t left = size - body.size();
    const std::size_t piece = left < kPiece ? static_cast<std::size_t>(left) : kPiece;
    const std::size_t at = body.size();
    body.resize(at + piece);
    if (cursor.Read(body.data() + at, piece) < piece) return false;
  }
  return true;
}

void ReadFrames(FrameCursor& cursor, const FrameLayout& layout, bool tagUnsynchronised,
                TagSource& source, TrackEntry& entry) {
  // The version's own frame wins over the other version's, in any order; an
  // empty one leaves the other's text standing.
  bool ownFrameRead[kTagFieldCount] = {};
  // Each pass consumes at least one frame header, so the area's size bounds the loop.
  for (;;) {
    unsigned char headerBytes[10] = {};
    const ByteView header(headerBytes, cursor.Read(headerBytes, layout.headerLength));
    // Stop at padding, at the end, and at anything that is not a frame header.
    if (!IsFrameStart(header, layout)) return;
    const FrameHeader frame = ParseFrameHeader(header, layout, source, cursor);
    // A frame that runs past the tag or the file is not taken, nor anything after it.
    if (frame.size > cursor.FileBytesLeft()) return;
    if (frame.field == kOtherFrame || IsCompressedOrEncrypted(frame, layout.version)) {
      if (!cursor.Skip(frame.size)) return;
      continue;
    }
    // Most text frames fit on the stack; a larger one grows piece by piece.
    unsigned char small[256];
    std::vector<unsigned char> large;
    unsigned char* body = small;
    if (frame.size <= sizeof small) {
      const auto size = static_cast<std::size_t>(frame.size);
      if (cursor.Read(small, size) < size) return;
    } else {
      if (!ReadBody(cursor, frame.size, large)) return;
      body = large.data();
    }
    const ByteView text = FrameText(body, static_cast<std::size_t>(frame.size), frame,
                                    layout.version, tagUnsynchronised);
    // 2.4 defines several values in one frame; 2.3 writers put them there
    // the same way, though 2.3 leaves it undefined.
    std::u16string value = layout.version >= 3 ? tags::DecodeTextValues(text.data(), text.size())
                                               : DecodeTagText(text.data(), text.size());
    const TagField& field = kTagFields[frame.field];
    value = tags::FieldValue(field.form, std::move(value));
    std::optional<std::u16string>& member = entry.*field.member;
    const bool earlierHasText = member && !member->empty();
    bool& own = ownFrameRead[frame.field];
    if (frame.otherVersion ? own && earlierHasText : !own && earlierHasText && value.empty()) {
      continue;
    }
    own = own || !frame.otherVersion;
    member = std::move(value);
  }
}

// An ID3v1 field's text: up to its first NUL; the ID3v1.1 track byte as
// its number, when the zero byte before it says it is one.
std::u16string Id3v1Text(ByteView field, FieldForm form) {
  if (form == FieldForm::TrackNumber) {
    return field.at(0) == 0 && field.at(1) != 0 ? platform::DecimalText(field.at(1))
                                                : std::u16string();
  }
  std::size_t length = 0;
  while (length < field.size() && field.at(length) != 0) ++length;
  return DecodeTagText(field.data(), length);
}

bool IsTagStart(TagSource& source, std::uint64_t offset, const char* id) {
  unsigned char bytes[3];
  return IsIdentifier(ByteView(bytes, source.ReadAt(offset, bytes, 3)), id);
}

Id3Result Completeness(const TrackEntry& entry) {
  return entry.IsComplete() ? Id3Result::Complete : Id3Result::Incomplete;
}

constexpr std::uint64_t kId3v1Size = 128;
constexpr std::uint8_t kTagUnsynchronised = 0x80, kExtendedHeader = 0x40;

}  // namespace

Id3Reader::Id3Reader(std::u16string filePath)
    // Default-initialised: the read-ahead block is only filled by reads.
    : filePath_(std::move(filePath)), source_(new Source) {}

Id3Reader Id3Reader::FromBytes(std::vector<unsigned char> bytes) {
  Id3Reader reader(u"");
  reader.source_->inMemory = true;
  reader.source_->bytes = std::move(bytes);
  return reader;
}

Id3Reader::~Id3Reader() = default;
Id3Reader::Id3Reader(Id3Reader&&) noexcept = default;
Id3Reader& Id3Reader::operator=(Id3Reader&&) noexcept = default;

Id3Result Id3Reader::Open() {
  Source& source = *source_;
  if (source.inMemory) {
    source.tagSource.OverBytes(source.bytes.data(), source.bytes.size());
  } else {
    source.tagSource.OpenFile(filePath_);
  }
  TagSource& tags = source.tagSource;
  if (!tags.IsOpen()) return Id3Result::NotOpen;
  if (IsTagStart(tags, 0, "ID3")) return Id3Result::HasId3v2;
  if (tags.Size() >= kId3v1Size && IsTagStart(tags, tags.Size() - kId3v1Size, "TAG")) {
    return Id3Result::HasId3v1;
  }
  return Id3Result::NoTag;
}

Id3Result Id3Reader::ReadId3v2(TrackEntry& entry) {
  TagSource& source = source_->tagSource;
  if (!source.IsOpen()) return Id3Result::NotOpen;
  unsigned char headerBytes[10] = {};
  const ByteView header(headerBytes, source.ReadAt(0, headerBytes, sizeof headerBytes));
  if (!IsIdentifier(header, "ID3")) return Id3Result::NoId3v2;
  const unsigned char version = header.at(3);
  const unsigned char flags = header.at(5);
  const FrameLayout& layout = LayoutFor(version);

  // Not cut to the file's size: reads past its end come up short and stop
  // the frame loop, and learning the size would cost a seek.
  const std::uint64_t end = 10 + std::uint64_t{header.Synchsafe(6)};
  // 2.2 and 2.3 unsynchronise the tag as a whole; 2.4 frame by frame.
  const bool tagUnsynchronised = (flags & kTagUnsynchronised) != 0;
  FrameCursor cursor(source, sizeof headerBytes, end, tagUnsynchronised && layout.version < 4);

  // In 2.2 the flag 0x40 means a compressed tag, for which no scheme was
  // ever defined: nothing in it can be read.
  if (flags & kExtendedHeader) {
    if (layout.version == 2) return Completeness(entry);
    if (!HasNoExtendedHeader(source, end, layout) && !SkipExtendedHeader(cursor, layout.version)) {
      return Completeness(entry);
    }
  }
  ReadFrames(cursor, layout, tagUnsynchronised, source, entry);
  return Completeness(entry);
}

Id3Result Id3Reader::ReadId3v1(TrackEntry& entry) {
  TagSource& source = source_->tagSource;
  if (!source.IsOpen()) return Id3Result::NotOpen;
  if (source.Size() < kId3v1Size) return Id3Result::NoId3v1;
  unsigned char tag[kId3v1Size];
  const ByteView bytes(tag, source.ReadAt(source.Size() - kId3v1Size, tag, sizeof tag));
  if (bytes.size() < kId3v1Size || !IsIdentifier(bytes, "TAG")) return Id3Result::NoId3v1;
  for (const TagField& tagField : kTagFields) {
    const ByteView field = bytes.After(tagField.id3v1Offset).First(tagField.id3v1Length);
    std::u16string value = tags::FieldValue(tagField.form, Id3v1Text(field, tagField.form));
    // Every ID3v1 tag has the texts; a track or a year only where it has a value.
    if (tagField.form == FieldForm::Text || !value.empty())
      entry.*tagField.member = std::move(value);
  }
  return Completeness(entry);
}
