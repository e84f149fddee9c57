#pragma once
// "撤销上次重命名": asks, then takes every file of the last renaming back to
// its old name. Given by Ctrl+Z outside an edit box (the window's shortcut
// table) and by the file list's context menu.

#include <windows.h>

// A renaming left something to undo, and no worker runs.
bool CanUndoRenaming();

// Asks "提示" with Yes/No, then starts the undo on the rename worker's
// machinery. Does nothing when CanUndoRenaming is false.
void OfferUndoRenaming();
