#pragma once
// The rename worker: gives every listed file its new name in its own folder,
// row by row, and writes each row's outcome and path back into the list.

#include <windows.h>

// Started by "开始重命名!" with no parameter, after State().renameStop was
// given a fresh stop request. Reads the name style once. Posts WM_RENAME_DONE
// after the summary unless it was asked to stop, in which case it posts
// nothing and the stop shows its own text.
DWORD WINAPI RenameThreadProc(void* unused);
