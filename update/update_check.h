#pragma once
// The update check that runs once at start-up, on a thread of its own.

#include <windows.h>

#include <functional>
#include <string>

// What opens the home page; the program opens it in the browser.
using PageOpener = std::function<void(const std::u16string& address)>;

// Opens the address in the user's browser, through the shell.
void OpenInBrowser(const std::u16string& address);

// What the check's thread is started with; the thread owns and frees it.
struct UpdateCheckRequest {
  // Hidden when this version is out of date, the owner of the message box,
  // and told when the check is done.
  HWND window = nullptr;
  UINT doneMessage = 0;
  // Where the check asks, and what opens the home page.
  std::u16string address;
  PageOpener openPage = OpenInBrowser;
};

// Asks the request's address. When this version is out of date: hides the
// window, tells the user, opens the home page. Posts the request's
// doneMessage to its window (wParam 1: out of date, 0: not) as its last
// act, on every path.
DWORD WINAPI UpdateCheckThreadProc(void* request);
