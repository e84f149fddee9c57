#pragma once
// The undo of the last renaming: every file it moved goes back to the name it
// had, in its own folder, one file at a time. It runs on the rename worker's
// handle and run, so "停止" on the rename button stops it as it stops a
// renaming.

#include <windows.h>

// Started with a WorkerRun* (see StartRun); tests its stop between files and
// while it pauses. Shows the summary unless it was asked to stop, and posts
// WM_UNDO_DONE with the run's number as its last act.
DWORD WINAPI UndoThreadProc(void* run);

// WM_UNDO_DONE of the given run: closes renameThread and gives the controls
// back. No lyrics stage follows an undo.
void OnUndoDone(WPARAM run);
