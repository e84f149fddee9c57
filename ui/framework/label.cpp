#include "ui/framework/label.h"

#include <algorithm>

#include "platform/handles.h"
#include "platform/no_throw.h"
#include "ui/framework/control_font.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/dpi.h"
#include "ui/framework/win_text.h"

namespace {

// The format of every label's text: left and top aligned, explicit line
// breaks only.
constexpr UINT kLabelFormat = DT_NOCLIP;

void PaintLabel(HWND window) {
  PaintScope paint(window);
  SetBkMode(paint.dc(), TRANSPARENT);
  // Made for every paint rather than kept: labels own no font.
  const UniqueFont font = MakeControlFont(ControlDpi());
  const SelectionScope selection(paint.dc(), font.get());
  wchar_t text[kTextBufferUnits] = {};
  GetWindowTextW(window, text, kTextBufferUnits);
  RECT client{};
  GetClientRect(window, &client);
  DrawTextW(paint.dc(), text, -1, &client, kLabelFormat);
}

}  // namespace

// A window paints only inside itself: BeginPaint clips to its update region,
// whatever DT_NOCLIP says. So a label whose text is wider or taller than the
// place it was given grows to hold the text, from its top left corner.
void FitLabelToText(HWND window) {
  wchar_t text[kTextBufferUnits] = {};
  GetWindowTextW(window, text, kTextBufferUnits);
  RECT needed{};
  {
    const WindowDcScope dc(window);
    const UniqueFont font = MakeControlFont(ControlDpi());
    const SelectionScope selection(dc.dc(), font.get());
    DrawTextW(dc.dc(), text, -1, &needed, kLabelFormat | DT_CALCRECT);
  }
  RECT client{};
  GetClientRect(window, &client);
  if (needed.right <= client.right && needed.bottom <= client.bottom) return;
  SetWindowPos(window, nullptr, 0, 0, std::max(needed.right, client.right),
               std::max(needed.bottom, client.bottom), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK LabelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&]() -> LRESULT {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PaintLabel(window);
    return 0;
  });
}

void CreateLabel(CCorvaneLabel& label, const char16_t* text, int x, int y, int width, int height,
                 HWND parent) {
  label.hwnd = CreateWindowExW(0, L"Static", Wide(text), WS_CHILD | WS_VISIBLE | SS_LEFT, x, y,
                               width, height, parent, nullptr, nullptr, nullptr);
  if (label.hwnd == nullptr) return;
  RegisterControl(label.hwnd, &label);
  SetWindowLongPtrW(label.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelWndProc));
  FitLabelToText(label.hwnd);
}
