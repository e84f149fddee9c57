#pragma once
// The one font of the window's controls, at a given dpi. Buttons and edits
// keep one each; labels make one for every paint.

#include "platform/handles.h"

UniqueFont MakeControlFont(UINT dpi);
