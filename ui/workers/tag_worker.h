#pragma once
// The tag-reading worker: reads the tags of every listed file after a scan.

#include <windows.h>

// Started with a WorkerRun* (see StartRun) and posts WM_TAGS_DONE with its
// number as its last act; the handler gives the controls back and shows the
// summary.
DWORD WINAPI TagThreadProc(void* run);
