// TCP streams against tiny servers on the loopback interface: line round trip, silence and refusal.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "internal.h"
#include "platform.h"

namespace {

// A listening socket on an ephemeral loopback port, served by one connection handler.
class Server {
 public:
  explicit Server(std::function<void(int)> handler) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 1) != 0) return;
    socklen_t len = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this, handler] {
      const int c = ::accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      handler(c);
      ::close(c);
    });
  }
  ~Server() {
    ::shutdown(fd_, SHUT_RDWR);
    if (thread_.joinable()) thread_.join();
    ::close(fd_);
  }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
  std::thread thread_;
};

std::string recv_line(int fd) {
  std::string s;
  char c;
  while (::recv(fd, &c, 1, 0) == 1 && c != '\n') s.push_back(c);
  return s;
}

void send_text(int fd, const std::string& s) { ::send(fd, s.data(), s.size(), MSG_NOSIGNAL); }

struct TcpTest : ::testing::Test {
  void TearDown() override { platform_detail::set_tcp_read_timeout_ms(5000); }
};

TEST_F(TcpTest, LinesTravelBothWaysAndThePeerClosingEndsTheStream) {
  Server server([](int c) {
    const std::string got = recv_line(c);
    send_text(c, "HTTP/1.0 200 OK\r\n\r\necho:" + got + "\nno line end");
  });
  ASSERT_GT(server.port(), 0);
  const StreamPtr s = open_tcp_stream("127.0.0.1", server.port());
  ASSERT_TRUE(s);
  EXPECT_TRUE(write_line(s, "GET /x"));
  std::vector<std::string> lines;
  while (!at_eof(s)) lines.push_back(read_line(s));
  // The server saw "GET /x\r" and echoed the CR back; read_line drops it.
  EXPECT_EQ(lines, (std::vector<std::string>{"HTTP/1.0 200 OK", "", "echo:GET /x", "no line end"}));
  EXPECT_EQ(read_byte(s), -1);
  EXPECT_TRUE(close_stream(s));
}

TEST_F(TcpTest, ASilentServerMakesReadLineGiveUpWithWhatArrived) {
  platform_detail::set_tcp_read_timeout_ms(200);
  for (const std::string said : {"", "partial"}) {
    Server server([said](int c) {
      if (!said.empty()) send_text(c, said);
      // Connected but saying nothing more until the client leaves, or 3 s at most.
      timeval tv{3, 0};
      ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
      char b;
      while (::recv(c, &b, 1, 0) > 0) {
      }
    });
    const StreamPtr s = open_tcp_stream("localhost", server.port());
    ASSERT_TRUE(s);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(read_line(s), said);
    EXPECT_TRUE(at_eof(s)) << "silence past the timeout ends the stream";
    EXPECT_EQ(read_line(s), "");
    // Generous bound: only proves the read did not wait for the server to hang up.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(2500)) << said;
    close_stream(s);
  }
}

TEST_F(TcpTest, QuietButOpenConnectionIsNotAtItsEnd) {
  Server server([](int c) { recv_line(c); });
  const StreamPtr s = open_tcp_stream("127.0.0.1", server.port());
  ASSERT_TRUE(s);
  EXPECT_FALSE(at_eof(s));
  write_line(s, "bye");
  close_stream(s);
}

TEST_F(TcpTest, RefusedOrInvalidTargetsGiveNoStream) {
  int port;
  {
    Server closed([](int) {});
    port = closed.port();
  }
  EXPECT_FALSE(open_tcp_stream("127.0.0.1", port));
  EXPECT_FALSE(open_tcp_stream("127.0.0.1", 0));
  EXPECT_FALSE(open_tcp_stream("127.0.0.1", 70000));
  EXPECT_FALSE(open_tcp_stream("", 80));
  EXPECT_FALSE(open_tcp_stream("no-such-host.invalid", 80));
}

}  // namespace
