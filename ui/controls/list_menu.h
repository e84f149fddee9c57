#pragma once
// The file list's context menu: "撤销上次重命名", greyed when there is
// nothing to undo or a worker runs.

#include <windows.h>

#include "platform/shell_handles.h"

inline constexpr UINT kUndoRenamingItem = 1;

// The menu as it would show now.
UniqueMenu MakeFileListMenu();

// WM_CONTEXTMENU for the window from: when it is the file list, shows the
// menu at the pointer, or from the keyboard (position -1, -1) below the first
// selected row, carries out the item chosen and returns true. The list passes
// up its child button's too, which has no menu.
bool ShowFileListMenu(HWND from, LPARAM where);
