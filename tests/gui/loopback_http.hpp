// A loopback HTTP server on a thread of the test: it answers every request with one body and keeps each request
// line, so a test sees which addresses a program asked and in what order. A silent one takes the request and never
// answers, as a dead site would.
#pragma once

#include <winsock2.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veltrim::test {

class LoopbackHttp {
 public:
  explicit LoopbackHttp(std::string body, bool silent = false) : body_(std::move(body)), silent_(silent) {
    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};  // any free port
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackHttp() {
    ::closesocket(listener_);  // accept fails, and the thread ends
    if (thread_.joinable()) thread_.join();
    ::WSACleanup();
  }
  LoopbackHttp(const LoopbackHttp&) = delete;
  LoopbackHttp& operator=(const LoopbackHttp&) = delete;

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
  std::vector<std::string> Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    for (SOCKET client; (client = ::accept(listener_, nullptr, nullptr)) != INVALID_SOCKET; ::closesocket(client)) {
      std::string request;
      char chunk[1024];
      for (int got; request.find("\r\n\r\n") == std::string::npos && (got = ::recv(client, chunk, sizeof chunk, 0)) > 0;)
        request.append(chunk, static_cast<std::size_t>(got));
      {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request.substr(0, request.find("\r\n")));
      }
      if (silent_) {
        ::recv(client, chunk, sizeof chunk, 0);  // until the client gives up and closes
        continue;
      }
      const std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                 std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
      ::send(client, answer.data(), static_cast<int>(answer.size()), 0);
      ::shutdown(client, SD_SEND);
    }
  }

  std::string body_;
  bool silent_ = false;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace veltrim::test
