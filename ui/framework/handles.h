#pragma once
// Move-only owners for the Win32 handles the window code holds.

#include <windows.h>

#include <utility>

// Owns one resource of a Win32 kind; Traits says what "none" is and how to
// let the resource go.
template <typename Resource, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(Resource resource) : resource_(resource) {}
  UniqueResource(UniqueResource&& other) noexcept : resource_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  ~UniqueResource() { reset(); }

  Resource get() const { return resource_; }
  explicit operator bool() const { return Traits::IsSet(resource_); }
  Resource release() { return std::exchange(resource_, Resource{}); }
  void reset(Resource resource = Resource{}) {
    if (Traits::IsSet(resource_)) Traits::Free(resource_);
    resource_ = resource;
  }

 private:
  Resource resource_{};
};

// A kernel handle. NULL and INVALID_HANDLE_VALUE both mean "none".
struct KernelHandleTraits {
  static bool IsSet(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;

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
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  ~SelectionScope() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
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
