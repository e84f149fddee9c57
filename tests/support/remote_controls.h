#pragma once
// Reading and driving the controls of another process, as a user's tools
// would: list cells, status bar and tree items are read through a buffer
// placed in that process, since their messages carry pointers.

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>

// A block of memory in another process, freed when it goes.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t size);
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer();

  void* address() const { return address_; }
  bool Write(const void* data, std::size_t size, std::size_t offset = 0) const;
  bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

 private:
  HANDLE process_;
  void* address_ = nullptr;
};

class RemoteControls {
 public:
  explicit RemoteControls(HANDLE process) : process_(process) {}

  std::wstring ListCell(HWND list, int row, int column) const;
  int ListRowCount(HWND list) const;
  std::wstring StatusText(HWND statusBar) const;
  std::wstring TreeItemText(HWND tree, HTREEITEM item) const;
  // The item named text among the children of parent (expanded first), or
  // among their children in turn, breadth first, down to depth levels.
  HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::wstring& text, int depth) const;

 private:
  HANDLE process_;
};

// The text of a window of another process, as WM_GETTEXT gives it.
std::wstring WindowTextOf(HWND window);

// The first child of parent with this class whose text is text (any text when
// text is null), searching all descendants.
HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text);
// A visible top-level window of the process with this class, if any.
HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* title);
