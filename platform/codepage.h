#pragma once
// Which code page is the ANSI one, and conversions from a named code page.
// Which code page a legacy text is in is decided above, in tags/.

#include <cstddef>
#include <string>

namespace platform {

inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageWestern = 1252;
inline constexpr unsigned kCodePageBig5 = 950;
inline constexpr unsigned kCodePageShiftJis = 932;
inline constexpr unsigned kCodePageUtf8 = 65001;

unsigned AnsiCodePage();

// Bytes in a named code page to UTF-16. Windows has 936, 950, 932 and 1252
// whatever its ANSI code page; an invalid byte becomes '?' or U+FFFD.
std::u16string FromCodePage(unsigned codePage, const unsigned char* bytes, std::size_t count);

}  // namespace platform
