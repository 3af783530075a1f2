// Mode selection and the program's own location.
#include <unistd.h>

#include "internal.h"

namespace {
PlatformMode g_mode = PlatformMode::Real;
}

void platform_init(PlatformMode mode) {
  g_mode = mode;
  platform_detail::graphics_reset();
  platform_detail::audio_reset();
  platform_detail::input_reset();
  platform_detail::clock_reset();
  platform_detail::dialogs_reset();
}

PlatformMode platform_mode() { return g_mode; }

std::string own_executable_path() {
  std::string buf(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return "";
    if (static_cast<std::size_t>(n) < buf.size()) {
      buf.resize(static_cast<std::size_t>(n));
      return buf;
    }
    buf.resize(buf.size() * 2);  // the path may have been cut short
  }
}

void enter_program_dir() {
  const std::string exe = own_executable_path();
  const auto slash = exe.find_last_of('/');
  if (slash == std::string::npos) return;
  const std::string dir = slash == 0 ? "/" : exe.substr(0, slash);
  [[maybe_unused]] const int rc = ::chdir(dir.c_str());
}
