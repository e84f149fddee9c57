#pragma once
// The literal "\\?\" form for every full path the program opens, lists or
// moves. Without it Win32 rewrites each component, stripping a trailing dot
// or blank ("Harry Connick Jr." opens as "Harry Connick Jr"), and stops at
// MAX_PATH unless long paths are enabled; so every call that takes a path
// goes through here.

#ifdef _WIN32
#include <string>

#include "platform/wide.h"

namespace platform {

// path in the "\\?\" form ("\\?\UNC\" for a share) when it is a full path
// that the form can carry as it is: "/" becomes "\", but a "." or ".." step,
// a relative path and a device path stay as they are, since the form would
// take them literally. Otherwise path unchanged.
inline std::wstring LongPath(const std::u16string& path) {
  // Callers have refused a path holding a NUL, so none is cut here.
  const std::wstring wide = Wide(path);
  std::wstring normal = wide;
  for (wchar_t& c : normal) {
    if (c == L'/') c = L'\\';
  }
  if (normal.compare(0, 4, L"\\\\?\\") == 0 || normal.compare(0, 4, L"\\\\.\\") == 0) return wide;
  const std::wstring dotted = normal + L'\\';
  if (dotted.find(L"\\.\\", 2) != std::wstring::npos ||
      dotted.find(L"\\..\\", 2) != std::wstring::npos) {
    return wide;
  }
  const bool drive = normal.size() > 2 && normal[1] == L':' && normal[2] == L'\\';
  if (drive) return L"\\\\?\\" + normal;
  if (normal.size() > 2 && normal.compare(0, 2, L"\\\\") == 0) {
    return L"\\\\?\\UNC\\" + normal.substr(2);
  }
  return wide;
}

}  // namespace platform
#endif
