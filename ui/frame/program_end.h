#pragma once
// How the program ends: the window closed, the update check finding this
// version out of date, or the user's session ending. Each way a running
// renaming stops first.

#include <windows.h>

// WM_CLOSE, before the default handling destroys the window.
void OnClose();

// WM_QUERYENDSESSION, and WM_ENDSESSION when the session does end: the
// process may be ended at any moment after, so a renaming or an undo stops
// now, between two files, and shows it was stopped.
void StopRenamingForTheSessionEnd();

// WM_UPDATE_CHECKED: closes the check's handle; 1 (out of date) ends the
// program, anything else (up to date) changes nothing.
void OnUpdateChecked(WPARAM outOfDate);
