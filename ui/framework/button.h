#pragma once
// Push buttons and group boxes ("Button").

#include "platform/handles.h"
#include "ui/framework/control.h"

class CCorvaneButton : public CCorvaneControl {
 public:
  CCorvaneButton() : CCorvaneControl(ControlKind::Button) {}

  // BN_CLICKED through the main window's WM_COMMAND.
  virtual void OnClick() {}

  // A fresh control font at ControlDpi(), given to the window with a redraw.
  void ApplyFont();

  UniqueFont font;
};

// Creates and registers a button-class window (push button, check box or
// group box), then gives it its font.
void CreateButton(CCorvaneButton& button, const char16_t* text, DWORD style, int x, int y,
                  int width, int height, HWND parent);
