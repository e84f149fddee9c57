#pragma once
// How long a file name may be before the file system cuts it.

#include <string_view>

namespace platform {

// True when the file system keeps name whole: at most 255 UTF-16 units
// (NTFS, FAT), and at most 255 UTF-8 bytes where Linux stores the name
// (natively, and under Wine, whose move cuts a longer name and still
// reports success).
bool NameFitsFileSystem(std::u16string_view name);

}  // namespace platform
