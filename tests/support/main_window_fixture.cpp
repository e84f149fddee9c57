#include "support/main_window_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "platform/wide.h"
#include "support/loopback_http.h"
#include "ui/frame/keyboard.h"
#include "ui/frame/main_window.h"
#include "ui/framework/control_registry.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "update/update_check.h"

namespace {

std::optional<WPARAM> lastQuit;
MessageBoxAnswers* activeAnswers = nullptr;

void RunPending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      lastQuit = message.wParam;
      continue;
    }
    // As the program's own loop: keys and dialog navigation included.
    RouteMessage(message);
  }
}

bool Ended(const UniqueHandle& thread) {
  return !thread || WaitForSingleObject(thread.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& condition, DWORD maxMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + maxMilliseconds;
  for (;;) {
    RunPending();
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void PumpPending() { RunPending(); }

bool WaitForThreadKeepingPostedMessages(HANDLE thread) {
  for (int round = 0; round < 2000; ++round) {
    MSG ignored;
    PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    if (MsgWaitForMultipleObjects(1, &thread, FALSE, 10, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
      return true;
    }
  }
  return false;
}

std::optional<WPARAM> QuitCode() { return lastQuit; }
void ForgetQuitCode() { lastQuit.reset(); }

void PressKey(HWND target, UINT key, UINT modifier, UINT secondModifier) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE held[256] = {};
  std::copy(std::begin(keys), std::end(keys), std::begin(held));
  for (const UINT down : {modifier, secondModifier}) {
    if (down != 0) held[down] = 0x80;
  }
  SetKeyboardState(held);
  for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    MSG m{};
    m.hwnd = target;
    m.message = message;
    m.wParam = key;
    m.lParam = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
    RouteMessage(m);
  }
  SetKeyboardState(keys);
}

void RepeatKey(HWND target, UINT key) {
  MSG m{};
  m.hwnd = target;
  m.message = WM_KEYDOWN;
  m.wParam = key;
  m.lParam = static_cast<LPARAM>(0x40000001);  // bit 30: the key was down already
  RouteMessage(m);
}

void ClickHeader(int column) {
  const HWND list = State().listFile->hwnd;
  NMLISTVIEW click{};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  click.hdr.code = LVN_COLUMNCLICK;
  click.iItem = -1;
  click.iSubItem = column;
  SendMessageW(State().mainWindow, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

std::u16string TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  return platform::FromWide(text.c_str(), static_cast<std::size_t>(copied));
}

std::u16string StatusText() {
  const HWND bar = State().statusBar->hwnd;
  const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  return platform::FromWide(text.c_str());
}

void MainWindowTest::SetUp() {
  InitCommonControls();
  MainWindowState& state = State();
  state.instance = GetModuleHandleW(nullptr);
  if (!RegisterMainWindowClass(state.instance)) {
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  }
  ForgetQuitCode();
  State().updateAddress = UpdateAddressForTest();
  State().taskbarButton = &taskbar;
  const HWND window = CreateMainWindow(state.instance);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  ASSERT_TRUE(PumpUntil([&state] { return !SlotOf(Worker::Update).thread; }))
      << "the update check did not report";
}

void MainWindowTest::TearDown() {
  MainWindowState& state = State();
  for (UniqueHandle* thread :
       {&SlotOf(Worker::Update).thread, &SlotOf(Worker::Scan).thread, &SlotOf(Worker::Tags).thread,
        &SlotOf(Worker::Renaming).thread, &SlotOf(Worker::Lyrics).thread}) {
    EXPECT_TRUE(PumpUntil([thread] { return Ended(*thread); })) << "a worker did not end";
    thread->reset();
  }
  if (IsWindow(state.mainWindow)) DestroyWindow(state.mainWindow);
  PumpPending();
  ForgetQuitCode();
  ForgetDestroyedControls();
  Tracks().Clear();
  state.lastRenaming.Forget();
  state.filesFound = 0;
  state.tagsRead = 0;
  state.progress = {};
  state.taskbarButton = &ShellTaskbarButton();
  state.mainWindow = nullptr;
}

MessageBoxAnswers::MessageBoxAnswers(int answer) : answer_(answer) {
  activeAnswers = this;
  hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxAnswers::~MessageBoxAnswers() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  activeAnswers = nullptr;
}

LRESULT CALLBACK MessageBoxAnswers::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeAnswers != nullptr) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    if (std::wstring(className) == L"#32770") {
      // The message box's text is the static control with id 0xFFFF.
      activeAnswers->shown_.push_back(
          {TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), std::chrono::steady_clock::now()});
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(activeAnswers->answer_, BN_CLICKED), 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::u16string MainWindowTest::UpdateAddressForTest() { return RefusedLoopbackAddress(); }
