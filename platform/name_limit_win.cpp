#include <windows.h>

#include "platform/name_limit.h"
#include "platform/name_limit_common.h"
#include "platform/wine.h"

namespace platform {

bool RunsUnderWine() {
  static const bool wine = [] {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return wine;
}

bool NameFitsFileSystem(std::u16string_view name) {
  return name.size() <= kMaxNameUnits && (!RunsUnderWine() || Utf8Length(name) <= kMaxNameBytes);
}

}  // namespace platform
