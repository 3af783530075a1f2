// Files: byte streams over files and sockets with line reading, atomic saves, directories and whole-file banks.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "internal.h"

namespace {

int g_tcp_timeout_ms = 5000;
// A server that trickles bytes without ever ending a line must not hold the game forever.
constexpr int TCP_LINE_TIMEOUTS = 6;
constexpr std::size_t WRITE_BUFFER = 64 * 1024;

bool write_all_fd(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

// Makes a rename durable: the directory entry reaches the disk too.
void sync_parent_dir(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
}

}  // namespace

class Stream {
 public:
  enum Kind { FileRead, FileWrite, Socket };

  Stream(Kind kind, int fd) : kind_(kind), fd_(fd) {}
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // An abandoned save never replaces its target: the temporary file goes away.
  ~Stream() {
    if (fd_ >= 0) ::close(fd_);
    if (kind_ == FileWrite && !committed_ && !temp_path_.empty()) ::unlink(temp_path_.c_str());
  }

  void set_paths(std::string target, std::string temp) {
    target_path_ = std::move(target);
    temp_path_ = std::move(temp);
  }

  // Next byte, or -1 at the end (or after a socket stayed silent for the read timeout).
  int get(int64_t deadline_ms = -1) {
    if (pos_ == len_ && !fill(deadline_ms)) return -1;
    return static_cast<unsigned char>(buf_[pos_++]);
  }

  bool eof() {
    if (pos_ < len_) return false;
    if (fd_ < 0 || ended_ || kind_ == FileWrite) return true;
    if (kind_ == FileRead) return !fill(-1);
    // A socket is at its end once the peer closed it; a quiet but open connection is not.
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return false;
    return !fill(-1);
  }

  bool put(const char* p, std::size_t n) {
    if (fd_ < 0 || failed_) return false;
    if (kind_ == FileRead) return false;
    if (kind_ == Socket) return send_all(p, n);
    out_.append(p, n);
    if (out_.size() >= WRITE_BUFFER) flush_out();
    return !failed_;
  }

  bool close() {
    if (fd_ < 0) return false;
    bool ok = true;
    if (kind_ == FileWrite) {
      flush_out();
      ok = !failed_ && ::fsync(fd_) == 0;
    }
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (kind_ == FileWrite) {
      if (ok && ::rename(temp_path_.c_str(), target_path_.c_str()) == 0) {
        committed_ = true;
        sync_parent_dir(target_path_);
      } else {
        ok = false;
        ::unlink(temp_path_.c_str());
        committed_ = true;  // nothing left to clean up
      }
    }
    return ok;
  }

  Kind kind() const { return kind_; }

 private:
  static int64_t now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  bool fill(int64_t deadline_ms) {
    if (fd_ < 0 || ended_ || kind_ == FileWrite) return false;
    pos_ = len_ = 0;
    for (;;) {
      if (kind_ == Socket) {
        int wait = g_tcp_timeout_ms;
        if (deadline_ms >= 0) wait = static_cast<int>(std::min<int64_t>(wait, std::max<int64_t>(0, deadline_ms - now())));
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, wait);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
          ended_ = true;  // silent too long: treat as the end of the answer
          return false;
        }
      }
      const ssize_t n = kind_ == Socket ? ::recv(fd_, buf_, sizeof buf_, 0) : ::read(fd_, buf_, sizeof buf_);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ended_ = true;
        return false;
      }
      len_ = static_cast<std::size_t>(n);
      return true;
    }
  }

  void flush_out() {
    if (!out_.empty() && !failed_ && !write_all_fd(fd_, out_.data(), out_.size())) failed_ = true;
    out_.clear();
  }

  bool send_all(const char* p, std::size_t n) {
    while (n > 0) {
      const ssize_t w = ::send(fd_, p, n, MSG_NOSIGNAL);
      if (w < 0) {
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
          pollfd pf{fd_, POLLOUT, 0};
          if (::poll(&pf, 1, g_tcp_timeout_ms) > 0) continue;
        }
        failed_ = true;
        return false;
      }
      p += w;
      n -= static_cast<std::size_t>(w);
    }
    return true;
  }

  friend std::string read_line(const StreamPtr& s);

  Kind kind_;
  int fd_;
  char buf_[8192];
  std::size_t pos_ = 0, len_ = 0;
  bool ended_ = false;
  bool failed_ = false;
  bool committed_ = false;
  std::string out_;
  std::string target_path_, temp_path_;
};

void platform_detail::set_tcp_read_timeout_ms(int ms) { g_tcp_timeout_ms = ms > 0 ? ms : 5000; }

StreamPtr platform_detail::make_socket_stream(int fd) { return std::make_shared<Stream>(Stream::Socket, fd); }

StreamPtr open_read(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_shared<Stream>(Stream::FileRead, fd);
}

StreamPtr open_write(const std::string& path) {
  if (path.empty() || file_type(path) == 2) return nullptr;
  std::string temp = path + ".tmpXXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return nullptr;
  // mkostemp makes a private file; a save should keep the permissions a file normally gets.
  struct stat st {};
  const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  ::fchmod(fd, mode);
  auto s = std::make_shared<Stream>(Stream::FileWrite, fd);
  s->set_paths(path, temp);
  return s;
}

std::string read_line(const StreamPtr& s) {
  std::string line;
  if (!s) return line;
  int64_t deadline = -1;
  if (s->kind() == Stream::Socket) deadline = Stream::now() + int64_t{g_tcp_timeout_ms} * TCP_LINE_TIMEOUTS;
  for (;;) {
    const int c = s->get(deadline);
    if (c < 0 || c == '\n' || c == 0) break;
    if (c != '\r') line.push_back(static_cast<char>(c));
  }
  return line;
}

bool write_bytes(const StreamPtr& s, const std::string& bytes) { return s && s->put(bytes.data(), bytes.size()); }

bool write_line(const StreamPtr& s, const std::string& text) { return write_bytes(s, text + "\r\n"); }

bool at_eof(const StreamPtr& s) { return !s || s->eof(); }

int read_byte(const StreamPtr& s) { return s ? s->get() : -1; }

bool close_stream(const StreamPtr& s) { return s && s->close(); }

int file_type(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return 0;
  return S_ISDIR(st.st_mode) ? 2 : 1;
}

bool make_dir(const std::string& path) { return !path.empty() && ::mkdir(path.c_str(), 0755) == 0; }

bool delete_file(const std::string& path) {
  return file_type(path) == 1 && ::unlink(path.c_str()) == 0;
}

struct DirData {
  DIR* dir = nullptr;
  ~DirData() {
    if (dir) ::closedir(dir);
  }
};

Dir read_dir(const std::string& path) {
  DIR* d = ::opendir(path.c_str());
  if (!d) return nullptr;
  auto out = std::make_shared<DirData>();
  out->dir = d;
  return out;
}

std::string next_file(const Dir& d) {
  if (!d || !d->dir) return "";
  errno = 0;
  const dirent* e = ::readdir(d->dir);
  return e ? std::string(e->d_name) : std::string();
}

void close_dir(const Dir& d) {
  if (d && d->dir) {
    ::closedir(d->dir);
    d->dir = nullptr;
  }
}

struct BankData {
  std::string bytes;
};

Bank load_bank(const std::string& path) {
  if (file_type(path) != 1) return nullptr;
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  auto b = std::make_shared<BankData>();
  b->bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return nullptr;
  return b;
}

int bank_size(const Bank& b) { return b ? static_cast<int>(b->bytes.size()) : 0; }

int peek_byte(const Bank& b, int i) {
  if (!b || i < 0 || static_cast<std::size_t>(i) >= b->bytes.size()) return 0;
  return static_cast<unsigned char>(b->bytes[static_cast<std::size_t>(i)]);
}
