#include "ui/behaviour/btn_set_work_dir.h"

#include <memory>

#include "ui/behaviour/btn_list_file.h"
#include "ui/framework/edit.h"
#include "ui/window/main_window_state.h"

namespace {

FolderBrowser folderBrowser = nullptr;

struct ItemListFree {
  // The shell allocator is the COM task allocator.
  void operator()(ITEMIDLIST* items) const { CoTaskMemFree(items); }
};

}  // namespace

void SetFolderBrowserForTest(FolderBrowser browser) { folderBrowser = browser; }

namespace CorvaneWnd {

void CBtnSetWorkDir::OnClick() {
  const MainWindowState& state = State();
  EnableWindow(hwnd, FALSE);
  wchar_t title[] = L"请选择工作目录:";
  BROWSEINFOW info{};
  info.lpszTitle = title;
  const FolderBrowser browse = folderBrowser != nullptr ? folderBrowser : SHBrowseForFolderW;
  const std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(browse(&info));
  wchar_t path[MAX_PATH] = {};
  // Cancelled, or a folder with no file-system path (a virtual one): there
  // is nothing to scan.
  if (!chosen || !SHGetPathFromIDListW(chosen.get(), path)) {
    EnableWindow(hwnd, TRUE);
    return;
  }
  SetWindowTextW(state.editWorkDir->hwnd, path);
  // Its caption reads "刷新文件列表" whenever this button can be clicked,
  // so this starts a refresh. This button stays off until the tag reading ends.
  state.btnListFile->OnClick();
}

}  // namespace CorvaneWnd
