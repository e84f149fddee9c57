#include "ui/behaviour/btn_list_file.h"

#include <commctrl.h>

#include <memory>

#include "ui/behaviour/details_panel.h"
#include "ui/behaviour/list_file.h"
#include "ui/behaviour/worker_guard.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/window/control_states.h"
#include "ui/window/main_window_state.h"
#include "ui/window/tag_batch.h"
#include "ui/window/window_messages.h"
#include "ui/window/worker_reports.h"
#include "ui/workers/scan_worker.h"
#include "ui/workers/start_worker.h"
#include "ui/workers/stop_worker.h"
#include "ui/workers/tag_worker.h"

namespace CorvaneWnd {

void CBtnListFile::OnClick() {
  if (WindowText(hwnd) == kStopCaption) {
    StopScan();
  } else if (!AnyWorkerRuns()) {
    StartRefresh();
  }
}

void CBtnListFile::StartRefresh() {
  MainWindowState& state = State();
  state.filesFound = 0;
  SendMessageW(state.listFile->hwnd, LVM_DELETEALLITEMS, 0, 0);
  ResetDetails();
  Tracks().Clear();
  state.lastRenaming.Forget();
  ApplyControlStates(ControlMoment::RefreshStarted);
  SetStatusText(u"正在刷新文件列表中...");
  Sleep(100);
  auto request = std::make_unique<ScanRequest>();
  request->folder = WindowText(state.editWorkDir->hwnd);
  request->includeSubfolders =
      SendMessageW(state.checkSubfolders->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  state.scanRun = NewRun();
  request->run = state.scanRun;
  state.scanThread = StartWorker(ScanThreadProc, std::move(request));
}

void CBtnListFile::StopScan() {
  MainWindowState& state = State();
  // After a scan that ended by itself the tag reading runs under this caption.
  const bool readingTags = static_cast<bool>(state.tagThread);
  if (readingTags) {
    StopWorker(state.tagRun, state.tagThread);
  } else {
    StopWorker(state.scanRun, state.scanThread);
  }
  // The scan has ended, so every report it made is queued. Taking them in
  // now lets every file it found be counted below and get its tags read; a
  // queued WM_SCAN_DONE finds the handle closed and does nothing.
  MSG report{};
  while (PeekMessageW(&report, state.mainWindow, WM_FILE_FOUND, WM_FILE_FOUND, PM_REMOVE)) {
    DispatchMessageW(&report);
  }
  if (readingTags) {
    // The reading stopped between two reads: the rows it had not reached
    // have no entries, and rows and entries must stay aligned. A reading
    // that had read every row when the stop came has simply ended.
    if (!DropUnreadRows()) {
      EndTagReading();
      return;
    }
  }
  SetStatusText(u"操作被中断!");
  if (!readingTags && state.filesFound > 0) {
    ApplyControlStates(ControlMoment::ScanStoppedWithFiles);
    state.tagThread = StartRun(TagThreadProc, state.tagRun);
    return;
  }
  // Nothing (more) to read: the settings come back, or the user could choose
  // no other folder. The rename button stays off, as after any stopped scan.
  ApplyControlStates(ControlMoment::ScanStoppedWithoutFiles);
}

}  // namespace CorvaneWnd
