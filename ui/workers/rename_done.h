#pragma once
// What follows a renaming run on the main thread: the lyrics stage, then the
// controls given back to the user.

#include <windows.h>

// WM_RENAME_DONE of the given run: closes renameThread; starts the lyrics
// stage when "重命名后自动下载歌词" is ticked, else gives the controls back.
// Another run's message, or one after a stop, does nothing.
void OnRenameDone(WPARAM run);
// WM_LYRICS_DONE of the given run: closes lyricsThread and gives the
// controls back.
void OnLyricsDone(WPARAM run);

// Lyrics are not fetched: the stage only reports that it is done. Started
// with a WorkerRun* (see StartRun).
DWORD WINAPI LyricsThreadProc(void* run);
