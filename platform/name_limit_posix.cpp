#include "platform/name_limit.h"
#include "platform/name_limit_common.h"
#include "platform/text.h"

namespace platform {

bool NameFitsFileSystem(std::u16string_view name) {
  return name.size() <= kMaxNameUnits && Utf16ToUtf8(std::u16string(name)).size() <= kMaxNameBytes;
}

}  // namespace platform
