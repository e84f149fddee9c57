#pragma once
// Labels: "Static" windows whose painting is done by LabelWndProc.

#include "ui/framework/control.h"

class CCorvaneLabel : public CCorvaneControl {
 public:
  CCorvaneLabel() : CCorvaneControl(ControlKind::Label) {}
};

// Paints the text, unclipped and on no background of its own, and leaves
// every other message to DefWindowProcW. Setting the text therefore does not
// repaint: whoever changes it invalidates the parent behind the label.
LRESULT CALLBACK LabelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates and registers the label and puts LabelWndProc in place of the
// Static procedure, which is never called again. A text that does not fit
// the given size widens (or heightens) the window until it does, so that it
// shows whole on every system.
void CreateLabel(CCorvaneLabel& label, const char16_t* text, int x, int y, int width, int height,
                 HWND parent);

// Grows the label, from its top left corner, until its text fits in the
// labels' font at ControlDpi(); never shrinks it.
void FitLabelToText(HWND label);
