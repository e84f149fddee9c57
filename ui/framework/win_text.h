#pragma once
// UTF-16 text in and out of windows. The program's text is std::u16string;
// wchar_t appears only here and in direct Win32 calls.

#include <windows.h>

#include <string>

#include "platform/wide.h"

// Window texts, list cells and paths are read through 260 units, so at most
// 259 take part: the rest of the program counts on that cut.
inline constexpr int kTextBufferUnits = 260;

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
using platform::Wide;

// GetWindowTextW through a 260-unit buffer.
std::u16string WindowText(HWND window);
// The whole text, however long: for a path that is listed or opened, which
// must never be cut.
std::u16string WholeWindowText(HWND window);
void SetText(HWND window, const std::u16string& text);
// SetText, except that a window already showing exactly the text is left
// alone: a key release refreshes the whole details panel, and under Wine
// every SetWindowTextW repaints its box. True when the text was written.
bool ShowText(HWND window, const std::u16string& text);
