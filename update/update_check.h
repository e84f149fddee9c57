#pragma once
// The update check that runs once at start-up, on a thread of its own.

#include <windows.h>

#include <string>

// Asks the endpoint. When this version is out of date: hides the main
// window, tells the user, opens the home page. Posts WM_UPDATE_CHECKED
// (1: out of date, 0: not) as its last act, on every path.
DWORD WINAPI UpdateCheckThreadProc(void* unused);

// Where the check asks. The program never changes it; tests point it at a
// loopback server before the window is created.
void SetUpdateAddress(const std::u16string& address);
std::u16string UpdateAddress();
