// Humans: walking and its overshoot, animation cells and tints, doses over time, hits, single death, feeding, the bar.
#include "shared_media.h"
#include "world_fixture.h"

namespace {

uint32_t pixel(int x, int y) { return frame_pixels()[y * SCREEN_W + x] & 0xFFFFFFu; }
int red(uint32_t px) { return static_cast<int>(px >> 16 & 0xFF); }
int green(uint32_t px) { return static_cast<int>(px >> 8 & 0xFF); }
int blue(uint32_t px) { return static_cast<int>(px & 0xFF); }

void black() {
  set_clear_color(0, 0, 0);
  clear_screen();
}

std::vector<Blood*> bloods() {
  std::vector<Blood*> out;
  for (const auto& q : PARTICLELIST)
    if (auto b = dynamic_cast<Blood*>(q.get())) out.push_back(b);
  return out;
}

int cues_of(const std::string& prefix) {
  int n = 0;
  for (const auto& r : headless_sound_log())
    if (r.op == SoundRecord::Cue && r.sound.rfind(prefix, 0) == 0) ++n;
  return n;
}

}  // namespace

class HumanTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    // Cell n of the walking strip is coloured (255, 100 + 10 n, 200), so a pixel tells the cell and the tint.
    std::vector<uint32_t> px(48 * 12 * 64);
    for (int row = 0; row < 64; ++row)
      for (int col = 0; col < 48 * 12; ++col)
        px[row * 48 * 12 + col] = 0xFFFF00C8u | static_cast<uint32_t>(100 + 10 * (col / 48)) << 8;
    Human::image = create_image(48 * 12, 64, px, 48, 64);
    Explosion::images[1] = create_image(78 * 27, 120, std::vector<uint32_t>(78 * 27 * 120, 0xFFFFFFFFu), 78, 120);
    IMG_PARTICLE = create_image(32 * 16, 32, std::vector<uint32_t>(32 * 16 * 32, 0xFFFFFFFFu), 32, 32);
    for (int i = 0; i < 4; ++i) SND_HIT[i] = load_sound("sfx/scream" + std::to_string(i + 1) + ".ogg", 0);
    SND_SCREAM = load_sound("sfx/bloodscream.ogg", 0);
    MAX_PARTICLES = 10000;
    PARTICLE_HUMAN_BLOODFACTOR = 5;
  }
  static std::shared_ptr<Human> human(float x, int target, int hp = 50) {
    auto h = Human::create(hp);
    h->x = x;
    h->target = target;
    return h;
  }
  static int cell_at(int x, int y) { return (green(pixel(x, y)) - 100 + 5) / 10; }
};

TEST_F(HumanTest, CreatedStandingOnTheGroundAtARandomColumn) {
  for (int i = 0; i < 50; ++i) {
    auto h = Human::create(42);
    EXPECT_GE(h->x, 1);
    EXPECT_LE(h->x, 1024);
    EXPECT_GE(h->target, 1);
    EXPECT_LE(h->target, 1024);
  }
  const auto h = HUMANLIST.first();
  EXPECT_FLOAT_EQ(h->y, GROUND_Y - 32);
  EXPECT_FLOAT_EQ(h->hp, 42);
  EXPECT_FLOAT_EQ(h->is_feeded, 1);
  EXPECT_EQ(HUMANLIST.count(), 50u);
}

TEST_F(HumanTest, WalksOneStepPerUnitAndTurnsOnlyAfterPassingItsTarget) {
  struct Case {
    float x;
    int target;
    float time, x_after;
    bool turns;
  };
  const Case cases[] = {
      {100.5f, 100, 1, 99.5f, true},  {99.5f, 100, 1, 100.5f, true}, {100, 100, 1, 100, true},
      {105, 100, 1, 104, false},      {101, 100, 1, 100, false},     {103, 100, 2.5f, 100.5f, false},
      {300, 900, 3, 303, false},
  };
  for (const auto& c : cases) {
    auto h = human(c.x, c.target);
    TIME = c.time;
    h->update();
    EXPECT_FLOAT_EQ(h->x, c.x_after) << c.x << " to " << c.target;
    EXPECT_EQ(h->target != c.target, c.turns) << c.x << " to " << c.target;
  }
  // Standing exactly on the target after a step, it turns in the next frame without moving.
  TIME = 1;
  auto h = human(101, 100);
  h->update();
  h->update();
  EXPECT_FLOAT_EQ(h->x, 100);
  EXPECT_NE(h->target, 100);
}

TEST_F(HumanTest, AnimationCellFollowsTheWalkingDirection) {
  struct Case {
    int target;
    float frame;  // before the update, which adds 0.1
    int cell;
  };
  const Case cases[] = {
      {100, 0, 9},    {100, 2.5f, 11}, {900, 0, 3}, {900, 1.2f, 4},
      {505, 0, 6},    {495, 2.0f, 8},  {511, 0, 6}, {489, 2.95f, 6},  // 2.95 wraps round to 0.05
  };
  for (const auto& c : cases) {
    World::resetLists();
    auto h = human(500, c.target);
    h->current_frame = c.frame;
    black();
    h->update();
    EXPECT_EQ(cell_at(trunc_int(h->x), trunc_int(h->y)), c.cell) << c.target << " " << c.frame;
    EXPECT_EQ(blue(pixel(trunc_int(h->x), trunc_int(h->y))), 200);  // untinted
  }
}

TEST_F(HumanTest, DosesCostHitPointsOverTimeWithTintDropsAndFlames) {
  struct Case {
    float Human::*dose;
    bool yellow_drops;
    int drop_dy;
    uint32_t tint_mask;  // channels the tint leaves
    bool flames;
  };
  const Case cases[] = {
      {&Human::is_anthraxed, true, 0, 0x00FF00, false},
      {&Human::is_atomized, true, 0, 0xFFFF00, false},
      {&Human::is_burning, false, 10, 0xFFFFFF, true},
  };
  for (const auto& c : cases) {
    World::resetLists();
    headless_clear_sound_log();
    auto h = human(500, 500, 100);
    (*h).*c.dose = 30;
    for (int f = 0; f < 60; ++f) {
      black();
      h->target = trunc_int(h->x);  // keeps it standing on one spot
      h->update();
      if (f == 0) {
        const uint32_t body = pixel(trunc_int(h->x), trunc_int(h->y) + 20);
        EXPECT_EQ(body & ~c.tint_mask & 0xFFFFFF, 0u) << std::hex << body;
        EXPECT_NE(body & c.tint_mask, 0u);
        EXPECT_EQ(pixel(trunc_int(h->x) + 45, trunc_int(h->y)) != 0, c.flames);
      }
    }
    EXPECT_FLOAT_EQ(h->hp, 70);
    EXPECT_FLOAT_EQ((*h).*c.dose, 0);
    const auto drops = bloods();
    ASSERT_EQ(drops.size(), 60u);
    for (const Blood* d : drops) {
      EXPECT_FLOAT_EQ(d->x, 500);  // where the human stands; these drops were never moved
      EXPECT_FLOAT_EQ(d->y, trunc_int(h->y) + c.drop_dy);
      EXPECT_GE(d->rotation, -30);
      EXPECT_LE(d->rotation, 210);
      EXPECT_GE(d->speed, 2);
      EXPECT_LE(d->speed, 4);
      EXPECT_EQ(d->total_lifetime, 100);
      EXPECT_EQ(d->metal, 0);
      EXPECT_EQ(d->color[2], 0);
      EXPECT_EQ(d->color[0] == 255 && d->color[1] == 255, c.yellow_drops);
    }
    // Burning cries out whenever the whole part of what is left is a multiple of 10: 20.5, 20, 10.5, 10, 0.5, 0.
    EXPECT_EQ(cues_of("sfx/scream"), c.flames ? 6 : 0);

    // Spent: no more loss, no more drops.
    h->update();
    EXPECT_FLOAT_EQ(h->hp, 70);
    EXPECT_EQ(bloods().size(), 60u);
  }
}

TEST_F(HumanTest, HitsBleedByTheirSizeAndCryOrScream) {
  struct Case {
    int hp, count;
    size_t drops;
    int min_speed, max_speed;
    bool dies;
  };
  const Case cases[] = {
      {100, 25, 11, 2, 5, false},  // capped at 10 for the drops: trunc(5 x 10 x 0.2) + 1
      {100, 3, 4, 2, 5, false},    {20, 25, 51, 6, 9, true}, {3, 3, 16, 6, 9, true},
  };
  for (const auto& c : cases) {
    World::resetLists();
    World::humans_died = 0;
    headless_clear_sound_log();
    auto h = human(500, 500, c.hp);
    h->hit(c.count, 0);
    EXPECT_FLOAT_EQ(h->hp, c.hp - c.count);
    EXPECT_EQ(HUMANLIST.contains(h), !c.dies);
    EXPECT_EQ(World::humans_died, c.dies ? 1 : 0);
    EXPECT_EQ(cues_of("sfx/bloodscream"), c.dies ? 1 : 0);
    EXPECT_EQ(cues_of("sfx/scream"), c.dies ? 0 : 1);
    const auto drops = bloods();
    ASSERT_EQ(drops.size(), c.drops) << c.hp << " " << c.count;
    for (const Blood* d : drops) {
      EXPECT_TRUE((d->rotation >= 190 && d->rotation <= 230) || (d->rotation >= 290 && d->rotation <= 330));
      EXPECT_GE(d->speed, c.min_speed);
      EXPECT_LE(d->speed, c.max_speed);
      EXPECT_LE(std::fabs(d->x - 500), 10);
      EXPECT_FLOAT_EQ(d->y, trunc_int(h->y));
    }
  }
}

TEST_F(HumanTest, DeathIsCountedOnceHoweverManyThingsFinishIt) {
  auto h = human(500, 500, 1);
  h->hp = 0.5f;
  h->is_anthraxed = 5;
  h->is_burning = 5;
  h->update();  // the gas finishes it, the burn would again
  EXPECT_EQ(World::humans_died, 1);
  EXPECT_FALSE(HUMANLIST.contains(h));
  h->hit(10, 0);
  h->die();
  EXPECT_EQ(World::humans_died, 1);

  // An explosion over two humans kills each once.
  human(300, 300, 5);
  human(310, 300, 5);
  auto e = World::createExplosion(0, 305, trunc_int(HUMANLIST.first()->y), 50, 1, 100, 1, 0);
  headless_advance(150);
  e->update();
  EXPECT_EQ(World::humans_died, 3);
  EXPECT_TRUE(HUMANLIST.is_empty());
}

TEST_F(HumanTest, FeedingWidensUpToFourTimesAndNeverNarrows) {
  struct Case {
    float girth, amount, expect;
  };
  const Case cases[] = {{2, 3, 4}, {1, 1.5f, 1.5f}, {1.5f, 2, 3}, {2, 0, 2}, {2, -1, 2}, {2, 0.5f, 2}, {4, 2, 4}};
  for (const auto& c : cases) {
    auto h = human(500, 500);
    h->is_feeded = c.girth;
    h->feed(c.amount);
    EXPECT_FLOAT_EQ(h->is_feeded, c.expect) << c.girth << " x " << c.amount;
  }
  // Drawn that many times as wide, hit points untouched.
  World::resetLists();
  auto h = human(500, 500);
  black();
  h->update();
  EXPECT_EQ(pixel(540, trunc_int(h->y)), 0u);
  h->feed(2);
  black();
  h->update();
  EXPECT_NE(pixel(540, trunc_int(h->y)), 0u);
  EXPECT_FLOAT_EQ(h->hp, 50);
}

TEST_F(HumanTest, HitPointBarShowsByOptionMouseOrInjury) {
  struct Case {
    int show_hp, mouse_y;
    float hp;
    bool shown;
  };
  const Case cases[] = {
      {0, 700, 50, false}, {0, 700, 24, true},   {1, 300, 50, false}, {1, 700, 50, true},
      {2, 300, 50, true},  {0, 300, 24.9f, true}, {0, 300, 25, false},
  };
  for (const auto& c : cases) {
    World::resetLists();
    SHOW_HP = c.show_hp;
    headless_mouse_move(500, c.mouse_y);
    auto h = human(500, 500);
    h->hp = c.hp;
    black();
    h->update();
    const int top = trunc_int(h->y) - 32;
    const bool barred = pixel(trunc_int(h->x) - 20, top + 2) != pixel(trunc_int(h->x) - 20, top + 20);
    EXPECT_EQ(barred, c.shown) << "SHOW_HP " << c.show_hp << " mouse " << c.mouse_y << " hp " << c.hp;
  }
  // Length in proportion to what is left, red below half.
  SHOW_HP = 2;
  World::resetLists();
  auto h = human(500, 500);
  h->hp = 12.5f;  // a quarter: 12 of 48 pixels
  black();
  h->update();
  const int x0 = trunc_int(h->x) - 24, top = trunc_int(h->y) - 32;
  EXPECT_GT(red(pixel(x0 + 2, top + 2)), red(pixel(x0 + 2, top + 20)) - 1);
  EXPECT_LT(green(pixel(x0 + 2, top + 2)), green(pixel(x0 + 2, top + 20)));
  EXPECT_EQ(pixel(x0 + 20, top + 2), pixel(x0 + 20, top + 20));
}
