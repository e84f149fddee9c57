#pragma once
// The directory scan's thread: walks the working directory and reports each
// subfolder and .mp3 file to the main window, one report per 100 ms.

#include <windows.h>

#include <memory>
#include <string>

#include "tracks/stop_request.h"

struct ScanRequest {
  std::u16string folder;  // the working directory as its box shows it
  bool includeSubfolders = false;
  // Asked by the refresh button's stop; the thread tests it before every
  // report and while it waits between reports.
  std::shared_ptr<StopRequest> stop;
};

// The parameter is a ScanRequest* that the thread owns and frees, however it
// ends. Posts WM_FILE_FOUND per report and WM_SCAN_DONE only when the walk
// ran to its end; once a stop is asked it posts nothing more.
DWORD WINAPI ScanThreadProc(void* request);
