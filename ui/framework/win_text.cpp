#include "ui/framework/win_text.h"

std::u16string WindowText(HWND window) {
  wchar_t buffer[kTextBufferUnits] = {};
  const int length = GetWindowTextW(window, buffer, kTextBufferUnits);
  return platform::FromWide(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::u16string WholeWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  return platform::FromWide(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void SetText(HWND window, const std::u16string& text) { SetWindowTextW(window, Wide(text)); }

bool ShowText(HWND window, const std::u16string& text) {
  // Compared whole, however long: a text cut to a buffer could match a
  // shorter one.
  if (GetWindowTextLengthW(window) == static_cast<int>(text.size()) &&
      WholeWindowText(window) == text) {
    return false;
  }
  SetText(window, text);
  return true;
}
