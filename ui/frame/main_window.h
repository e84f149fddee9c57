#pragma once
// The one top-level window: its class, its creation and its procedure.

#include <windows.h>

inline constexpr wchar_t kMainWindowClass[] = L"Corvane";
inline constexpr int kMainWindowWidth = 700;  // outer size, frame included
inline constexpr int kMainWindowHeight = 515;

// Registers the class "Corvane" with MainWndProc and icon 103.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the window centred on the screen, fixed in size; WM_CREATE builds
// every control and starts the update check. Null when it could not be created.
HWND CreateMainWindow(HINSTANCE instance);

// Sizes the window for dpi and centres it on its display's work area: at
// creation, when the display's scale differs from the one at sign-in.
void FitToDisplay(HWND window, UINT dpi);

// Routes only: creation, the end, the two notifications to the dispatchers,
// the workers' reports to their handlers, a change of the display's scale,
// a drop and Enter; everything else to DefWindowProcW, WM_CLOSE after a
// running renaming has stopped.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
