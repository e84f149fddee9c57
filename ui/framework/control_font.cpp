#include "ui/framework/control_font.h"

#include <utility>

#include "ui/framework/dpi.h"

UniqueFont MakeControlFont(UINT dpi) {
  // "MS Shell Dlg" is an alias the system maps to its dialog face; on a
  // Chinese system, font linking supplies the Chinese glyphs.
  return UniqueFont(CreateFontW(ScaleToDpi(-9, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                ANSI_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
}

void ApplyControlFont(HWND window, UniqueFont& owned) {
  UniqueFont next = MakeControlFont(ControlDpi());
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
  owned = std::move(next);
}
