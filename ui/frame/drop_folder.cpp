#include "ui/frame/drop_folder.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/long_path.h"
#include "platform/shell_handles.h"
#include "platform/wide.h"
#include "ui/framework/button.h"
#include "ui/listing/refresh.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

namespace {

// The only dropped item's path, however long; nothing for none or several.
std::optional<std::wstring> OnlyItem(HDROP drop) {
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) != 1) return std::nullopt;
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::vector<wchar_t> path(length + 1, L'\0');
  if (DragQueryFileW(drop, 0, path.data(), length + 1) != length) return std::nullopt;
  return std::wstring(path.data(), length);
}

// The folder that a dropped item stands for: itself when it is a folder,
// else the folder it is in. Nothing when the item is not there.
std::optional<std::wstring> FolderOfDroppedItem(const std::wstring& path) {
  const DWORD attributes =
      GetFileAttributesW(platform::LongPath(platform::FromWide(path.c_str(), path.size())).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return path;
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::nullopt;
  // A file at a drive's root stands for the root, which keeps its backslash.
  const bool root = slash == 2 && path[1] == L':';
  return path.substr(0, root ? slash + 1 : slash);
}

}  // namespace

void OnDropFiles(HDROP drop) {
  const UniqueDrop release(drop);
  const MainWindowState& state = State();
  // The "..." button is off while its browser is open or a refresh runs.
  if (AnyWorkerRuns() || state.btnSetWorkDir == nullptr ||
      !IsWindowEnabled(state.btnSetWorkDir->hwnd)) {
    return;
  }
  const std::optional<std::wstring> item = OnlyItem(drop);
  if (!item) return;
  const std::optional<std::wstring> folder = FolderOfDroppedItem(*item);
  if (folder) TakeWorkDir(platform::FromWide(folder->c_str(), folder->size()));
}
