#pragma once
// The directory scan's thread: walks the working directory and reports each
// subfolder and .mp3 file to the main window, one report per 100 ms.

#include <windows.h>

#include <string>

#include "ui/state/workers.h"

struct ScanRequest {
  std::u16string folder;  // the working directory as its box shows it, whole
  bool includeSubfolders = false;
  HWND window = nullptr;  // where the reports go
  // Its stop is asked by the refresh button's stop; the thread tests it
  // before every report and while it waits between reports.
  WorkerRun run;
};

// The parameter is a ScanRequest* that the thread owns and frees, however it
// ends. Posts WM_FILE_FOUND per report and, as its last act, WM_SCAN_DONE
// with the run's number; once a stop is asked it reports nothing more, and
// the stop has closed the handle that its WM_SCAN_DONE would close.
DWORD WINAPI ScanThreadProc(void* request);
