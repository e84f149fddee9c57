#include "ui/framework/default_font.h"

#include <utility>

#include "ui/framework/dpi.h"

void ScaledDefaultFont::Note(HWND window, UINT dpi) {
  own_ = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  const HGDIOBJ font = own_ != nullptr ? own_ : GetStockObject(DEFAULT_GUI_FONT);
  baseDpi_ = GetObjectW(font, sizeof(base_), &base_) != 0 ? dpi : 0;
}

void ScaledDefaultFont::Follow(HWND window, UINT dpi) {
  if (window == nullptr || baseDpi_ == 0) return;
  if (dpi == baseDpi_) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(own_), TRUE);
    scaled_.reset();
    return;
  }
  LOGFONTW font = base_;
  font.lfHeight = ScaleToDpi(base_.lfHeight, dpi, baseDpi_);
  font.lfWidth = 0;
  // The old font goes only once the window no longer uses it.
  UniqueFont next(CreateFontIndirectW(&font));
  if (!next) return;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
  scaled_ = std::move(next);
}
