// Program entry of Pellaron: a window with sound, then the main loop until the player quits.
#include "platform.h"
#include "shell.h"

int main() {
  platform_init(PlatformMode::Real);
  enter_program_dir();
  return Shell::run();
}
