#include "ui/controls/btn_set_work_dir.h"

#include <memory>
#include <string>

#include "platform/shell_handles.h"
#include "platform/wide.h"
#include "ui/listing/refresh.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

namespace {

// The longest path Windows names, in UTF-16 units.
constexpr std::size_t kLongestPathUnits = 32768;

}  // namespace

namespace CorvaneWnd {

void CBtnSetWorkDir::OnClick() {
  const MainWindowState& state = State();
  if (browserOpen_) return;
  EnableWindow(hwnd, FALSE);
  wchar_t title[] = L"请选择工作目录:";
  BROWSEINFOW info{};
  // Owned by the main window, the browser is modal: the window takes no
  // clicks while it is open.
  info.hwndOwner = state.mainWindow;
  info.lpszTitle = title;
  browserOpen_ = true;
  const std::unique_ptr<ITEMIDLIST, TaskMemoryFree> chosen(state.browseForFolder(&info));
  browserOpen_ = false;
  // A command sent straight to a button while the browser was open started a
  // worker: a refresh now would empty the list under it. The choice is
  // dropped, and the worker's end gives this button back.
  if (AnyWorkerRuns()) return;
  // Room for the longest path there is: a folder deeper than MAX_PATH must
  // come whole.
  std::wstring path(kLongestPathUnits, L'\0');
  // Cancelled, or a folder with no file-system path (a virtual one): there
  // is nothing to scan.
  if (!chosen || !SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()),
                                        GPFIDL_DEFAULT)) {
    EnableWindow(hwnd, TRUE);
    return;
  }
  TakeWorkDir(platform::FromWide(path.c_str()));
}

}  // namespace CorvaneWnd
