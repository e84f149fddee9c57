#include "ui/framework/button.h"

#include "ui/framework/control_font.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/win_text.h"

void CCorvaneButton::ApplyFont() { ApplyControlFont(hwnd, font); }

void CreateButton(CCorvaneButton& button, const char16_t* text, DWORD style, int x, int y,
                  int width, int height, HWND parent) {
  button.hwnd = CreateWindowExW(0, L"Button", Wide(text), WS_CHILD | WS_VISIBLE | style, x, y,
                                width, height, parent, nullptr, nullptr, nullptr);
  if (button.hwnd != nullptr) RegisterControl(button.hwnd, &button);
  button.ApplyFont();
}
