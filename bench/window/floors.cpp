#include "floors.h"

#include <windows.h>

#include <cwctype>

#include "platform/handles.h"
#include "platform/wide.h"

namespace {

bool IsMp3(const wchar_t* name) {
  std::wstring tail(name);
  if (tail.size() < 4) return false;
  tail = tail.substr(tail.size() - 4);
  for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
  return tail == L".mp3";
}

DWORD ReadAt(HANDLE file, unsigned char* buffer, DWORD size, LONGLONG offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  return ReadFile(file, buffer, size, &got, &at) ? got : 0;
}

void ReadTagBytes(const std::wstring& path) {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  unsigned char head[4096], next[4096], tail[128];
  const DWORD got = ReadAt(file.get(), head, sizeof head, 0);
  if (got >= 20) {
    // The first frame's size after the 10-byte tag header: plain in
    // ID3v2.3, seven bits a byte in ID3v2.4.
    const unsigned shift = head[3] >= 4 ? 7 : 8;
    LONGLONG first = 0;
    for (int i = 14; i < 18; ++i) first = (first << shift) | head[i];
    const LONGLONG second = 20 + first;
    if (second + 10 > got) ReadAt(file.get(), next, sizeof next, second);
  }
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart >= 128) {
    ReadAt(file.get(), tail, sizeof tail, size.QuadPart - 128);
  }
}

int ListAndRead(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!find) return 0;
  int read = 0;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      read += ListAndRead(folder + L"\\" + name);
    } else if (IsMp3(found.cFileName)) {
      ReadTagBytes(folder + L"\\" + name);
      ++read;
    }
  } while (FindNextFileW(find.get(), &found));
  return read;
}

}  // namespace

int ListAndReadTagBytes(const std::u16string& folder) {
  return ListAndRead(platform::Wide(folder));
}

bool MoveEach(const std::vector<std::pair<std::u16string, std::u16string>>& moves) {
  for (const auto& [from, to] : moves) {
    if (!MoveFileExW(platform::Wide(from), platform::Wide(to), 0)) return false;
  }
  return true;
}
