#pragma once
// What every read must give, whatever the bytes: a result code that agrees
// with the texts read, the ID3v1 texts all set once its tag is found, and
// years in their form.

#include <cstdlib>

#include "tags/id3_reader.h"

namespace fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline Id3Result Expected(const TrackEntry& entry) {
  return entry.IsComplete() ? Id3Result::Complete : Id3Result::Incomplete;
}

// A year is four digits or nothing, whatever the tag held.
inline void CheckYear(const TrackEntry& entry) {
  if (!entry.year || entry.year->empty()) return;
  Require(entry.year->size() == 4);
  for (const char16_t c : *entry.year) Require(c >= u'0' && c <= u'9');
}

inline void CheckReads(Id3Reader& reader) {
  const Id3Result opened = reader.Open();
  TrackEntry fromV2, fromV1;
  const Id3Result v2 = reader.ReadId3v2(fromV2);
  const Id3Result v1 = reader.ReadId3v1(fromV1);

  Require(opened == Id3Result::HasId3v2 || opened == Id3Result::HasId3v1 ||
          opened == Id3Result::NoTag);
  Require((opened == Id3Result::HasId3v2) == (v2 != Id3Result::NoId3v2));
  if (v2 != Id3Result::NoId3v2) Require(v2 == Expected(fromV2));
  CheckYear(fromV2);
  CheckYear(fromV1);
  if (v1 != Id3Result::NoId3v1) {
    Require(v1 == Expected(fromV1));
    for (const TagField& field : kTagFields) {
      Require(field.form != FieldForm::Text || (fromV1.*field.member).has_value());
    }
  }
}

}  // namespace fuzz
