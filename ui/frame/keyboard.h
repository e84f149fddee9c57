#pragma once
// The window's keys: the shortcuts, in one table, and the path every queued
// message takes so that Tab, Shift+Tab, Space and Enter work as in a dialog.

#include <windows.h>

// What the message loop does with each message: a shortcut key runs its
// command; anything else goes through IsDialogMessageW, or is translated
// and dispatched when it is not for the main window.
void RouteMessage(MSG& message);

// A key press that is one of the window's shortcuts runs its command and
// is used up: true. Ctrl is read from the thread's keyboard state.
bool HandleShortcut(const MSG& message);

// Enter in the window arrives, from IsDialogMessageW, as WM_COMMAND with IDOK
// (and the control of that id, which the window has not); the controls' own
// commands carry no id.
inline bool IsEnterCommand(WPARAM wParam) { return wParam == IDOK; }

// Enter presses the focused push button; on any other control it does nothing.
LRESULT PressFocusedButton();

// WM_ACTIVATE, as a dialog does it: the control that had the focus when the
// window lost it (to a message box, another program) gets it back. False
// when there is none to give it to, and the default handling should run.
bool KeepFocusOverActivation(HWND window, WPARAM wParam);
