#pragma once
// The tag-reading worker: reads the tags of every listed file after a scan.

#include <windows.h>

#include "ui/state/workers.h"

struct TagReadingRequest {
  HWND window = nullptr;  // hands the batches over and gets the closing message
  WorkerRun run;
};

// Started with a TagReadingRequest*, which it owns. Reads the rows in
// batches through WM_TAG_BATCH and posts WM_TAGS_DONE with the run's number
// as its last act; the handler gives the controls back and shows the
// summary. A stop ends it between two reads and leaves the controls and the
// status bar to the stop.
DWORD WINAPI TagThreadProc(void* request);
