#include "ui/framework/edit.h"

#include "platform/no_throw.h"
#include "ui/framework/control_font.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/win_text.h"

void CCorvaneEdit::ApplyFont() { ApplyControlFont(hwnd, font); }

void CCorvaneEdit::SetReadOnly(bool value) {
  readOnly = value;
  SendMessageW(hwnd, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

LRESULT CALLBACK EditSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&]() -> LRESULT {
    auto* edit = FindControlOf<CCorvaneEdit>(window, ControlKind::Edit);
    if (edit == nullptr) return 0;
    if (message == WM_KEYUP) return edit->OnKeyUp();
    return CallWindowProcW(edit->prevWndProc, window, message, wParam, lParam);
  });
}

void CreateEdit(CCorvaneEdit& edit, const char16_t* text, DWORD style, int x, int y, int width,
                int height, HWND parent) {
  edit.hwnd = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, L"Edit", Wide(text),
                              WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                              nullptr, nullptr);
  if (edit.hwnd != nullptr) {
    RegisterControl(edit.hwnd, &edit);
    edit.prevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditSubclassProc)));
  }
  edit.ApplyFont();
}
