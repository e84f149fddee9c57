#pragma once
// A field's value from the texts a tag holds: the several values of a 2.3
// or 2.4 text frame, and the forms of track numbers and years.

#include <cstddef>
#include <string>

#include "tags/tag_fields.h"

namespace tags {

// A 2.3 or 2.4 text frame body: its values, each ended by a NUL of the frame's
// encoding (UTF-16 values each with their own mark), decoded and joined by
// "/", the empty ones left out.
std::u16string DecodeTextValues(const unsigned char* bytes, std::size_t count);

// The field's value from the text its tag holds.
std::u16string FieldValue(FieldForm form, std::u16string text);

}  // namespace tags
