#pragma once
// The Han characters most often written, most frequent first:
// 3,000 of simplified Chinese, 3,000 of traditional. Their order is what
// tells a real text from bytes read in the wrong code page.

namespace tags {

extern const char16_t kSimplifiedByFrequency[];
extern const char16_t kTraditionalByFrequency[];

}  // namespace tags
