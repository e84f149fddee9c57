#pragma once
// A tiny HTTP server on 127.0.0.1 for the update check's tests: it answers
// every connection with the same raw bytes and keeps the last request.

#include <winsock2.h>

#include <mutex>
#include <string>
#include <thread>

class LoopbackHttpServer {
 public:
  // rawResponse: status line, headers and body, sent as they are.
  explicit LoopbackHttpServer(std::string rawResponse);
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;
  ~LoopbackHttpServer();

  // http://127.0.0.1:PORT plus the path and query.
  std::u16string Address(const std::u16string& pathAndQuery) const;
  std::string LastRequest() const;

  // A reply with the status, the body and the body's exact length.
  static std::string Reply(const std::string& body, const std::string& status = "200 OK");

 private:
  void Serve();

  std::string response_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  mutable std::mutex lock_;
  std::string lastRequest_;
  std::thread thread_;
};

// A loopback address nobody listens on: connections to it are refused.
std::u16string RefusedLoopbackAddress();
