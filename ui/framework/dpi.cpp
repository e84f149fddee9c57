#include "ui/framework/dpi.h"

#include <atomic>

namespace {

// Read by every paint of a label; written only on the main thread.
std::atomic<UINT> controlDpi{kDefaultDpi};

}  // namespace

UINT SystemDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

// Looked up rather than linked: Windows 7 and 8 have no such function.
DpiForWindow FindDpiForWindow() {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through the generic function type, which every function pointer may be cast to and from.
  return reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")));
}

}  // namespace

int ScaleToDpi(int value, UINT dpi, UINT fromDpi) {
  return MulDiv(value, static_cast<int>(dpi), static_cast<int>(fromDpi));
}

UINT ControlDpi() { return controlDpi; }

void SetControlDpi(UINT dpi) { controlDpi = dpi != 0 ? dpi : kDefaultDpi; }

UINT DpiOfWindow(HWND window) {
  static const DpiForWindow dpiForWindow = FindDpiForWindow();
  if (window != nullptr && dpiForWindow != nullptr) {
    const UINT dpi = dpiForWindow(window);
    if (dpi != 0) return dpi;
  }
  return SystemDpi();
}
