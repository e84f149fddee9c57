#include "ui/window/found_item.h"

#include "ui/behaviour/list_file.h"
#include "ui/framework/status_bar.h"
#include "ui/window/main_window_state.h"
#include "ui/window/window_messages.h"

bool PostFoundItem(HWND window, std::unique_ptr<FoundItem> item) {
  if (!PostMessageW(window, WM_FILE_FOUND, reinterpret_cast<WPARAM>(item.get()), 0)) return false;
  item.release();  // the receiver frees it
  return true;
}

void OnFileFound(std::unique_ptr<FoundItem> item) {
  if (!item) return;
  // The path is an argument, never part of a format: a '%' shows as it is.
  SetStatusText(u"正在请求文件: " + item->path);
  if (item->isFolder) return;
  MainWindowState& state = State();
  ++state.filesFound;
  if (state.listFile != nullptr) state.listFile->AddRow(0, {item->path});
}
