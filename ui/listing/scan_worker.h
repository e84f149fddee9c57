#pragma once
// The directory scan's thread: walks the working directory and reports the
// .mp3 files it finds to the main window in batches, at most ten a second.

#include <windows.h>

#include <string>

#include "platform/file_system.h"
#include "ui/state/workers.h"

struct ScanRequest {
  std::u16string folder;  // the working directory as its box shows it, whole
  bool includeSubfolders = false;
  HWND window = nullptr;  // where the reports go
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();
  // Its stop is asked by the refresh button's stop; the thread tests it
  // before every folder entry.
  WorkerRun run;
};

// The parameter is a ScanRequest* that the thread owns and frees, however it
// ends. Posts WM_FILE_FOUND with every file found since the one before, at
// least 100 ms apart, the last one as the walk ends, and then, as its last
// act, WM_SCAN_DONE with the run's number. Once a stop is asked it finds
// nothing more; what it had found still goes out, and the stop has closed
// the handle that its WM_SCAN_DONE would close.
DWORD WINAPI ScanThreadProc(void* request);
