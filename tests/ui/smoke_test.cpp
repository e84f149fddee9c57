// Corvane.exe from outside: started as a user would start it, found by its
// class and title, closed through its window.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#ifndef CORVANE_EXE_FROM_TEST
#error "CORVANE_EXE_FROM_TEST: the path of Corvane.exe relative to this test"
#endif

namespace {

std::wstring CorvaneExe() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  path.erase(path.find_last_of(L'\\') + 1);
  return path + CORVANE_EXE_FROM_TEST;
}

struct Found {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK FindCorvane(HWND window, LPARAM parameter) {
  auto* found = reinterpret_cast<Found*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[32] = {};
  wchar_t title[32] = {};
  GetClassNameW(window, className, 32);
  GetWindowTextW(window, title, 32);
  if (owner == found->processId && std::wstring(className) == L"Corvane" &&
      std::wstring(title) == L"Corvane" && IsWindowVisible(window)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

TEST(CorvaneExe, ShowsItsCentredWindowAndEndsWithZeroWhenClosed) {
  const std::wstring exe = CorvaneExe();
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << "cannot start " << std::string(exe.begin(), exe.end());
  CloseHandle(process.hThread);

  // Bounded only so that a broken start cannot hang the test.
  Found found{process.dwProcessId, nullptr};
  for (int tries = 0; tries < 600 && found.window == nullptr; ++tries) {
    if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
    EnumWindows(FindCorvane, reinterpret_cast<LPARAM>(&found));
  }
  if (found.window == nullptr) {
    TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    FAIL() << "no visible window of class and title \"Corvane\"";
  }

  RECT rect{};
  GetWindowRect(found.window, &rect);
  EXPECT_EQ(rect.right - rect.left, 700);
  EXPECT_EQ(rect.bottom - rect.top, 515);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 700) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 515) / 2);
  EXPECT_NE(FindWindowExW(found.window, nullptr, L"SysListView32", L"listFileLeft"), nullptr);

  // The update check may well still be waiting for its answer: closing must
  // not wait for it, and must not crash under it.
  PostMessageW(found.window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hProcess);
}

}  // namespace
