#pragma once
// The end of a renaming or its undo, on the main thread: the summary, then,
// after a renaming, the lyrics stage; at last the controls come back.

#include <windows.h>

// WM_RENAME_DONE of the given run: closes the worker's handle, shows the
// run's summary (and where a strayed file went), then starts the lyrics
// stage when the run's policy has it follow and "重命名后自动下载歌词" is
// ticked, else gives the controls back. Another run's message, or one after
// a stop, does nothing.
void OnRenameDone(WPARAM run);
// WM_LYRICS_DONE of the given run: closes its handle and gives the controls
// back.
void OnLyricsDone(WPARAM run);

// Lyrics are not fetched: the stage only reports that it is done. Started
// with a RunOnly* (see StartWorker).
DWORD WINAPI LyricsThreadProc(void* request);
