// Shared start of the benchmarks: a headless screen in the run tree with the training level loaded.
#pragma once

#include <unistd.h>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "platform.h"
#include "player.h"
#include "shared_media.h"
#include "shell.h"

// As at program start (with the shared media when asked), then the training configuration (and,
// when asked, its presets) and a new player. False when the run tree cannot be entered.
inline bool enter_training_level(uint32_t seed, bool shared_media, bool presets) {
  platform_init(PlatformMode::Headless);
  open_graphics(1024, 768, 0, 60);
  auto_mid_handle(true);
  set_mask_color(255, 0, 255);
  if (chdir(PELLARON_RUN_TREE) != 0) return false;
  GROUND_Y = 718;
  seed_random(seed);
  if (shared_media) load_shared_media();
  load_config("training/config.txt");
  if (presets) {
    Airplane::load_presets("training/airplanes.txt");
    Bomb::load_presets("training/bombs.txt");
  }
  p = Player::create();
  return true;
}
