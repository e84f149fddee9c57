// QueryUpdate against a loopback server: only a 200 reply of exactly
// "Update" means out of date.

#include <gtest/gtest.h>

#include <string>

#include "support/loopback_http.h"
#include "update/update_query.h"

namespace {

const std::u16string kPath = u"/api/update_corvane.php?ver=20110417";

TEST(QueryUpdate, OnlyExactlyUpdateMeansOutOfDate) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    std::string response;
    bool outOfDate;
  };
  const Case cases[] = {
      {"Update", LoopbackHttpServer::Reply("Update"), true},
      {"Update and a line feed", LoopbackHttpServer::Reply("Update\n"), false},
      {"lower case", LoopbackHttpServer::Reply("update"), false},
      {"Update with a blank", LoopbackHttpServer::Reply(" Update"), false},
      {"empty reply", LoopbackHttpServer::Reply(""), false},
      {"404 saying Update", LoopbackHttpServer::Reply("Update", "404 Not Found"), false},
      {"500", LoopbackHttpServer::Reply("", "500 Internal Server Error"), false},
      {"260 bytes", LoopbackHttpServer::Reply("Update" + std::string(254, 'x')), false},
      {"260 bytes, all letters", LoopbackHttpServer::Reply(std::string(260, 'U')), false},
      {"300 bytes", LoopbackHttpServer::Reply("Update" + std::string(294, 'x')), false},
      // The reply is a byte string ended by its first zero byte.
      {"Update, a zero, more", LoopbackHttpServer::Reply("Update\0tail"s), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoopbackHttpServer server(c.response);
    EXPECT_EQ(QueryUpdate(server.Address(kPath)), c.outOfDate);
    EXPECT_NE(server.LastRequest().find("GET " + std::string(kPath.begin(), kPath.end())),
              std::string::npos);
  }
}

TEST(QueryUpdate, RefusedConnectionMeansUpToDate) {
  EXPECT_FALSE(QueryUpdate(RefusedLoopbackAddress()));
}

TEST(QueryUpdate, AsksOurOwnReservedHostWithThisVersion) {
  EXPECT_EQ(DefaultUpdateAddress(),
            u"http://update.corvane.invalid/api/update_corvane.php?ver=20110417");
}

}  // namespace
