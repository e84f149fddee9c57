#pragma once
// The status bar along the window's bottom edge: one part, the common
// control's own font and colours.

#include <string>

#include "ui/framework/control.h"
#include "ui/framework/default_font.h"

class CCorvaneStatusBar : public CCorvaneControl {
 public:
  CCorvaneStatusBar() : CCorvaneControl(ControlKind::StatusBar) {}

  ScaledDefaultFont defaultFont;
};

inline constexpr int kStatusBarId = 1001;

// Makes the bar along parent's bottom edge; from then on SetStatusText
// writes to it.
void CreateStatusBar(CCorvaneStatusBar& statusBar, HWND parent);

// Shows the text in the status bar made last. The bar copies it, so it
// need only live until the call returns, also when a worker calls.
void SetStatusText(const std::u16string& text);
