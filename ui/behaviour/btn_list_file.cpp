#include "ui/behaviour/btn_list_file.h"

#include <commctrl.h>

#include <memory>

#include "ui/behaviour/btn_delete_empty.h"
#include "ui/behaviour/btn_process.h"
#include "ui/behaviour/btn_set_work_dir.h"
#include "ui/behaviour/details_panel.h"
#include "ui/behaviour/edit_name_style.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"
#include "ui/window/tag_batch.h"
#include "ui/window/window_messages.h"
#include "ui/workers/scan_worker.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/stop_worker.h"
#include "ui/workers/tag_worker.h"

namespace CorvaneWnd {

namespace {

void EnableSettings(bool enable) {
  const MainWindowState& state = State();
  for (HWND control : {state.btnDeleteEmpty->hwnd, state.checkSubfolders->hwnd,
                       state.checkLyrics->hwnd, state.btnSetWorkDir->hwnd}) {
    EnableWindow(control, enable ? TRUE : FALSE);
  }
}

}  // namespace

void CBtnListFile::OnClick() {
  if (WindowText(hwnd) == u"停止") {
    StopScan();
  } else {
    StartRefresh();
  }
}

void CBtnListFile::StartRefresh() {
  MainWindowState& state = State();
  state.filesFound = 0;
  SendMessageW(state.listFile->hwnd, LVM_DELETEALLITEMS, 0, 0);
  ResetDetails();
  state.editNameStyle->SetReadOnly(true);
  Tracks().Clear();
  EnableSettings(false);
  SetText(hwnd, u"停止");
  EnableWindow(hwnd, TRUE);
  EnableWindow(state.btnProcess->hwnd, FALSE);
  SetStatusText(u"正在刷新文件列表中...");
  Sleep(100);
  auto request = std::make_unique<ScanRequest>();
  request->folder = WindowText(state.editWorkDir->hwnd);
  request->includeSubfolders =
      SendMessageW(state.checkSubfolders->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  state.scanStop = std::make_shared<StopRequest>();
  request->stop = state.scanStop;
  state.scanThread = StartWorker(ScanThreadProc, request.get());
  // The thread owns the request once it runs; a thread that never started leaves it here.
  if (state.scanThread) request.release();
}

void CBtnListFile::StopScan() {
  MainWindowState& state = State();
  // After a scan that ended by itself the tag reading runs under this caption.
  const bool readingTags = static_cast<bool>(state.tagThread);
  if (readingTags) {
    StopWorker(state.tagStop, state.tagThread);
    state.tagStop = std::make_shared<StopRequest>();
  } else {
    StopWorker(state.scanStop, state.scanThread);
  }
  // The scan has ended, so every report it made is queued. Taking them in
  // now lets every file it found be counted below and get its tags read; a
  // queued WM_SCAN_DONE finds the handle closed and does nothing.
  MSG report{};
  while (PeekMessageW(&report, state.mainWindow, WM_FILE_FOUND, WM_FILE_FOUND, PM_REMOVE)) {
    DispatchMessageW(&report);
  }
  // The reading stopped between two batches: the rows it had not reached
  // have no entries, and rows and entries must stay aligned.
  if (readingTags) DropUnreadRows();
  SetStatusText(u"操作被中断!");
  SetText(hwnd, u"刷新文件列表");
  state.editNameStyle->SetReadOnly(false);
  if (!readingTags && state.filesFound > 0) {
    EnableWindow(hwnd, FALSE);
    state.tagThread = StartWorker(TagThreadProc);
    return;
  }
  // As after a stopped scan with nothing to read. The reader may have given
  // the rename button back just before it saw the stop.
  if (readingTags) EnableWindow(state.btnProcess->hwnd, FALSE);
  // Without these the user could choose no other folder.
  EnableSettings(true);
}

}  // namespace CorvaneWnd
