#pragma once
// Edit boxes, subclassed so that a key release reaches the object instead of
// the edit class.

#include "platform/handles.h"
#include "ui/framework/control.h"

class CCorvaneEdit : public CCorvaneControl {
 public:
  CCorvaneEdit() : CCorvaneControl(ControlKind::Edit) {}

  // EN_CHANGE through the main window's WM_COMMAND.
  virtual void OnChange() {}
  // WM_KEYUP; the result goes back to whoever sent the key release.
  virtual LRESULT OnKeyUp() { return 1; }

  // A fresh control font at ControlDpi(), given to the window with a redraw.
  void ApplyFont();
  void SetReadOnly(bool value);

  UniqueFont font;
  bool readOnly = false;  // mirrors the last SetReadOnly; nothing reads it back
  WNDPROC prevWndProc = nullptr;
};

// Key releases go to the object's OnKeyUp and never to the edit class; every
// other message goes on to prevWndProc.
LRESULT CALLBACK EditSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates, registers and subclasses an edit box, then gives it its font.
void CreateEdit(CCorvaneEdit& edit, const char16_t* text, DWORD style, int x, int y, int width,
                int height, HWND parent);
