#pragma once
// Window handle -> control object, so that notifications and subclassed
// messages find the object that handles them.

#include <windows.h>

#include "ui/framework/control.h"

// Keeps the earlier object when the handle is already registered.
void RegisterControl(HWND window, CCorvaneControl* control);
CCorvaneControl* FindControl(HWND window);

// The program's controls live as long as it does, so it never needs this. A
// test that builds the main window again does: Windows may hand a freed
// handle out anew, and the stale pairing would win.
void ForgetDestroyedControls();

// The registered object of the given kind, or null: the dispatchers and the
// subclass procedures act only on objects of the kind they expect.
template <typename Control>
Control* FindControlOf(HWND window, ControlKind kind) {
  CCorvaneControl* control = FindControl(window);
  if (control == nullptr || control->kind != kind) return nullptr;
  return dynamic_cast<Control*>(control);
}
