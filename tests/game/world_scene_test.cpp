// A headless scene of the training level: every airplane type flies, bombs fall, bosses act, rockets home.
// With PELLARON_SCENE_DIR set, two frames are written there as scene_1.png and scene_2.png.
#include <cstdlib>
#include <filesystem>

#include "world_fixture.h"

namespace {

void copy_training_data() {
  namespace fs = std::filesystem;
  fs::create_directories("data/training");
  for (const char* f : {"config.txt", "airplanes.txt", "bombs.txt", "levels.txt"})
    fs::copy_file(fs::path(PELLARON_SOURCE_DIR) / "data/training" / f, fs::path("data/training") / f);
}

// One frame of the world in the round update's order, without collisions.
void frame() {
  set_clear_color(40, 60, 90);
  clear_screen();
  set_blend(BLEND_SOLID);
  set_alpha(1);
  set_rotation(0);
  set_scale(1, 1);
  set_color(90, 70, 40);
  draw_rect(0, static_cast<float>(GROUND_Y), 1024, 50);
  for (auto b : ENEMYBOMBLIST) b->update();
  for (auto b : PLAYERBOMBLIST) b->update();
  for (auto a : AIRPLANELIST) a->update();
  for (auto a : HELPERLIST) a->update();
  for (auto h : HUMANLIST) h->update();
  for (auto q : PARTICLELIST)
    if (q->update() == 0) PARTICLELIST.remove(q);
  World::update_infos();
}

}  // namespace

class WorldScene : public WorldTest {};

TEST_F(WorldScene, EveryTypeFliesAndFights) {
  copy_training_data();
  load_config("training/config.txt");
  Airplane::load_presets("training/airplanes.txt");
  Bomb::load_presets("training/bombs.txt");
  ASSERT_GE(Airplane::presets.size(), 15u);
  p = Player::create();
  SHOW_HP = 2;
  for (int i = 0; i < 6; ++i) Human::create(trunc_int(p->human_hp));
  const bool have_sprites = file_type("gfx/AIRPLANES/fighter.png") == 1;
  for (const auto& m : headless_messages()) {
    EXPECT_EQ(m.find("not found"), std::string::npos) << m;
    if (have_sprites) {
      EXPECT_EQ(m.find("does not exist"), std::string::npos) << m;
    }
  }

  int k = 0;
  for (const auto& pr : Airplane::presets) {
    const int x = 80 + (k * 137) % 880, y = 60 + (k * 53) % 380;
    if (pr->name.rfind("HELPER", 0) == 0) World::createHelper(pr->name, x, y, 0);
    else World::createAirplane(pr->name, x, y, k % 2 ? 180 : 0, 0);
    ++k;
  }
  const char* dir = std::getenv("PELLARON_SCENE_DIR");
  std::size_t most_bombs = 0;
  for (int f = 1; f <= 400; ++f) {
    headless_advance(20);
    TIME = 1;
    if (f % 25 == 0 && !AIRPLANELIST.is_empty()) {
      auto target = AIRPLANELIST.to_array()[f / 25 % AIRPLANELIST.count()];
      auto r = World::createPlayerBomb("BOMB_PLAYER", f % 50 ? 60 : 964, 690, 270, target);
      r->is_super = 1;
      r->tp = 50;
    }
    // Some hits, so damaged airplanes smoke and crash.
    if (f % 40 == 0)
      for (auto a : AIRPLANELIST) a->hit(a->tp / 6);
    frame();
    most_bombs = std::max(most_bombs, ENEMYBOMBLIST.count());
    if (dir && (f == 220 || f == 400)) save_frame_png(std::string(dir) + "/scene_" + (f == 220 ? "1" : "2") + ".png");
  }
  EXPECT_GT(most_bombs, 5u);
  EXPECT_GT(World::airplanes_destroyed, 0);
  EXPECT_GT(World::rockets_fired, 10);
  EXPECT_LE(World::blood_count, MAX_PARTICLES);
}
