#include "ui/frame/main_window.h"

#include <memory>

#include "platform/no_throw.h"
#include "ui/controls/list_menu.h"
#include "ui/frame/drop_folder.h"
#include "ui/frame/keyboard.h"
#include "ui/frame/layout.h"
#include "ui/frame/program_end.h"
#include "ui/frame/start_up.h"
#include "ui/framework/dispatch.h"
#include "ui/framework/dpi.h"
#include "ui/framework/list.h"
#include "ui/listing/found_item.h"
#include "ui/listing/listing_end.h"
#include "ui/listing/tag_batch.h"
#include "ui/renaming/move_step.h"
#include "ui/renaming/renaming_end.h"
#include "ui/state/main_window_state.h"
#include "ui/state/progress.h"
#include "ui/state/window_messages.h"

namespace {

constexpr WORD kIconId = 103;

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  windowClass.hIconSm = windowClass.hIcon;
  return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  // Centred on the primary display, at its scale.
  const UINT dpi = SystemDpi();
  const int width = ScaleToDpi(kMainWindowWidth, dpi);
  const int height = ScaleToDpi(kMainWindowHeight, dpi);
  return CreateWindowExW(WS_EX_OVERLAPPEDWINDOW, kMainWindowClass, L"Corvane",
                         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, (screenWidth - width) / 2,
                         (screenHeight - height) / 2, width, height, nullptr, nullptr, instance,
                         nullptr);
}

void FitToDisplay(HWND window, UINT dpi) {
  const int width = ScaleToDpi(kMainWindowWidth, dpi);
  const int height = ScaleToDpi(kMainWindowHeight, dpi);
  // Centred for the old size, a window grown in place could fall under the
  // taskbar or off the display's edge.
  MONITORINFO display{};
  display.cbSize = sizeof(display);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &display)) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const RECT& work = display.rcWork;
  SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&]() -> LRESULT {
    // Registered at run time, so it cannot be a case; 0 if that failed.
    if (message != 0 && message == TaskbarButtonCreatedMessage()) {
      RenewTaskbarProgress();
      return 0;
    }
    switch (message) {
      case WM_CREATE:
        State().mainWindow = window;
        SetControlDpi(DpiOfWindow(window));
        // Made at the scale the user signed in with; its display may have
        // another.
        if (ControlDpi() != SystemDpi()) FitToDisplay(window, ControlDpi());
        CreateControls();
        DragAcceptFiles(window, TRUE);
        // Run elevated, the window would not hear from the taskbar otherwise.
        ChangeWindowMessageFilterEx(window, TaskbarButtonCreatedMessage(), MSGFLT_ALLOW, nullptr);
        StartUpdateCheck();
        return 0;
      case WM_DPICHANGED: {
        // Moved to a display of another scale: take the place Windows offers.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        FollowDpi(HIWORD(wParam));
        return 0;
      }
      case WM_ACTIVATE:
        if (KeepFocusOverActivation(window, wParam)) return 0;
        return DefWindowProcW(window, message, wParam, lParam);
      case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
      case WM_FOLLOW_SELECTION:
        State().listFile->FollowSelection();
        return 0;
      case WM_CLOSE:
        OnClose();
        return DefWindowProcW(window, message, wParam, lParam);
      case WM_QUERYENDSESSION:
        StopRenamingForTheSessionEnd();
        return TRUE;
      case WM_ENDSESSION:
        if (wParam != FALSE) StopRenamingForTheSessionEnd();
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      case WM_NOTIFY:
        return DispatchNotify(reinterpret_cast<const NMHDR*>(lParam));
      case WM_COMMAND:
        if (IsEnterCommand(wParam)) return PressFocusedButton();
        return DispatchCommand(wParam, lParam);
      case WM_FILE_FOUND:
        OnFileFound(std::unique_ptr<FoundItem>(reinterpret_cast<FoundItem*>(wParam)));
        return 0;
      case WM_SCAN_DONE:
        OnScanDone(wParam);
        return 0;
      case WM_TAGS_DONE:
        OnTagsDone(wParam);
        return 0;
      case WM_RENAME_DONE:
        OnRenameDone(wParam);
        return 0;
      case WM_UPDATE_CHECKED:
        OnUpdateChecked(wParam);
        return 0;
      case WM_LYRICS_DONE:
        OnLyricsDone(wParam);
        return 0;
      case WM_TAG_BATCH:
        OnTagBatch(*reinterpret_cast<TagBatch*>(wParam));
        return 1;
      case WM_RENAME_STEP:
        OnMoveStep(*reinterpret_cast<MoveStep*>(wParam));
        return 1;
      case WM_CONTEXTMENU:
        if (ShowFileListMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
        return DefWindowProcW(window, message, wParam, lParam);
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  });
}
