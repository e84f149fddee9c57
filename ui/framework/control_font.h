#pragma once
// The one font of the window's controls, at a given dpi. Buttons and edits
// keep one each; labels make one for every paint.

#include "platform/handles.h"

UniqueFont MakeControlFont(UINT dpi);

// Gives window a fresh control font at ControlDpi(), kept in owned; the old
// one goes only once the window no longer uses it.
void ApplyControlFont(HWND window, UniqueFont& owned);
