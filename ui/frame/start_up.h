#pragma once
// The program from start to end, for wWinMain.

#include <windows.h>

// The last step of the window's creation: the update check starts, and may
// use every control from its first instruction.
void StartUpdateCheck();

// Registers the class, creates and shows the window, runs the message loop.
// Returns the exit code: the quit message's, 0 when the class cannot be
// registered, 1 when the window cannot be created.
int RunCorvane(HINSTANCE instance, int showCommand);
