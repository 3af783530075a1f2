// TCP client streams: name lookup and connection bounded in time, so an unreachable server never freezes the game.
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "internal.h"

namespace {

constexpr int CONNECT_TIMEOUT_MS = 5000;

using Clock = std::chrono::steady_clock;

// The lookup runs on its own thread because getaddrinfo has no timeout of its own; when it takes
// too long the caller walks away and the thread cleans up after itself.
struct Lookup {
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
  addrinfo* result = nullptr;
  ~Lookup() {
    if (result) freeaddrinfo(result);
  }
};

addrinfo* resolve(const std::string& host, int port, Clock::time_point deadline, std::shared_ptr<Lookup>& keep) {
  auto job = std::make_shared<Lookup>();
  keep = job;
  std::thread([job, host, port] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    const std::string service = std::to_string(port);
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &res) != 0) res = nullptr;
    std::lock_guard<std::mutex> lock(job->m);
    job->result = res;
    job->done = true;
    job->cv.notify_all();
  }).detach();
  std::unique_lock<std::mutex> lock(job->m);
  if (!job->cv.wait_until(lock, deadline, [&] { return job->done; })) return nullptr;
  return job->result;
}

int connect_one(const addrinfo* ai, Clock::time_point deadline) {
  const int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, ai->ai_protocol);
  if (fd < 0) return -1;
  if (::connect(fd, ai->ai_addr, ai->ai_addrlen) != 0) {
    if (errno != EINPROGRESS) {
      ::close(fd);
      return -1;
    }
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      pollfd p{fd, POLLOUT, 0};
      const int r = left > 0 ? ::poll(&p, 1, static_cast<int>(left)) : 0;
      if (r < 0 && errno == EINTR) continue;
      int err = 0;
      socklen_t len = sizeof err;
      if (r <= 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) {
        ::close(fd);
        return -1;
      }
      break;
    }
  }
  // Reads wait with poll, so the socket itself can block again.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  return fd;
}

}  // namespace

StreamPtr open_tcp_stream(const std::string& host, int port) {
  if (host.empty() || port <= 0 || port > 65535) return nullptr;
  const auto deadline = Clock::now() + std::chrono::milliseconds(CONNECT_TIMEOUT_MS);
  std::shared_ptr<Lookup> lookup;
  const addrinfo* list = resolve(host, port, deadline, lookup);
  for (const addrinfo* ai = list; ai; ai = ai->ai_next) {
    const int fd = connect_one(ai, deadline);
    if (fd >= 0) return platform_detail::make_socket_stream(fd);
    if (Clock::now() >= deadline) break;
  }
  return nullptr;
}
