// The update check as it runs at start-up through the real window, against
// a loopback server: up to date, and out of date as far as the end.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/wide.h"
#include "support/loopback_http.h"
#include "support/main_window_fixture.h"
#include "update/update_check.h"

namespace {

// The whole check as it runs at start-up, against a server that says "no".
class UpdateCheckAtStart : public MainWindowTest {
 protected:
  std::u16string UpdateAddressForTest() override {
    return server.Address(u"/api/update_corvane.php?ver=20110417");
  }
  LoopbackHttpServer server{LoopbackHttpServer::Reply("No")};
};

TEST_F(UpdateCheckAtStart, AsksTheEndpointOnceAndLeavesTheWindowAlone) {
  // SetUp has waited for WM_UPDATE_CHECKED.
  const std::string request = server.LastRequest();
  EXPECT_EQ(request.rfind("GET /api/update_corvane.php?ver=20110417 HTTP/1.1\r\n", 0), 0u)
      << request;
  EXPECT_NE(request.find("User-Agent: Corvane\r\n"), std::string::npos) << request;
  EXPECT_TRUE(IsWindowVisible(State().mainWindow));
  PumpPending();
  EXPECT_FALSE(QuitCode().has_value());
}

// The whole check against a server that says "Update", as far as the end.
class OutOfDateAtStart : public MainWindowTest {
 protected:
  void SetUp() override {
    State().openPage = [this](const std::u16string& address) {
      const std::lock_guard<std::mutex> guard(lock);
      opened.push_back(address);
    };
    // The box belongs to the check's thread, where no hook of ours runs:
    // it is found by its caption and answered from outside.
    answerer = std::thread([this] {
      for (int tries = 0; tries < 2000 && !done; ++tries) {
        const HWND box = FindWindowW(L"#32770", L"提示");
        DWORD process = 0;
        if (box != nullptr && GetWindowThreadProcessId(box, &process) != 0 &&
            process == GetCurrentProcessId()) {
          wchar_t text[200] = {};
          GetDlgItemTextW(box, 0xFFFF, text, 200);
          const std::lock_guard<std::mutex> guard(lock);
          boxTexts.push_back(platform::FromWide(text));
          hiddenWhenShown = !IsWindowVisible(State().mainWindow);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
          return;
        }
        Sleep(10);
      }
    });
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    done = true;
    answerer.join();
    State().openPage = OpenInBrowser;
    MainWindowTest::TearDown();
  }
  std::u16string UpdateAddressForTest() override {
    return server.Address(u"/api/update_corvane.php?ver=20110417");
  }

  LoopbackHttpServer server{LoopbackHttpServer::Reply("Update")};
  std::mutex lock;
  std::vector<std::u16string> opened;
  std::vector<std::u16string> boxTexts;
  bool hiddenWhenShown = false;
  std::atomic<bool> done{false};
  std::thread answerer;
};

TEST_F(OutOfDateAtStart, HidesTheWindowTellsTheUserOpensTheHomePageAndEndsWithZero) {
  // SetUp has waited for WM_UPDATE_CHECKED, which ended the program.
  ASSERT_TRUE(PumpUntil([] { return QuitCode().has_value(); }));
  EXPECT_EQ(QuitCode(), WPARAM{0});
  EXPECT_FALSE(IsWindowVisible(State().mainWindow));
  const std::lock_guard<std::mutex> guard(lock);
  EXPECT_TRUE(hiddenWhenShown);
  EXPECT_EQ(boxTexts,
            (std::vector<std::u16string>{
                u"您的当前版本的软件已过期。\r\n单击\u201C确定\u201D引导您到官网下载最新版本。"}));
  EXPECT_EQ(opened, std::vector<std::u16string>{kHomePage});
}

}  // namespace
