#pragma once
// The main window's controls, all made in code in one pass from WM_CREATE.

#include <windows.h>

// Creates the 28 controls with their texts, places, fonts and first states,
// at ControlDpi(), and shows the first tip. A control whose window cannot be
// made is simply missing.
void CreateControls();

// Makes dpi the controls' dpi and lays them out for it again: places, fonts,
// the labels' growth to their text, the list's columns, the status bar and
// its progress part.
void FollowDpi(UINT dpi);
