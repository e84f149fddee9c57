#pragma once
// How the program ends: the window closed, or the update check finding this
// version out of date. Either way a running renaming stops first.

#include <windows.h>

// WM_CLOSE, before the default handling destroys the window.
void OnClose();

// WM_UPDATE_CHECKED: closes the check's handle; 1 (out of date) ends the
// program, anything else (up to date) changes nothing.
void OnUpdateChecked(WPARAM outOfDate);
