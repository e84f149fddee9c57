#pragma once
// The list view and the status bar draw in the font they come with, made
// for the scale the program started at. At another scale they get the same
// face scaled; back at the first scale, their own font again.

#include <windows.h>

#include "platform/handles.h"

class ScaledDefaultFont {
 public:
  // Notes the window's own font and the dpi it was made for.
  void Note(HWND window, UINT dpi);
  void Follow(HWND window, UINT dpi);

 private:
  HFONT own_ = nullptr;  // the control's; it deletes it
  LOGFONTW base_{};
  UINT baseDpi_ = 0;
  UniqueFont scaled_;
};
