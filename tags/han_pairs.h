#pragma once
// The pairs of Han characters that stand side by side in written Chinese
// words, traditional and simplified: a real title is made of such words,
// bytes read in the wrong code page rarely are.

#include <cstddef>
#include <cstdint>

namespace tags {

// The first characters, ascending; the seconds of kPairFirsts[i] are
// kPairSeconds[kPairStarts[i]] up to kPairSeconds[kPairStarts[i + 1]],
// ascending.
extern const std::size_t kPairFirstCount;
extern const char16_t kPairFirsts[];
extern const std::uint32_t kPairStarts[];
extern const char16_t kPairSeconds[];

}  // namespace tags
