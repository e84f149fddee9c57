#pragma once
// Whether this Windows program runs under Wine, whose file system is Linux's
// underneath: names are limited in UTF-8 bytes, and links show as files.

namespace platform {

// True when ntdll exports wine_get_version; false on Windows. Windows builds
// only: a native build asks its own file system.
bool RunsUnderWine();

}  // namespace platform
