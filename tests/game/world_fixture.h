// Shared set-up of the world tests: a headless screen, a temporary game folder and a clean world.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "effects.h"
#include "headless.h"
#include "human.h"
#include "info.h"
#include "ki.h"
#include "player.h"
#include "shell.h"
#include "test_support.h"
#include "world_lists.h"

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_init(PlatformMode::Headless);
    open_graphics(1024, 768, 0, 60);
    // As at program start: every image loaded later is handled at its centre, magenta is clear.
    auto_mid_handle(true);
    set_mask_color(255, 0, 255);
    link_media();
    headless_set_time(100000);
    seed_random(7);
    World::resetLists();
    World::kill_chain_info.reset();
    World::max_airplanes = 0;
    World::wave_airplanes = 0;
    World::kill_chain = 0;
    World::last_kill_time = 0;
    World::blood_count = 0;
    World::money_earned = World::rockets_fired = World::bombs_destroyed = World::airplanes_destroyed = 0;
    World::humans_died = World::unstoppable_count = World::crash_hits = 0;
    SOUND_EXPLOSION_COUNTER = 0;
    SOUND_EXPLOSION_TIME.assign(SOUND_EXPLOSION_MAX, 0);
    TIME = 1;
    GROUND_Y = 718;
    MAX_PARTICLES = 100;
    HC_MODE = 0;
    INTERNET = 0;
    STORY = 1;
    SHOW_HP = 0;
    RUMBLE = 0;
    PARTICLERAND_RAUCH = 9;
    PARTICLES_AIRPLANEDIE = 20;
    PARTICLES_AIRPLANEHIT = 1;
    PARTICLETIME_ROCKETSCHWEIF = 25;
    MONEY_FACTOR = 1;
    CRASHING_ROCKETS = 1;
    UNSTOPPABLE_BONUS = 0;
    Airplane::presets.clear();
    Airplane::images.clear();
    Airplane::image_names.clear();
    Bomb::presets.clear();
    Bomb::images.clear();
    Bomb::image_names.clear();
    Explosion::images[0] = solid(96, 96);
    Explosion::images[1] = solid(78, 120);
    p = std::make_shared<Player>();
    p->human_money = 50;
    p->rocket_power = 50;
    p->human_hp = 50;
    headless_clear_messages();
    headless_clear_sound_log();
  }
  void TearDown() override {
    World::resetLists();
    World::kill_chain_info.reset();
    p.reset();
  }

  // Writes a presets file under data/t/ and loads it.
  static void airplanes(const std::string& text) {
    write_file("data/t/airplanes.txt", text);
    Airplane::load_presets("t/airplanes.txt");
  }
  static void bombs(const std::string& text) {
    write_file("data/t/bombs.txt", text);
    Bomb::load_presets("t/bombs.txt");
  }
  // An image of w x h opaque pixels, for types whose image size matters.
  static Image solid(int w, int h) { return create_image(w, h, std::vector<uint32_t>(w * h, 0xFF808080u)); }
  static int count_messages(const std::string& text) {
    int n = 0;
    for (const auto& m : headless_messages())
      if (m == text) ++n;
    return n;
  }

  TempDir dir;
};
