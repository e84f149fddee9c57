#include "support/corvane_process.h"

#include <string>

#include "support/remote_controls.h"

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

}  // namespace

CorvaneProcess::CorvaneProcess() {
  const std::wstring exe = CorvaneExe();
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
    return;
  }
  CloseHandle(process_.hThread);
  process_.hThread = nullptr;
}

CorvaneProcess::~CorvaneProcess() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hProcess);
}

HWND CorvaneProcess::WaitForMainWindow() {
  HWND window = nullptr;
  WaitUntil([&] {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) return true;
    window = FindTopLevel(process_.dwProcessId, L"Corvane", L"Corvane");
    return window != nullptr;
  });
  return window;
}

std::optional<DWORD> CorvaneProcess::CloseAndWait(HWND mainWindow) {
  PostMessageW(mainWindow, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 60000) != WAIT_OBJECT_0) return std::nullopt;
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  return exitCode;
}
