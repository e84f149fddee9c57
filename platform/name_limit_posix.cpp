#include "platform/name_limit.h"
#include "platform/name_limit_common.h"

namespace platform {

bool NameFitsFileSystem(std::u16string_view name) {
  return name.size() <= kMaxNameUnits && Utf8Length(name) <= kMaxNameBytes;
}

}  // namespace platform
