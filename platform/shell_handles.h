#pragma once
// Owners of what the shell, COM and the internet calls hand out, beside the
// kernel and GDI owners of platform/handles.h. Windows only.

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>

#include "platform/unique_resource.h"

// COM, apartment-threaded, for as long as it lives on this thread: the shell
// wants it on the thread that shows the folder browser (some namespace
// folders fail without it), and documents that ShellExecuteW's caller
// initialises it first.
class ComApartment {
 public:
  ComApartment()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

// Memory from the COM task allocator, which is also the shell's (a folder
// browser's item list).
struct TaskMemoryFree {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};

// One reference to a COM object, released once.
template <typename Interface>
struct ComReferenceTraits {
  static bool IsSet(Interface* object) { return object != nullptr; }
  static void Free(Interface* object) { object->Release(); }
};
template <typename Interface>
using ComReference = UniqueResource<Interface*, ComReferenceTraits<Interface>>;

// A drop from the file manager, released with DragFinish.
struct DropTraits {
  static bool IsSet(HDROP drop) { return drop != nullptr; }
  static void Free(HDROP drop) { DragFinish(drop); }
};
using UniqueDrop = UniqueResource<HDROP, DropTraits>;

// A menu, destroyed with DestroyMenu.
struct MenuTraits {
  static bool IsSet(HMENU menu) { return menu != nullptr; }
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;

// An internet session, connection or request, closed with InternetCloseHandle.
struct InternetHandleTraits {
  static bool IsSet(HINTERNET handle) { return handle != nullptr; }
  static void Free(HINTERNET handle) { InternetCloseHandle(handle); }
};
using InternetHandle = UniqueResource<HINTERNET, InternetHandleTraits>;
