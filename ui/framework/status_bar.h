#pragma once
// The status bar along the window's bottom edge: one part for the text, the
// common control's own font and colours, and a right part only while
// something else is shown there.

#include <string>

#include "ui/framework/control.h"
#include "ui/framework/default_font.h"

class CCorvaneStatusBar : public CCorvaneControl {
 public:
  CCorvaneStatusBar() : CCorvaneControl(ControlKind::StatusBar) {}

  // Gives the right `width` pixels to a part of their own and returns that
  // part's rectangle in the bar's client area; the text keeps part 0. With
  // 0, the text has the whole bar again and the rectangle is empty.
  RECT SplitOffRight(int width) const;

  ScaledDefaultFont defaultFont;
};

inline constexpr int kStatusBarId = 1001;

// Makes the bar along parent's bottom edge; from then on SetStatusText
// writes to it.
void CreateStatusBar(CCorvaneStatusBar& statusBar, HWND parent);

// Shows the text in the status bar made last. The bar copies it, so it
// need only live until the call returns, also when a worker calls.
void SetStatusText(const std::u16string& text);
