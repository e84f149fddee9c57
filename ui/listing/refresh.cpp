#include "ui/listing/refresh.h"

#include <memory>

#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/listing/listing_end.h"
#include "ui/listing/scan_worker.h"
#include "ui/listing/tag_batch.h"
#include "ui/state/control_states.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/rows.h"
#include "ui/state/window_messages.h"
#include "ui/state/workers.h"

void StartRefresh() {
  MainWindowState& state = State();
  ClearRows();
  ApplyControlStates(ControlMoment::RefreshStarted);
  SetStatusText(u"正在刷新文件列表中...");
  ShowUncountedProgress();
  Sleep(100);
  auto request = std::make_unique<ScanRequest>();
  // Whole: a cut folder would list its parent, or a sibling whose name it starts.
  request->folder = WholeWindowText(state.editWorkDir->hwnd);
  request->includeSubfolders =
      SendMessageW(state.checkSubfolders->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  request->window = state.mainWindow;
  request->fileSystem = state.fileSystem;
  // No thread, no closing message: the controls come back here.
  if (!StartWorker(Worker::Scan, ScanThreadProc, std::move(request))) {
    ApplyControlStates(ControlMoment::ScanStoppedWithoutFiles);
    EndProgress();
  }
}

void StopListing() {
  MainWindowState& state = State();
  // After a scan that ended by itself the tag reading runs under this "停止".
  const bool readingTags = Runs(Worker::Tags);
  StopWorker(readingTags ? Worker::Tags : Worker::Scan);
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
    StartTagReading(false);
    return;
  }
  // Nothing (more) to read: the settings come back, or the user could choose
  // no other folder. The rename button stays off, as after any stopped scan.
  ApplyControlStates(ControlMoment::ScanStoppedWithoutFiles);
  EndProgress();
}

void TakeWorkDir(const std::u16string& folder) {
  if (AnyWorkerRuns()) return;
  SetText(State().editWorkDir->hwnd, folder);
  StartRefresh();
}
