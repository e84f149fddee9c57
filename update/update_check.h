#pragma once
// The update check that runs once at start-up, on a thread of its own.

#include <windows.h>

#include <functional>
#include <string>

// What the check's thread is started with; the thread owns and frees it.
struct UpdateCheckRequest {
  // Hidden when this version is out of date, the owner of the message box,
  // and told when the check is done.
  HWND window = nullptr;
  UINT doneMessage = 0;
};

// Asks the endpoint. When this version is out of date: hides the window,
// tells the user, opens the home page. Posts the request's doneMessage to its
// window (wParam 1: out of date, 0: not) as its last act, on every path.
DWORD WINAPI UpdateCheckThreadProc(void* request);

// Where the check asks. The program never changes it; tests point it at a
// loopback server before the window is created.
void SetUpdateAddress(const std::u16string& address);
std::u16string UpdateAddress();

// Tests record the request to open the home page instead of starting a
// browser; an empty opener gives the shell back.
using PageOpener = std::function<void(const std::u16string& address)>;
void SetPageOpenerForTest(PageOpener opener);
