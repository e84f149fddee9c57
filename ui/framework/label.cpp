#include "ui/framework/label.h"

#include "ui/framework/control_font.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/handles.h"
#include "ui/framework/no_throw.h"
#include "ui/framework/win_text.h"

namespace {

void PaintLabel(HWND window) {
  PaintScope paint(window);
  SetBkMode(paint.dc(), TRANSPARENT);
  // Made for every paint rather than kept: labels own no font.
  const UniqueFont font = MakeControlFont();
  const SelectionScope selection(paint.dc(), font.get());
  wchar_t text[kTextBufferUnits] = {};
  GetWindowTextW(window, text, kTextBufferUnits);
  RECT client{};
  GetClientRect(window, &client);
  // No clipping: the narrow labels of the details panel are wider in text than in window.
  DrawTextW(paint.dc(), text, -1, &client, DT_NOCLIP);
}

}  // namespace

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
}
