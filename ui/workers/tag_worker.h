#pragma once
// The tag-reading worker: reads the tags of every listed file after a scan.

#include <windows.h>

// Started with no parameter; posts WM_TAGS_DONE as its last act.
DWORD WINAPI TagThreadProc(void* unused);
