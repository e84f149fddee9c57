#pragma once
// The status bar along the window's bottom edge: one part, the common
// control's own font and colours.

#include <string>

#include "ui/framework/control.h"

class CCorvaneStatusBar : public CCorvaneControl {
 public:
  CCorvaneStatusBar() : CCorvaneControl(ControlKind::StatusBar) {}
};

inline constexpr int kStatusBarId = 1001;

void CreateStatusBar(CCorvaneStatusBar& statusBar, HWND parent);

// Shows the text in the main window's status bar. The bar copies it, so it
// need only live until the call returns, also when a worker calls.
void SetStatusText(const std::u16string& text);
