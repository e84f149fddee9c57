#pragma once
// The two measures of a name that the file systems we meet limit.

#include <cstddef>
#include <string_view>

namespace platform {

inline constexpr std::size_t kMaxNameUnits = 255;
inline constexpr std::size_t kMaxNameBytes = 255;

}  // namespace platform
