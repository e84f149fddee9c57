#pragma once
// The private messages by which the workers report to the main window. The
// closing messages and WM_FILE_FOUND are posted; the two round trips of the
// tag reading and the renaming are sent, so the worker waits while the
// window thread writes the list, and its record lives on the worker's stack.
// All go to State().mainWindow; lParam is always 0.

#include <windows.h>

// wParam: a FoundItem* (ui/window/found_item.h), owned by the receiver,
// which frees it. From the directory scan, for each subfolder and .mp3 file.
inline constexpr UINT WM_FILE_FOUND = WM_USER;
// wParam 0. The directory scan ended by itself (not when stopped).
inline constexpr UINT WM_SCAN_DONE = WM_USER + 1;
// wParam 0. The tag-reading worker's last act.
inline constexpr UINT WM_TAGS_DONE = WM_USER + 2;
// wParam 0. The rename worker's last act.
inline constexpr UINT WM_RENAME_DONE = WM_USER + 3;
// wParam 1: out of date (window hidden, user told, home page opened); any
// other value: up to date. The update check's last act.
inline constexpr UINT WM_UPDATE_CHECKED = WM_USER + 4;
// wParam 0. The lyrics stage is done.
inline constexpr UINT WM_LYRICS_DONE = WM_USER + 5;
// wParam: a TagBatch* (ui/window/tag_batch.h), owned by the sending tag
// reader, which waits; the window thread fills it in. Result 1 when handled.
inline constexpr UINT WM_TAG_BATCH = WM_USER + 6;
// wParam: a RenameStep* (ui/window/rename_step.h), owned by the sending rename
// worker, which waits; the window thread fills it in. Result 1 when handled.
inline constexpr UINT WM_RENAME_STEP = WM_USER + 7;
