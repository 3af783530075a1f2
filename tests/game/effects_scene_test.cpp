// A headless scene of the effects: twenty humans under explosions, gas, fire and blood, in rain, snow, wind and night.
// With PELLARON_SCENE_DIR set, frames are written there as effects_1.png to effects_4.png.
#include <cstdlib>
#include <filesystem>

#include "shared_media.h"
#include "sound_text.h"
#include "weather.h"
#include "world_fixture.h"

namespace {

void copy_training_data() {
  namespace fs = std::filesystem;
  fs::create_directories("data/training");
  for (const char* f : {"config.txt", "airplanes.txt", "bombs.txt", "levels.txt"})
    fs::copy_file(fs::path(PELLARON_SOURCE_DIR) / "data/training" / f, fs::path("data/training") / f);
}

// The towers, once the player can draw them.
template <class Pl>
void draw_towers(Pl& pl) {
  if constexpr (requires { pl.draw(); }) pl.draw();
}

int count_bloods() {
  int n = 0;
  for (const auto& q : PARTICLELIST) n += dynamic_cast<Blood*>(q.get()) != nullptr;
  return n;
}

// One frame in the round update's order: sky behind, humans, particles, towers, infos, weather in front.
void frame() {
  clear_screen();
  w->update(0);
  for (auto h : HUMANLIST) h->update();
  for (auto q : PARTICLELIST)
    if (q->update() == 0) PARTICLELIST.remove(q);
  draw_towers(*p);
  World::update_infos();
  w->update(1);
}

// A rocket's trail from the left tower towards the sky: smoke and fire particles along a line.
void trail(int f) {
  const float t = static_cast<float>(f % 60) / 60.0f;
  const int x = trunc_int(80 + 500 * t), y = trunc_int(690 - 600 * t);
  World::createBlood(x, y, rand_int(0, 359), 0.3f, 0.4f, 5, 25);
  World::createBlood(x, y, rand_int(0, 359), 0.3f, 0.3f, 6, 12);
}

}  // namespace

class EffectsScene : public WorldTest {
 protected:
  void TearDown() override {
    w.reset();
    kewlfont.reset();
    WorldTest::TearDown();
  }
};

TEST_F(EffectsScene, HumansUnderFireInEveryWeather) {
  copy_training_data();
  load_shared_media();
  load_config("training/config.txt");
  kewlfont = load_anim_image("gfx/kewlfont.png", 64, 64, 0, 128, IMAGE_DEFAULT);
  p = Player::create();
  World::resetLists();  // the player brings the campaign's first humans; the scene has its own twenty
  p->human_hp = 400;
  SHOW_HP = 2;
  MAX_PARTICLES = 3000;
  PARTICLE_HUMAN_BLOODFACTOR = 3;
  w = Weather::create(1, 0.5f, 1, 2, 0);
  w->_reset_weather(1, 1, 0.5f, 2, 0, "", 0);
  headless_mouse_move(512, 500);
  for (int i = 0; i < 20; ++i) Human::create(400);
  // A few in every state the drawing knows: burning, irradiated, fed fat.
  auto some = HUMANLIST.to_array();
  some[0]->is_burning = 400;
  some[1]->is_atomized = 400;
  some[2]->feed(2.5f);
  some[3]->feed(4);
  for (int i = 0; i < 4; ++i) some[i]->x = static_cast<float>(250 + 150 * i);
  Info::createText("GO", 512, 200, 120, 1, "", 0, 5, 5, 255, 255, 255);

  const char* dir = std::getenv("PELLARON_SCENE_DIR");
  int settled_seen = 0;
  for (int f = 1; f <= 240; ++f) {
    headless_advance(20);
    TIME = 1;
    if (f % 12 == 0) {  // blasts in the air and on the ground, now and then a large one
      const bool nuke = f % 96 == 0;
      World::createExplosion(nuke ? 1 : 0, rand_int(60, 960), nuke ? GROUND_Y - 60 : rand_int(200, GROUND_Y - 20),
                             nuke ? 60 : 35, nuke ? 1.5f : rand_float(0.6f, 1.4f), 40, 1, 0);
      World::createBlood(rand_int(100, 900), rand_int(150, 400), rand_int(0, 359), 5, 0.4f, 1, 60);
    }
    if (f % 45 == 5) World::createCloud(0, rand_int(100, 900), rand_int(560, 660), 300, rand_float(1, 2), 20, 1);
    if (f % 45 == 25) World::createCloud(1, rand_int(100, 900), rand_int(300, 500), 250, 1.2f, 15, 1);
    if (f % 30 == 0) World::add_crashhit(rand_int(200, 800), rand_int(150, 350));
    trail(f);
    if (f == 180) w->_reset_weather(1, 1, 0.5f, 2, 0.6f, "", 0);  // nightfall: only the light cone stays lit
    frame();
    for (const auto& q : PARTICLELIST)
      if (auto b = dynamic_cast<Blood*>(q.get()); b && !b->alive && b->y == GROUND_Y + 10) ++settled_seen;
    if (dir && (f == 60 || f == 150 || f == 178 || f == 235))
      save_frame_png(std::string(dir) + "/effects_" + std::to_string(f == 60 ? 1 : f == 150 ? 2 : f == 178 ? 3 : 4) +
                     ".png");
  }
  // Every human is still walking or was counted once; blood stayed within budget and its count is true.
  EXPECT_EQ(static_cast<int>(HUMANLIST.count()) + World::humans_died, 20);
  EXPECT_LT(World::humans_died, 20);
  EXPECT_LE(World::blood_count, MAX_PARTICLES);
  EXPECT_EQ(World::blood_count, count_bloods());
  EXPECT_GT(settled_seen, 0);
}
