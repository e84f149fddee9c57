#include <windows.h>

#include <climits>

#include "platform/codepage.h"

namespace platform {

unsigned AnsiCodePage() { return GetACP(); }

std::u16string FromCodePage(unsigned codePage, const unsigned char* bytes, std::size_t count) {
  if (count == 0) return {};
  const int length = count > INT_MAX ? INT_MAX : static_cast<int>(count);
  const auto* source = reinterpret_cast<const char*>(bytes);
  const int needed = MultiByteToWideChar(codePage, 0, source, length, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string out(static_cast<std::size_t>(needed), u'\0');
  const int written =
      MultiByteToWideChar(codePage, 0, source, length, reinterpret_cast<wchar_t*>(&out[0]), needed);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

}  // namespace platform
