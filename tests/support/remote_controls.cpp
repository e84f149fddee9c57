#include "support/remote_controls.h"

#include <vector>

namespace {

constexpr std::size_t kTextUnits = 1024;

struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (lstrcmpiW(className, search->className) != 0) return TRUE;
  if (search->text != nullptr) {
    if (WindowTextOf(window) != search->text) return TRUE;
  }
  search->found = window;
  return FALSE;
}

struct TopLevelSearch {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (std::wstring(className) != search->className) return TRUE;
  if (search->title != nullptr) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (std::wstring(title) != search->title) return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(const void* data, std::size_t size, std::size_t offset) const {
  SIZE_T written = 0;
  return address_ != nullptr &&
         WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                            &written) &&
         written == size;
}

bool RemoteBuffer::Read(void* data, std::size_t size, std::size_t offset) const {
  SIZE_T read = 0;
  return address_ != nullptr &&
         ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) &&
         read == size;
}

std::wstring RemoteControls::ListCell(HWND list, int row, int column) const {
  // The record first, its text right behind it.
  RemoteBuffer buffer(process_, sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t));
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buffer.address()) + sizeof(LVITEMW));
  cell.cchTextMax = static_cast<int>(kTextUnits);
  if (!buffer.Write(&cell, sizeof(cell))) return L"";
  const auto length =
      static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(buffer.address())));
  std::vector<wchar_t> text(kTextUnits, L'\0');
  buffer.Read(text.data(), kTextUnits * sizeof(wchar_t), sizeof(LVITEMW));
  return std::wstring(text.data(), length < kTextUnits ? length : kTextUnits - 1);
}

int RemoteControls::ListRowCount(HWND list) const {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring RemoteControls::StatusText(HWND statusBar) const {
  RemoteBuffer buffer(process_, kTextUnits * sizeof(wchar_t));
  const LRESULT result = SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0);
  const std::size_t length = LOWORD(result);
  if (length + 1 > kTextUnits) return L"";
  SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.address()));
  std::vector<wchar_t> text(length + 1, L'\0');
  buffer.Read(text.data(), (length + 1) * sizeof(wchar_t));
  return std::wstring(text.data(), length);
}

std::wstring RemoteControls::TreeItemText(HWND tree, HTREEITEM item) const {
  RemoteBuffer buffer(process_, sizeof(TVITEMW) + kTextUnits * sizeof(wchar_t));
  TVITEMW record{};
  record.mask = TVIF_TEXT | TVIF_HANDLE;
  record.hItem = item;
  record.pszText =
      reinterpret_cast<wchar_t*>(static_cast<char*>(buffer.address()) + sizeof(TVITEMW));
  record.cchTextMax = static_cast<int>(kTextUnits);
  if (!buffer.Write(&record, sizeof(record))) return L"";
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.address()))) return L"";
  // The control may point pszText at its own copy; follow the record.
  buffer.Read(&record, sizeof(record));
  std::vector<wchar_t> text(kTextUnits, L'\0');
  SIZE_T read = 0;
  ReadProcessMemory(process_, record.pszText, text.data(), (kTextUnits - 1) * sizeof(wchar_t),
                    &read);
  return std::wstring(text.data());
}

HTREEITEM RemoteControls::FindTreeItem(HWND tree, HTREEITEM parent, const std::wstring& text,
                                       int depth) const {
  std::vector<HTREEITEM> level{parent};
  for (int d = 0; d < depth && !level.empty(); ++d) {
    std::vector<HTREEITEM> next;
    for (HTREEITEM item : level) {
      SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
      auto child = reinterpret_cast<HTREEITEM>(
          SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
      while (child != nullptr) {
        if (TreeItemText(tree, child) == text) return child;
        next.push_back(child);
        child = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
      }
    }
    level.swap(next);
  }
  return nullptr;
}

std::wstring WindowTextOf(HWND window) {
  // GetWindowTextW reads only the caption the system keeps for a window of
  // another process; an edit box keeps its text itself and must be asked.
  wchar_t text[kTextUnits] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, kTextUnits, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                      5000, &ignored);
  return text;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text) {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* title) {
  TopLevelSearch search{processId, className, title, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
