// Message boxes, standard output, and starting or ending programs.
#include <SDL.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "headless.h"
#include "internal.h"

namespace {

std::vector<std::string> g_messages;
bool g_confirm_answer = true;

// The window title of a message box: the program's own file name.
std::string box_title() {
  const std::string exe = own_executable_path();
  const auto slash = exe.find_last_of('/');
  const std::string name = slash == std::string::npos ? exe : exe.substr(slash + 1);
  return name.empty() ? "Message" : name;
}

}  // namespace

void notify(const std::string& text) {
  if (platform_mode() == PlatformMode::Headless) {
    g_messages.push_back(text);
    return;
  }
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, box_title().c_str(), text.c_str(), nullptr) != 0)
    std::fprintf(stderr, "%s\n", text.c_str());
}

bool confirm(const std::string& text) {
  if (platform_mode() == PlatformMode::Headless) {
    g_messages.push_back(text);
    return g_confirm_answer;
  }
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
  };
  const std::string title = box_title();
  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_INFORMATION;
  box.title = title.c_str();
  box.message = text.c_str();
  box.numbuttons = 2;
  box.buttons = buttons;
  int pressed = -1;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) {
    // Nobody can answer without a screen; carrying on is the safe choice.
    std::fprintf(stderr, "%s (yes)\n", text.c_str());
    return true;
  }
  return pressed == 1;
}

int run_program(const std::string& path) {
  if (path.empty()) return -1;
  // A close-on-exec pipe tells the parent whether execv failed: it only ever carries an errno.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return -1;
  std::string arg0 = path;
  char* argv[] = {arg0.data(), nullptr};
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return -1;
  }
  if (pid == 0) {
    ::close(report[0]);
    ::execv(argv[0], argv);
    const int err = errno;
    [[maybe_unused]] const ssize_t w = ::write(report[1], &err, sizeof err);
    ::_exit(127);
  }
  ::close(report[1]);
  int err = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &err, sizeof err);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (got > 0) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);  // as a shell reports it
  return -1;
}

void end_program() { std::exit(0); }

void at_program_exit(void (*handler)()) {
  if (handler) std::atexit(handler);
}

void print_line(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

const std::vector<std::string>& headless_messages() { return g_messages; }
void headless_clear_messages() { g_messages.clear(); }
void headless_set_confirm_answer(bool yes) { g_confirm_answer = yes; }

void platform_detail::dialogs_reset() {
  g_messages.clear();
  g_confirm_answer = true;
}
