#include "update/update_query.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/shell_handles.h"
#include "platform/wide.h"

namespace {

constexpr DWORD kReplyBytes = 260;

bool StatusIsOk(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  return HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr) &&
         status == HTTP_STATUS_OK;
}

}  // namespace

std::u16string DefaultUpdateAddress() {
  wchar_t address[260] = {};
  wsprintfW(address, reinterpret_cast<const wchar_t*>(kUpdateAddressFormat), kCorvaneVersion);
  return platform::FromWide(address);
}

bool QueryUpdate(const std::u16string& address) {
  const InternetHandle root(
      InternetOpenW(L"Corvane", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!root) return false;
  OutputDebugStringW(platform::Wide(address));
  // Never from the cache: an answer kept from an earlier start would be stale.
  const InternetHandle request(InternetOpenUrlW(root.get(), platform::Wide(address), nullptr, 0,
                                                INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE,
                                                0));
  if (!request) return false;
  // An error page is not an answer, whatever its body says.
  if (!StatusIsOk(request.get())) return false;
  // One byte more than is read, so that a full reply still ends in a zero.
  std::array<char, kReplyBytes + 1> reply{};
  DWORD read = 0;
  if (!InternetReadFile(request.get(), reply.data(), kReplyBytes, &read)) return false;
  reply[std::min(read, kReplyBytes)] = '\0';
  return std::strcmp(reply.data(), "Update") == 0;
}
