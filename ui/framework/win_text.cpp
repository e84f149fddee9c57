#include "ui/framework/win_text.h"

std::u16string WindowText(HWND window) {
  wchar_t buffer[kTextBufferUnits] = {};
  const int length = GetWindowTextW(window, buffer, kTextBufferUnits);
  return platform::FromWide(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

void SetText(HWND window, const std::u16string& text) { SetWindowTextW(window, Wide(text)); }
