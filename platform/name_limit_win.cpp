#include <windows.h>

#include "platform/name_limit.h"
#include "platform/name_limit_common.h"
#include "platform/text.h"
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
  return name.size() <= kMaxNameUnits &&
         (!RunsUnderWine() || Utf16ToUtf8(std::u16string(name)).size() <= kMaxNameBytes);
}

}  // namespace platform
