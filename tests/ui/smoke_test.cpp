// Corvane.exe from outside: started as a user would start it, found by its
// class and title, closed through its window.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/corvane_process.h"

namespace {

TEST(CorvaneExe, ShowsItsCentredWindowAndEndsWithZeroWhenClosed) {
  CorvaneProcess corvane;
  ASSERT_TRUE(corvane.started()) << "cannot start Corvane.exe";
  const HWND window = corvane.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no visible window of class and title \"Corvane\"";

  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 700);
  EXPECT_EQ(rect.bottom - rect.top, 515);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 700) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 515) / 2);
  EXPECT_NE(FindWindowExW(window, nullptr, L"SysListView32", L"listFileLeft"), nullptr);

  // The update check may well still be waiting for its answer: closing must
  // not wait for it, and must not crash under it.
  EXPECT_EQ(corvane.CloseAndWait(window), 0u);
}

}  // namespace
