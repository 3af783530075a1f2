// Bombs and rockets: preset defaults, homing, ground and screen tests, clusters with their immunity, trails.
#include "world_fixture.h"

class BombTest : public WorldTest {
 protected:
  // Bomb types with a 40x10 picture, so ground and screen margins are known.
  void load(const std::string& text) {
    bombs(text);
    Bomb::images.assign(1, solid(40, 10));
    for (auto& pr : Bomb::presets) {
      pr->image_width = trunc_int(40 * pr->scale_x);
      pr->image_height = trunc_int(10 * pr->scale_y);
    }
  }
  static int explosions() {
    int n = 0;
    for (const auto& q : PARTICLELIST) n += dynamic_cast<Explosion*>(q.get()) != nullptr;
    return n;
  }
};

TEST_F(BombTest, PresetDefaultsAndUnknownNames) {
  load("[PLAIN]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 2\nHP: 5\nTP: 7\n[KEEP]\nCHECK_FOR_OUTOFSCREEN: 0\nROTATION_SPEED: 45.9\n");
  const auto& plain = *Bomb::presets[0];
  EXPECT_FLOAT_EQ(plain.rotation_speed, 360);
  EXPECT_EQ(plain.check_for_OutOfScreen, 1);
  EXPECT_EQ(plain.check_for_Ground, 1);
  EXPECT_FLOAT_EQ(plain.is_feeder, -1);
  EXPECT_EQ(Bomb::presets[1]->check_for_OutOfScreen, 0);
  EXPECT_FLOAT_EQ(Bomb::presets[1]->rotation_speed, 45);

  auto b = World::createEnemyBomb("PLAIN", 10, 20, 90, nullptr);
  EXPECT_EQ(b->tp, 7);
  EXPECT_EQ(b->start_hp, 5);
  EXPECT_FLOAT_EQ(b->max_speed, 2);
  auto ghost = World::createEnemyBomb("NOPE", 500, 718, 90, nullptr);
  EXPECT_EQ(count_messages("Bomb not found: NOPE"), 1);
  EXPECT_EQ(ghost->explosion_lifetime, 20);
  for (int i = 0; i < 3; ++i) ghost->update();
  EXPECT_TRUE(ENEMYBOMBLIST.contains(ghost));  // stays where it was made, not even on the ground
  auto rocket = World::createPlayerBomb("PLAIN", 0, 0, 0, nullptr);
  EXPECT_FLOAT_EQ(rocket->schwabbel_T, 500);
  EXPECT_FLOAT_EQ(b->schwabbel_T, 2000);
}

TEST_F(BombTest, HardcoreDoublesSpeedOnlyInTheCampaign) {
  HC_MODE = 1;
  for (int story : {1, 0}) {
    STORY = story;
    bombs("[B]\nSPEED: 3\n");
    EXPECT_FLOAT_EQ(Bomb::presets[0]->speed, story ? 6 : 3);
  }
}

TEST_F(BombTest, GroundExplodesOnlyInsideTheScreenSpan) {
  load("[B]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 5\nEXPLOSION_TYP: 1\nEXPLOSION_LIFETIME: 20\nEXPLOSION_RANGE: 1\n");
  struct Case {
    int x;
    bool explodes;
  } cases[] = {{500, true}, {20, true}, {19, false}, {10, false}, {1004, true}, {1005, false}};
  for (const auto& c : cases) {
    World::resetLists();
    auto b = World::createEnemyBomb("B", c.x, 700, 90, nullptr);
    for (int i = 0; i < 5 && ENEMYBOMBLIST.contains(b); ++i) b->update();
    EXPECT_EQ(!ENEMYBOMBLIST.contains(b), c.explodes) << c.x;
    EXPECT_EQ(explosions(), c.explodes ? 1 : 0) << c.x;
  }
  // The one that missed the ground vanishes without explosion once below the screen.
  World::resetLists();
  auto b = World::createEnemyBomb("B", 10, 700, 90, nullptr);
  for (int i = 0; i < 40; ++i) b->update();
  EXPECT_FALSE(ENEMYBOMBLIST.contains(b));
  EXPECT_EQ(explosions(), 0);
}

TEST_F(BombTest, LeavingTheScreenUnlessToldToStay) {
  load("[GO]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 1\n[STAY]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 1\nCHECK_FOR_OUTOFSCREEN: 0\n");
  struct Case {
    const char* type;
    int x, y, heading;
    bool gone;
  } cases[] = {{"GO", -40, 300, 180, true},  {"GO", -39, 300, 0, false}, {"GO", 1064, 300, 0, true},
               {"GO", 500, -10, 270, true},  {"GO", 500, -9, 90, false}, {"STAY", -300, 300, 180, false}};
  for (const auto& c : cases) {
    auto b = World::createEnemyBomb(c.type, c.x, c.y, c.heading, nullptr);
    b->update();
    EXPECT_EQ(!ENEMYBOMBLIST.contains(b), c.gone) << c.type << " " << c.x << "," << c.y;
  }
  EXPECT_EQ(explosions(), 0);
}

TEST_F(BombTest, ClusterBombletsSurviveTheirParentsBlastOnly) {
  load("[CLUSTER]\nSCALE_X: 1\nSCALE_Y: 1\nHP: 10\nSPEED: 1\nEXPLOSION_TYP: 1\nEXPLOSION_POWER: 50\n"
       "EXPLOSION_RANGE: 10\nEXPLOSION_LIFETIME: 50\nEXPLOSION_BOMB: LET\nEXPLOSION_BOMBCOUNT: 3\n"
       "[GAS]\nSCALE_X: 1\nSCALE_Y: 1\nHP: 10\nEXPLOSION_TYP: 2\nEXPLOSION_RANGE: 1\nEXPLOSION_LIFETIME: 50\n"
       "EXPLOSION_BOMB: LET\nEXPLOSION_BOMBCOUNT: 2\n"
       "[LET]\nSCALE_X: 1\nSCALE_Y: 1\nHP: 5\nSPEED: 1\n");
  auto c = World::createEnemyBomb("CLUSTER", 500, 300, 45, nullptr);
  c->hit(10);  // shot down
  ASSERT_EQ(ENEMYBOMBLIST.count(), 3u);
  auto blast = std::dynamic_pointer_cast<Explosion>(PARTICLELIST.first());
  ASSERT_TRUE(blast);
  for (const auto& let : ENEMYBOMBLIST) {
    EXPECT_EQ(let->immun.lock(), blast);
    EXPECT_FLOAT_EQ(let->rotation, 45);
    EXPECT_LE(std::fabs(let->x - 500), 100);
    EXPECT_GE(let->y, 280);
    EXPECT_LT(let->y, 300);
  }
  headless_advance(150);
  blast->update();
  EXPECT_EQ(ENEMYBOMBLIST.count(), 3u);
  auto other = World::createExplosion(0, 500, 290, 50, 10, 50, 1, 0);
  headless_advance(150);
  other->update();
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());

  // A gas cloud gives no immunity; leaving the screen still releases the cluster.
  World::resetLists();
  auto g = World::createEnemyBomb("GAS", 500, 300, 0, nullptr);
  g->hit(10);
  ASSERT_EQ(ENEMYBOMBLIST.count(), 2u);
  for (const auto& let : ENEMYBOMBLIST) EXPECT_FALSE(let->immun.lock());
  World::resetLists();
  auto off = World::createEnemyBomb("CLUSTER", -100, 300, 180, nullptr);
  off->update();
  EXPECT_FALSE(ENEMYBOMBLIST.contains(off));
  EXPECT_EQ(ENEMYBOMBLIST.count(), 3u);
  EXPECT_EQ(explosions(), 0);
}

TEST_F(BombTest, HomingRocketFlyOnWhenItsTargetIsGone) {
  airplanes("[T]\nHP: 10\n");
  load("[R]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 3\nHP: 1\n");
  auto target = World::createAirplane("T", 500, 100, 0, 0);
  auto r = World::createPlayerBomb("R", 500, 600, 0, target);
  ASSERT_FALSE(r->waypoints.empty());
  r->update();
  EXPECT_NEAR(r->rotation, 270, 1e-3);  // turns at once
  target->die(1);
  r->update();
  EXPECT_TRUE(r->waypoints.empty());
  const float y = r->y;
  r->update();
  EXPECT_NEAR(r->y, y - 3, 1e-3);

  // A target that is not an enemy in play leaves the fixed point (300, 300).
  auto helper = World::createHelper("T", 900, 100, 0);
  auto odd = World::createPlayerBomb("R", 500, 600, 0, helper);
  ASSERT_EQ(odd->waypoints.size(), 1u);
  EXPECT_EQ(odd->waypoints.front().x, 300);
  EXPECT_FALSE(odd->waypoints.front().has_father);
}

TEST_F(BombTest, TrailParticlesAreRateLimited) {
  load("[R]\nSCALE_X: 1\nSCALE_Y: 1\nSPEED: 1\nDRAW_SCHWEIF: 2\nCHECK_FOR_OUTOFSCREEN: 0\n");
  struct Case {
    int interval;
    std::size_t particles;
  } cases[] = {{1000000, 0}, {0, 10}, {25, 4}};
  for (const auto& c : cases) {
    World::resetLists();
    World::blood_count = 0;
    PARTICLETIME_ROCKETSCHWEIF = c.interval;
    auto b = World::createEnemyBomb("R", 500, 300, 0, nullptr);
    for (int i = 0; i < 10; ++i) {
      headless_advance(10);
      b->update();
    }
    EXPECT_EQ(PARTICLELIST.count(), c.particles) << c.interval;
  }
}
