#include "ui/behaviour/btn_set_work_dir.h"

#include <memory>

#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/edit.h"
#include "ui/window/main_window_state.h"

namespace {

FolderBrowser folderBrowser = nullptr;
// A click sent straight to the disabled button while its browser is open
// must not open a second one.
bool browserOpen = false;

struct ItemListFree {
  // The shell allocator is the COM task allocator.
  void operator()(ITEMIDLIST* items) const { CoTaskMemFree(items); }
};

}  // namespace

void SetFolderBrowserForTest(FolderBrowser browser) { folderBrowser = browser; }

namespace CorvaneWnd {

void CBtnSetWorkDir::OnClick() {
  const MainWindowState& state = State();
  if (browserOpen) return;
  EnableWindow(hwnd, FALSE);
  wchar_t title[] = L"请选择工作目录:";
  BROWSEINFOW info{};
  // Owned by the main window, the browser is modal: the window takes no
  // clicks while it is open.
  info.hwndOwner = state.mainWindow;
  info.lpszTitle = title;
  const FolderBrowser browse = folderBrowser != nullptr ? folderBrowser : SHBrowseForFolderW;
  browserOpen = true;
  const std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(browse(&info));
  browserOpen = false;
  // A command sent straight to a button while the browser was open started a
  // worker: a refresh now would empty the list under it. The choice is
  // dropped, and the worker's end gives this button back.
  if (AnyWorkerRuns()) return;
  wchar_t path[MAX_PATH] = {};
  // Cancelled, or a folder with no file-system path (a virtual one): there
  // is nothing to scan.
  if (!chosen || !SHGetPathFromIDListW(chosen.get(), path)) {
    EnableWindow(hwnd, TRUE);
    return;
  }
  TakeWorkDir(path);
}

void CBtnSetWorkDir::TakeWorkDir(const std::wstring& folder) {
  const MainWindowState& state = State();
  SetWindowTextW(state.editWorkDir->hwnd, folder.c_str());
  // Its caption reads "刷新文件列表" whenever this button can be clicked,
  // so this starts a refresh. This button stays off until the tag reading ends.
  state.btnListFile->OnClick();
}

}  // namespace CorvaneWnd
