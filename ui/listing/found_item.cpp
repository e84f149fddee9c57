#include "ui/listing/found_item.h"

#include <utility>

#include "ui/framework/status_bar.h"
#include "ui/state/rows.h"
#include "ui/state/window_messages.h"

bool PostFoundItem(HWND window, std::unique_ptr<FoundItem> item) {
  if (!PostMessageW(window, WM_FILE_FOUND, reinterpret_cast<WPARAM>(item.get()), 0)) return false;
  item.release();  // the receiver frees it
  return true;
}

void OnFileFound(std::unique_ptr<FoundItem> item) {
  if (!item) return;
  // The path is an argument, never part of a format: a '%' shows as it is.
  if (!item->latest.empty()) SetStatusText(u"正在请求文件: " + item->latest);
  if (!item->files.empty()) AddFileRows(std::move(item->files));
}
