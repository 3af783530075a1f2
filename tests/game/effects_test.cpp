// Explosions, gas and fire clouds, and blood particles: reach, timing, doses, kinds, settling and fading.
#include "shared_media.h"
#include "world_fixture.h"

namespace {

const char* const PLANES = "[P]\nHP: 1000\n[H]\nHP: 1000\n";
const char* const BOMBS = "[B]\nHP: 1000\n[BURST]\nHP: 1\nEXPLOSION_BOMB: B\nEXPLOSION_BOMBCOUNT: 4\n";

uint32_t pixel(int x, int y) { return frame_pixels()[y * SCREEN_W + x] & 0xFFFFFFu; }

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

}  // namespace

class EffectsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Human::image = cells(48, 64, 12, 0xFF808080u);
    Explosion::images[0] = cells(96, 96, 12, 0xFF808080u);
    Explosion::images[1] = cells(78, 120, 27, 0xFF808080u);
    IMG_CLOUD[0] = cells(96, 96, 4, 0xFFFFFFFFu);
    IMG_CLOUD[1] = cells(29, 67, 5, 0xFFFFFFFFu);
    IMG_PARTICLE = cells(32, 32, 16, 0xFFFFFFFFu);
    MAX_PARTICLES = 10000;
  }
  // A strip of n cells of w x h, every pixel argb.
  static Image cells(int w, int h, int n, uint32_t argb) {
    return create_image(w * n, h, std::vector<uint32_t>(static_cast<size_t>(w) * n * h, argb), w, h);
  }
  static std::shared_ptr<Human> human_at(float x, float y, int hp = 100) {
    auto h = Human::create(hp);
    h->x = x;
    h->y = y;
    h->target = trunc_int(x);  // keeps still for a frame only; the tests here do not walk it
    return h;
  }
  // One update of every particle, as the round update does it.
  static void update_particles() {
    for (auto q : PARTICLELIST)
      if (q->update() == 0) PARTICLELIST.remove(q);
  }
};

TEST_F(EffectsTest, ExplosionReachIsAStrictBoxOfThreeTenthsOfTheScaledCell) {
  // Kind 0 at size 1: 96x96 cells, reach 28.8 each way; kind 1 at size 2: 156x240, reach 46.8 by 72.
  struct Case {
    int typ;
    float size, dx, dy;
    bool hit;
  };
  const Case cases[] = {
      {0, 1, 28, 28, true},      {0, 1, 28.75f, 0, true},  {0, 1, 28.81f, 0, false}, {0, 1, 0, -28.81f, false},
      {0, 1, -29, 0, false},     {0, 1, 0, 0, true},       {1, 2, 46, 71.5f, true},   {1, 2, 47, 0, false},
      {1, 2, 0, 72, false},      {0, 0.5f, 23, 0, false},  {0, 0.5f, 14, 14, true},
      // 80-pixel cells reach exactly 24: a target at that distance is outside.
      {0, 0.84f, 24, 0, false},  {0, 0.84f, 0, -24, false}, {0, 0.84f, 23.9f, -23.9f, true},
  };
  for (const auto& c : cases) {
    World::resetLists();
    auto h = human_at(500 + c.dx, 300 + c.dy);
    auto e = World::createExplosion(c.typ, 500, 300, 50, c.size, 7, 1, 0);
    headless_advance(101);
    e->update();
    EXPECT_FLOAT_EQ(h->hp, c.hit ? 93 : 100) << "kind " << c.typ << " size " << c.size << " at " << c.dx << ","
                                            << c.dy;
  }
}

TEST_F(EffectsTest, ExplosionHurtsEnemiesAndHumansOnceAfter100MsButNeverRocketsOrHelpers) {
  airplanes(PLANES);
  bombs(BOMBS);
  auto plane = World::createAirplane("P", 510, 300, 0, 0);
  auto helper = World::createHelper("H", 500, 310, 0);
  auto bomb = World::createEnemyBomb("B", 490, 300, 90, nullptr);
  auto rocket = World::createPlayerBomb("B", 500, 290, 270, nullptr);
  auto h = human_at(500, 300);
  auto e = World::createExplosion(0, 500, 300, 50, 1, 9, 1, 0);

  headless_advance(100);  // exactly 100 ms: not yet
  EXPECT_EQ(e->update(), 1);
  EXPECT_EQ(e->hit, 0);
  EXPECT_EQ(plane->hp, 1000);
  headless_advance(1);
  e->update();
  EXPECT_EQ(e->hit, 1);
  EXPECT_EQ(plane->hp, 991);
  EXPECT_EQ(bomb->hp, 991);
  EXPECT_FLOAT_EQ(h->hp, 91);
  EXPECT_EQ(helper->hp, 1000);
  EXPECT_EQ(rocket->hp, 1000);
  headless_advance(500);
  e->update();
  EXPECT_EQ(plane->hp, 991);
  EXPECT_FLOAT_EQ(h->hp, 91);
}

TEST_F(EffectsTest, ShortLivedExplosionIsDrawnButHurtsNobody) {
  auto h = human_at(500, 300);
  auto e = World::createExplosion(0, 500, 300, 3, 1, 9, 1, 0);
  int drawn = 0;
  for (int f = 0; f < 10; ++f) {
    headless_advance(20);
    black();
    if (e->update() == 0) break;
    drawn += pixel(500, 300) != 0;
  }
  EXPECT_EQ(drawn, 3);  // lifetimes 2, 1 and 0 are drawn; -1 ends it
  EXPECT_EQ(e->hit, 0);
  EXPECT_FLOAT_EQ(h->hp, 100);
}

TEST_F(EffectsTest, AnimationsRunFromFirstToLastCellAndCloudsStepEvery200Ms) {
  // Cell n of each strip is coloured (10 + 20 n, 0, 0), so the centre pixel tells the cell drawn.
  auto strip = [](int w, int h, int n) {
    std::vector<uint32_t> px(static_cast<size_t>(w) * n * h);
    for (size_t i = 0; i < px.size(); ++i) px[i] = 0xFF000000u | static_cast<uint32_t>(10 + 20 * (i % (w * n) / w)) << 16;
    return create_image(w * n, h, px, w, h);
  };
  auto cell = [] { return static_cast<int>(pixel(500, 300) >> 16 & 0xFF) / 20; };
  Explosion::images[0] = strip(96, 96, 12);
  auto e = World::createExplosion(0, 500, 300, 11, 1, 1, 1, 0);
  for (int k = 1; k <= 11; ++k) {
    black();
    e->update();
    EXPECT_EQ(cell(), k);  // lifetime 11 - k of 11
  }

  IMG_CLOUD[0] = strip(96, 96, 4);
  IMG_CLOUD[1] = strip(29, 67, 5);
  struct Case {
    int typ, ms, cell;
  };
  const Case cases[] = {{0, 0, 0}, {0, 199, 0}, {0, 200, 1}, {0, 450, 2}, {0, 799, 3}, {1, 650, 3}, {1, 1000, 1}};
  for (const auto& c : cases) {
    World::resetLists();
    headless_set_time(800 * 200 + c.ms);
    auto cl = World::createCloud(c.typ, 500, 300, 100000, 1, 1, 1);
    cl->y = 300;
    black();
    cl->draw();
    EXPECT_EQ(cell(), c.cell) << "kind " << c.typ << " at " << c.ms;
  }
}

TEST_F(EffectsTest, BombIsSparedOnlyByTheExplosionItIsImmuneTo) {
  bombs(BOMBS);
  auto own = World::createExplosion(0, 500, 300, 50, 1, 5, 1, 0);
  auto other = World::createExplosion(0, 500, 300, 50, 1, 5, 1, 0);
  auto b = World::createEnemyBomb("B", 500, 300, 90, nullptr);
  b->immun = own;
  headless_advance(150);
  own->update();
  EXPECT_EQ(b->hp, 1000);
  other->update();
  EXPECT_EQ(b->hp, 995);
}

TEST_F(EffectsTest, BombletsReleasedDuringTheBlastAreNotCaughtByIt) {
  bombs(BOMBS);
  auto burst = World::createEnemyBomb("BURST", 500, 300, 90, nullptr);
  auto e = World::createExplosion(0, 500, 300, 50, 20, 5, 1, 0);  // reaches far beyond the bomblets' spread
  headless_advance(150);
  e->update();
  EXPECT_FALSE(ENEMYBOMBLIST.contains(burst));
  ASSERT_EQ(ENEMYBOMBLIST.count(), 4u);
  for (const auto& let : ENEMYBOMBLIST) EXPECT_EQ(let->hp, 1000);
}

TEST_F(EffectsTest, CloudDosesEachHumanOnceAndAnotherCloudDosesAgain) {
  auto inside = human_at(500, 686);
  auto outside = human_at(800, 686);
  for (int typ : {0, 1}) {
    auto c = World::createCloud(typ, 500, 690, 1000, 1, 30, 1);
    EXPECT_EQ(c->imageIndex, typ);
    // The first contact test waits for the clock to pass the creation time.
    c->update();
    EXPECT_FLOAT_EQ(typ == 0 ? inside->is_anthraxed : inside->is_burning, 0);
    for (int f = 0; f < 20; ++f) {
      headless_advance(20);
      c->update();
    }
    EXPECT_FLOAT_EQ(typ == 0 ? inside->is_anthraxed : inside->is_burning, 30);
    EXPECT_FLOAT_EQ(outside->is_anthraxed + outside->is_burning, 0);
  }
  auto again = World::createCloud(0, 500, 690, 1000, 1, 30, 1);
  headless_advance(20);
  again->update();
  EXPECT_FLOAT_EQ(inside->is_anthraxed, 60);
  EXPECT_FLOAT_EQ(inside->is_burning, 30);
}

TEST_F(EffectsTest, CloudsSinkOrFallToTheGroundAndFadeOut) {
  auto fire = World::createCloud(1, 300, 700, 100, 1, 1, 1);
  auto gas = World::createCloud(0, 600, 700, 100, 1, 1, 1);
  std::vector<float> fire_y;
  for (int f = 0; f < 6; ++f) {
    headless_advance(20);
    fire->update();
    gas->update();
    fire_y.push_back(fire->y);
  }
  EXPECT_EQ(fire_y, (std::vector<float>{704, 708, 712, 716, 720, 718}));
  EXPECT_NEAR(gas->y, 701.2f, 1e-3);  // 0.2 per unit, until below the ground line
  EXPECT_NEAR(gas->x, 600, 0.6);

  // Fade: floor(lifetime) / total_lifetime, on a black screen from a white cloud image.
  auto fading = World::createCloud(0, 200, 200, 10, 1, 1, 1);
  black();
  fading->update();  // lifetime 9 of 10
  EXPECT_NEAR(pixel(200, 200) & 0xFF, 0.9 * 255, 2);
  fading->lifetime = 2.5f;
  black();
  fading->update();  // floor(1.5) = 1 of 10
  EXPECT_NEAR(pixel(200, 200) & 0xFF, 0.1 * 255, 2);
}

TEST_F(EffectsTest, BloodKindsPickFramesLifeTintAndVerticalRule) {
  // Thrown straight right at speed 0, so the first step is only the friction (-0.1) and the kind's vertical rule.
  struct Case {
    int metal, stored_metal, frame_lo, frame_hi;
    float life, dy, growth;
    uint32_t tint;
    int blend;
  };
  const Case cases[] = {
      {0, 0, 0, 3, 80, 0.5f, 0, 0, BLEND_ALPHA},           {1, 1, 4, 7, 80, 0.5f, 0, 0, BLEND_ALPHA},
      {-3, 1, 4, 7, 80, 0.5f, 0, 0xFFFF00, BLEND_ALPHA},   {2, 2, 8, 11, 50, -0.2f, 0, 0, BLEND_ALPHA},
      {3, 3, 12, 12, 80, 0, 0, 0, BLEND_ALPHA},            {4, 4, 13, 13, 80, 0, 0, 0, BLEND_ALPHA},
      {5, 5, 8, 11, 80, 0, 0.01f, 0, BLEND_LIGHT},         {6, 6, 8, 11, 80, 0, 0.01f, 0, BLEND_LIGHT},
  };
  for (const auto& c : cases) {
    for (int k = 0; k < 8; ++k) {  // frames are random within their range
      auto b = World::createBlood(400, 300, 0, 0, 1, c.metal, 80);
      ASSERT_TRUE(b);
      EXPECT_EQ(b->metal, c.stored_metal);
      EXPECT_GE(b->frame, c.frame_lo) << c.metal;
      EXPECT_LE(b->frame, c.frame_hi) << c.metal;
      EXPECT_FLOAT_EQ(b->lifetime, c.life) << c.metal;
      EXPECT_EQ(b->total_lifetime, static_cast<int>(c.life));
      const uint32_t tint = (b->color[0] << 16) | (b->color[1] << 8) | b->color[2];
      EXPECT_EQ(tint, c.tint) << c.metal;
      b->update();
      EXPECT_NEAR(b->x, 399.9f, 1e-4) << c.metal;
      EXPECT_NEAR(b->y, 300 + c.dy, 1e-4) << c.metal;
      EXPECT_NEAR(b->scale_x, 1 + c.growth, 1e-6) << c.metal;
      EXPECT_EQ(get_blend(), c.blend) << c.metal;
      b->die();
    }
  }
  EXPECT_EQ(World::blood_count, 0);
}

TEST_F(EffectsTest, TrailParticlesAreTintedAndFaint) {
  // On black, an opaque white particle: negative kinds are yellow; trails add light at 0.3 of the fade,
  // taken before the alpha is clamped, so early in their life (79 of 80: 1.975) they burn at 0.59.
  struct Case {
    int metal;
    uint32_t expect;
  };
  const Case cases[] = {{0, 0xFFFFFF}, {-1, 0xFFFF00}, {5, 0x979797}, {6, 0x979700}};
  for (const auto& c : cases) {
    World::resetLists();
    auto b = World::createBlood(400, 300, 0, 0, 1, c.metal, 80);
    black();
    b->update();
    const uint32_t px = pixel(400, 300);
    for (int sh : {16, 8, 0})
      EXPECT_NEAR(static_cast<int>((px >> sh) & 0xFF), static_cast<int>((c.expect >> sh) & 0xFF), 2) << c.metal;
  }
}

TEST_F(EffectsTest, BloodThrownUpCurvesDownSettlesBelowTheGroundAndFadesInItsSecondHalf) {
  auto b = World::createBlood(300, 600, 290, 6, 1, 0, 100);  // up and to the right, like a human's blood
  float top = b->y;
  int landed_at = -1;
  std::vector<float> alpha;
  for (int f = 1; f <= 100; ++f) {
    black();
    b->update();
    top = std::min(top, b->y);
    if (landed_at < 0 && !b->alive) landed_at = f;
    alpha.push_back(((pixel(trunc_int(b->x), trunc_int(b->y) - 2)) & 0xFF) / 255.0f);
  }
  EXPECT_LT(top, 560);       // it rose first
  EXPECT_GT(landed_at, 10);  // then fell
  EXPECT_FLOAT_EQ(b->y, GROUND_Y + 10);
  const float rest_x = b->x;
  EXPECT_EQ(b->lifetime, 0);
  EXPECT_TRUE(PARTICLELIST.contains(b.get()));
  // Opaque through the first half of its life, then floor(lifetime) / 50.
  EXPECT_FLOAT_EQ(alpha[10], 1);
  EXPECT_FLOAT_EQ(alpha[49], 1);  // lifetime 50
  EXPECT_NEAR(alpha[74], 25 / 50.0f, 0.01);
  EXPECT_NEAR(alpha[98], 1 / 50.0f, 0.01);

  // The frame its life runs out it leaves the list and the count, lying still where it settled.
  EXPECT_EQ(World::blood_count, 1);
  b->update();
  EXPECT_FALSE(PARTICLELIST.contains(b.get()));
  EXPECT_EQ(World::blood_count, 0);
  EXPECT_FLOAT_EQ(b->x, rest_x);
}

TEST_F(EffectsTest, BloodTooShortLivedToFadeIsNotSeen) {
  for (int life : {0, 1, 2, 3}) {
    World::resetLists();
    auto b = World::createBlood(400, 300, 0, 0, 1, 1, life);
    black();
    b->update();
    // Lives 0 and 1 have no second half to fade over; a life of 2 or 3 is at 1 of 1 after the first frame.
    EXPECT_EQ(pixel(400, 300) != 0, life >= 2) << life;
  }
}

TEST_F(EffectsTest, BloodFarOffScreenIsRetired) {
  auto near = World::createBlood(-30, 300, 0, 0, 1, 0, 100);
  auto far = World::createBlood(-33, 300, 0, 0, 1, 0, 100);
  auto low = World::createBlood(500, 768 + 33, 0, 0, 1, 0, 100);
  for (auto* b : bloods()) b->outofScreen();
  EXPECT_TRUE(PARTICLELIST.contains(near.get()));
  EXPECT_FALSE(PARTICLELIST.contains(far.get()));
  EXPECT_FALSE(PARTICLELIST.contains(low.get()));
  EXPECT_EQ(World::blood_count, 1);
}
