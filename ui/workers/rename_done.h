#pragma once
// What follows a renaming run on the main thread: the lyrics stage, then the
// controls given back to the user.

#include <windows.h>

// WM_RENAME_DONE: closes renameThread; starts the lyrics stage when
// "重命名后自动下载歌词" is ticked, else gives the controls back.
void OnRenameDone();
// WM_LYRICS_DONE: closes lyricsThread and gives the controls back.
void OnLyricsDone();

// Lyrics are not fetched: the stage only reports that it is done.
DWORD WINAPI LyricsThreadProc(void* unused);

// The rename button back to "开始重命名!", the other commands enabled, the
// name style writable. Also used when the user stops a renaming.
void GiveControlsBackAfterRenaming();
