#pragma once
// The rename worker: gives every listed file its new name in its own folder,
// row by row, and writes each row's outcome and path back into the list.

#include <windows.h>

// Started by "开始重命名!" with a WorkerRun* (see StartRun), whose stop it
// tests between rows and while it pauses. Reads the name style once. Shows
// the summary unless it was asked to stop, and posts WM_RENAME_DONE with the
// run's number as its last act.
DWORD WINAPI RenameThreadProc(void* run);
