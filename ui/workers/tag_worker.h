#pragma once
// The tag-reading worker: reads the tags of every listed file after a scan.

#include <windows.h>

// Started with no parameter. Reads the rows in batches through WM_TAG_BATCH
// and posts WM_TAGS_DONE as its last act. A stop (State().tagStop) ends it
// between two batches; it then leaves the controls and the status bar to
// the stop.
DWORD WINAPI TagThreadProc(void* unused);
