#pragma once
// Pixels at the window's display scale. Every size in the code is given for
// 96 dpi, the scale of 100 %, and goes through ScaleToDpi once.

#include <windows.h>

inline constexpr UINT kDefaultDpi = 96;

// value * dpi / fromDpi, rounded as MulDiv rounds: the one way a size is
// scaled, by default from 96 dpi.
int ScaleToDpi(int value, UINT dpi, UINT fromDpi = kDefaultDpi);

// The dpi the window's controls are laid out for: the main window's, set
// when it is made and again when it moves to a display of another scale.
UINT ControlDpi();
void SetControlDpi(UINT dpi);

// The dpi of the primary display, which a new window starts on.
UINT SystemDpi();

// The window's dpi where Windows tells it per window (Windows 10 and
// later), else the system's.
UINT DpiOfWindow(HWND window);
