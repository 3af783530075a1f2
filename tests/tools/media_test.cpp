// Every picture and sound the game loads exists in the run tree and decodes with the loader's cell layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform.h"

namespace {

struct MediaCase {
  std::string path;  // relative to the run tree
  int cell_w = 0;    // 0: a single image, loaded whole
  int cell_h = 0;
  int cells = 0;
  int min_w = 1;  // for single images: the least size the game relies on
  int min_h = 1;
};

MediaCase single(const std::string& p, int min_w = 1, int min_h = 1) { return {p, 0, 0, 0, min_w, min_h}; }
MediaCase strip(const std::string& p, int w, int h, int n) { return {p, w, h, n, 1, 1}; }
MediaCase sound(const std::string& name) { return {"sfx/" + name + ".ogg", -1, -1, -1, 0, 0}; }

std::vector<MediaCase> all_media() {
  std::vector<MediaCase> v = {
      // Start-up and shell.
      strip("gfx/kewlfont.png", 64, 64, 128),
      single("gfx/hand.png"),
      single("gfx/logo.png"),
      single("gfx/logo_load.png"),
      single("gfx/team_logo.png"),
      single("gfx/hp_crossbar.png"),
      single("gfx/menu.jpg", 1024, 768),
      single("gfx/menu_shade.png"),
      single("gfx/thumbs/locked.png"),
      single("gfx/tutorial/first.jpg", 1024, 768),
      single("gfx/tutorial/second.jpg", 1024, 768),
      single("gfx/tutorial/third.jpg", 1024, 768),
      // Player and HUD.
      single("gfx/tower.png"),
      single("gfx/cannon.png"),
      single("gfx/aimzone.png"),
      single("gfx/crosshair.png"),
      single("gfx/crosshair1.png"),
      single("gfx/crosshair2.png"),
      single("gfx/crosshair3.png"),
      single("gfx/crosshair4.png"),
      single("gfx/bullet.png"),
      single("gfx/super_rocket.png"),
      // Humans and effects.
      strip("gfx/human.png", 48, 64, 12),
      strip("gfx/explosion.png", 96, 96, 12),
      strip("gfx/explosion_nuke.png", 78, 120, 27),
      strip("gfx/cloud.png", 96, 96, 4),
      strip("gfx/fire.png", 29, 67, 5),
      strip("gfx/particle.png", 32, 32, 16),
      // Weather and scenery; the night mask is drawn at twice its size around the mouse, so it must span
      // the whole screen from any pointer position.
      single("gfx/clouds_background.png"),
      single("gfx/backgrounds/ground.png", 1024),
      single("gfx/backgrounds/desert.jpg", 1024, 768),
      single("gfx/nightshot.png", 1024, 768),
      single("gfx/raindrop.png"),
      single("gfx/snowflake.png"),
      // Campaign map.
      single("gfx/map.png"),
      single("gfx/buttons_map/button_training.png"),
      single("gfx/buttons_map/button_desert.png"),
      single("gfx/buttons_map/button_white.png"),
      single("gfx/buttons_map/button_bonus.png"),
      single("gfx/arrow.png"),
      single("gfx/thumbs/desert.png"),
  };
  for (const char* b : {"button", "button_human", "button_human_power", "button_human_money", "button_rocket",
                        "button_rocket_power", "button_rocket_speed", "button_aim", "button_go", "button_auto",
                        "button_locked"})
    v.push_back(single(std::string("gfx/buttons/") + b + ".png"));
  for (const char* land : {"snow", "city", "valley", "training"}) {
    v.push_back(single(std::string("gfx/backgrounds/") + land + ".jpg", 1024, 768));
    v.push_back(single(std::string("gfx/backgrounds/ground_") + land + ".png", 1024));
    v.push_back(single(std::string("gfx/thumbs/") + land + ".png"));
  }
  for (const char* a : {"fighter", "bomber", "heavy_bomber", "transport", "helicopter", "attack_helicopter",
                        "parachutist", "carpet", "bird", "boss_bird", "boss_triplane", "boss_gunship",
                        "boss_mothership"})
    v.push_back(single(std::string("gfx/AIRPLANES/") + a + ".png"));
  for (const char* b : {"bomb", "cluster_bomb", "bomblet", "gas_bomb", "fire_bomb", "enemy_rocket", "rocket", "burger"})
    v.push_back(single(std::string("gfx/BOMBS/") + b + ".png"));
  for (const char* s : {"anthrax", "beep", "bloodscream", "crash_shot", "explosion2", "explosion3", "gong", "laugh",
                        "menu_change", "menu_changemenu", "menu_click", "nomoney", "pay", "scream1", "scream2",
                        "scream3", "scream4", "shoot", "welcome", "win", "winner", "doublekill", "tripplekill",
                        "multikill", "ultrakill", "monsterkill", "unstoppable", "wickedsick", "menu", "game"})
    v.push_back(sound(s));
  return v;
}

TEST(Media, EveryFileTheGameLoadsDecodesWithItsLayout) {
  platform_init(PlatformMode::Headless);
  const std::string root = std::string(PELLARON_RUN_TREE) + "/";
  for (const MediaCase& m : all_media()) {
    SCOPED_TRACE(m.path);
    const std::string path = root + m.path;
    if (m.cells < 0) {
      EXPECT_TRUE(load_sound(path, 0) != nullptr) << "sound missing or undecodable";
    } else if (m.cells > 0) {
      const Image img = load_anim_image(path, m.cell_w, m.cell_h, 0, m.cells);
      ASSERT_TRUE(img != nullptr) << "strip missing or undecodable";
      EXPECT_EQ(image_frames(img), m.cells);
      EXPECT_EQ(image_width(img), m.cell_w);
      EXPECT_EQ(image_height(img), m.cell_h);
    } else {
      const Image img = load_image(path);
      ASSERT_TRUE(img != nullptr) << "image missing or undecodable";
      EXPECT_EQ(image_frames(img), 1);
      EXPECT_GE(image_width(img), m.min_w);
      EXPECT_GE(image_height(img), m.min_h);
    }
  }
}

}  // namespace
