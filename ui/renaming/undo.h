#pragma once
// "撤销上次重命名": asks, then takes every file of the last renaming back to
// its old name, in its own folder, one file at a time, on the renaming's own
// loop and slot. Given by Ctrl+Z outside an edit box (the window's shortcut
// table) and by the file list's context menu.

// A renaming left something to undo, and no worker runs.
bool CanUndoRenaming();

// Asks "提示" with Yes/No, then starts the undo. Does nothing when
// CanUndoRenaming is false, before the question or after it.
void OfferUndoRenaming();
