#include "support/loopback_http.h"

#include <ws2tcpip.h>

#include <utility>

namespace {

const std::u16string kUpdatePath = u"/api/update_corvane.php?ver=20110417";

// A TCP socket bound to a free port of 127.0.0.1.
SOCKET BindLoopback(unsigned short& port) {
  WSADATA data{};
  WSAStartup(MAKEWORD(2, 2), &data);
  const SOCKET bound = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof(address);
  bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return bound;
}

std::u16string LoopbackAddress(unsigned short port, const std::u16string& pathAndQuery) {
  const std::string digits = std::to_string(port);
  return u"http://127.0.0.1:" + std::u16string(digits.begin(), digits.end()) + pathAndQuery;
}

}  // namespace

std::u16string RefusedLoopbackAddress() {
  // Bind a port, then let it go: nothing listens there afterwards.
  unsigned short port = 0;
  closesocket(BindLoopback(port));
  WSACleanup();
  return LoopbackAddress(port, kUpdatePath);
}

LoopbackHttpServer::LoopbackHttpServer(std::string rawResponse)
    : response_(std::move(rawResponse)) {
  listener_ = BindLoopback(port_);
  listen(listener_, 4);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  // Closing the listener makes the pending accept fail, which ends Serve.
  closesocket(listener_);
  thread_.join();
  WSACleanup();
}

std::u16string LoopbackHttpServer::Address(const std::u16string& pathAndQuery) const {
  return LoopbackAddress(port_, pathAndQuery);
}

std::string LoopbackHttpServer::LastRequest() const {
  std::lock_guard<std::mutex> guard(lock_);
  return lastRequest_;
}

std::string LoopbackHttpServer::Reply(const std::string& body, const std::string& status) {
  return "HTTP/1.1 " + status +
         "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

void LoopbackHttpServer::Serve() {
  for (;;) {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::string request;
    char buffer[1024];
    // The request has no body; its headers end in an empty line.
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
      const int got = recv(client, buffer, sizeof(buffer), 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
    }
    {
      std::lock_guard<std::mutex> guard(lock_);
      lastRequest_ = request;
    }
    std::size_t sent = 0;
    while (sent < response_.size()) {
      const int put =
          send(client, response_.data() + sent, static_cast<int>(response_.size() - sent), 0);
      if (put <= 0) break;
      sent += static_cast<std::size_t>(put);
    }
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}
