#include "ui/frame/keyboard.h"

#include <commctrl.h>

#include "ui/framework/button.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/dispatch.h"
#include "ui/framework/list.h"
#include "ui/listing/refresh.h"
#include "ui/renaming/undo.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

namespace {

enum class Scope {
  Window,          // the main window or any control in it has the focus
  List,            // the file list has the focus
  OutsideEditBox,  // as Window, but not an edit box, whose own keys win
};

struct Shortcut {
  UINT key;
  bool ctrl;
  Scope scope;
  void (*command)();
};

bool Usable(const CCorvaneControl* control) {
  return control != nullptr && IsWindowEnabled(control->hwnd) && !AnyWorkerRuns();
}

// As a click on the delete/clear button, for the selected rows only: the
// same question, and nothing while a worker runs. With no row selected the
// button would offer to clear the whole list, which a stray Delete (then
// Enter, its default answer) must never do.
void DeleteRows() {
  CCorvaneButton* button = State().btnDeleteEmpty;
  if (!Usable(button) || SendMessageW(State().listFile->hwnd, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
    return;
  }
  button->OnClick();
}

void SelectAllRows() {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageW(State().listFile->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&item));
}

// As a click on "刷新文件列表", but only while no worker runs: never a stop.
void Refresh() {
  if (Usable(State().btnListFile)) StartRefresh();
}

const Shortcut kShortcuts[] = {
    {VK_F5, false, Scope::Window, Refresh},
    {VK_DELETE, false, Scope::List, DeleteRows},
    {'A', true, Scope::List, SelectAllRows},
    {'Z', true, Scope::OutsideEditBox, OfferUndoRenaming},
};

bool InScope(Scope scope, HWND target) {
  const MainWindowState& state = State();
  if (scope == Scope::List) return state.listFile != nullptr && target == state.listFile->hwnd;
  if (scope == Scope::OutsideEditBox) {
    const CCorvaneControl* control = FindControl(target);
    if (control != nullptr && control->kind == ControlKind::Edit) return false;
  }
  return target == state.mainWindow || IsChild(state.mainWindow, target);
}

// A held key repeats; its first press was enough.
bool IsRepeat(const MSG& message) { return (message.lParam & (1 << 30)) != 0; }

bool IsPushButton(HWND window) {
  const CCorvaneControl* control = FindControl(window);
  if (control == nullptr || control->kind != ControlKind::Button) return false;
  const auto type = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Enter or Space held on a push button: the first press pressed it, and the
// button it pressed may have become "停止" meanwhile.
bool IsRepeatOnAPushButton(const MSG& message) {
  return message.message == WM_KEYDOWN && IsRepeat(message) &&
         (message.wParam == VK_RETURN || message.wParam == VK_SPACE) && IsPushButton(GetFocus());
}

}  // namespace

bool HandleShortcut(const MSG& message) {
  if (message.message != WM_KEYDOWN || State().mainWindow == nullptr) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  // No shortcut takes Shift: Ctrl+Shift+Z is a redo elsewhere, not an undo.
  // Nor Alt: Ctrl+Alt is AltGr, which types a letter (ż on a Polish keyboard).
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return false;
  for (const Shortcut& shortcut : kShortcuts) {
    if (message.wParam != shortcut.key || ctrl != shortcut.ctrl) continue;
    if (!InScope(shortcut.scope, message.hwnd)) continue;
    if (!IsRepeat(message)) shortcut.command();
    return true;
  }
  return false;
}

void RouteMessage(MSG& message) {
  if (HandleShortcut(message) || IsRepeatOnAPushButton(message)) return;
  const HWND window = State().mainWindow;
  if (window != nullptr && IsDialogMessageW(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool KeepFocusOverActivation(HWND window, WPARAM wParam) {
  HWND& kept = State().focusBeforeDeactivation;
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focused = GetFocus();
    kept = IsChild(window, focused) ? focused : nullptr;
    return false;
  }
  if (HIWORD(wParam) != 0 || kept == nullptr || !IsChild(window, kept) || !IsWindowEnabled(kept) ||
      !IsWindowVisible(kept)) {
    return false;  // minimised, or nothing to go back to
  }
  SetFocus(kept);
  return true;
}

LRESULT PressFocusedButton() {
  const HWND focused = GetFocus();
  if (!IsPushButton(focused)) return 0;
  return DispatchCommand(MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(focused));
}
