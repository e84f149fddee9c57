#pragma once
// Owners of the Win32 handles that the program holds, from the platform's
// own file handles to the window's fonts and paint scopes. Windows only.

#include <windows.h>

#include "platform/unique_resource.h"

// NULL and INVALID_HANDLE_VALUE both mean "none": the calls disagree on which
// they return.
struct HandleNoneTraits {
  static bool IsSet(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};

// A kernel handle.
struct KernelHandleTraits : HandleNoneTraits {
  static void Free(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;

// A FindFirstFileW search, ended with FindClose.
struct FindHandleTraits : HandleNoneTraits {
  static void Free(HANDLE handle) { FindClose(handle); }
};
using UniqueFindHandle = UniqueResource<HANDLE, FindHandleTraits>;

// A GDI object (font, brush) deleted with DeleteObject.
struct GdiObjectTraits {
  static bool IsSet(HGDIOBJ object) { return object != nullptr; }
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
template <typename Object>
using UniqueGdi = UniqueResource<Object, GdiObjectTraits>;

using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;

// Selects an object into a device context and selects the previous one back.
// Declare it after the owner of the object, so the object is deleted only
// once it is no longer selected.
class SelectionScope {
 public:
  // HGDI_ERROR, spelt so that it converts cleanly: the macro's 0xFFFFFFFFL
  // does not fit a 32-bit long.
  static inline const HGDIOBJ kGdiError = reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(-1));

  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  ~SelectionScope() {
    if (previous_ != nullptr && previous_ != kGdiError) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GetDC ... ReleaseDC, for measuring outside a paint.
class WindowDcScope {
 public:
  explicit WindowDcScope(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDcScope(const WindowDcScope&) = delete;
  WindowDcScope& operator=(const WindowDcScope&) = delete;
  ~WindowDcScope() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};
