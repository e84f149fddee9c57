#pragma once
// Paths past MAX_PATH. Windows 10 and later take them as they are when long
// paths are enabled and the manifest says longPathAware; elsewhere only the
// "\\?\" form reaches them, so every call that takes a path goes through here.

#ifdef _WIN32
#include <string>

#include "platform/wide.h"

namespace platform {

// path in the "\\?\" form when it is too long for the plain one and is a
// full path that the form can carry as it is (the form takes every character
// literally: no "/" for "\", no "." or ".." steps). Otherwise path unchanged.
inline std::wstring LongPath(const std::u16string& path) {
  constexpr std::size_t kPlainPathLimit = 259;
  // Callers have refused a path holding a NUL, so none is cut here.
  std::wstring wide = Wide(path);
  if (wide.size() <= kPlainPathLimit || wide.compare(0, 4, L"\\\\?\\") == 0 ||
      wide.compare(0, 4, L"\\\\.\\") == 0) {
    return wide;
  }
  std::wstring normal = wide;
  for (wchar_t& c : normal) {
    if (c == L'/') c = L'\\';
  }
  const std::wstring dotted = normal + L'\\';
  if (dotted.find(L"\\.\\", 2) != std::wstring::npos ||
      dotted.find(L"\\..\\", 2) != std::wstring::npos) {
    return wide;
  }
  const bool drive = normal.size() > 2 && normal[1] == L':' && normal[2] == L'\\';
  if (drive) return L"\\\\?\\" + normal;
  if (normal.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + normal.substr(2);
  return wide;
}

}  // namespace platform
#endif
