// Airplanes: preset loading, controllers by name, firing, damage and crashing, death and carriers, drawing.
#include "world_fixture.h"

namespace {

bool frame_is_blank() {
  const uint32_t* px = frame_pixels();
  for (int i = 0; i < SCREEN_W * SCREEN_H; ++i)
    if ((px[i] & 0xFFFFFFu) != (px[0] & 0xFFFFFFu)) return false;
  return true;
}

}  // namespace

class AirplaneTest : public WorldTest {};

TEST_F(AirplaneTest, PresetsShareImagesAndClampOddValues) {
  write_file("gfx/AIRPLANES/same.png", "");  // an unreadable image still takes one shared slot
  airplanes(
      "[A]\nIMAGE: same.png\nKI: bombersimple\nBOMB_TYPS: 2\nBOMB_TYP_0: X\nIS_BLOODY: 5\nROTATION_SPEED: 7.5\n"
      "SPEED: 3\nHP: 40\n"
      "[B]\nIMAGE: same.png\nKI: NOSUCHPILOT\nIS_BLOODY: 2\nROTATION_SPEED: 10\n"
      "[C]\nIMAGE: other.png\nKI: HELISIMPLE\nIS_BLOODY: -1\n");
  ASSERT_EQ(Airplane::presets.size(), 3u);
  const auto& a = *Airplane::presets[0];
  const auto& b = *Airplane::presets[1];
  EXPECT_EQ(a.imageIndex, b.imageIndex);
  EXPECT_EQ(Airplane::images.size(), 2u);
  EXPECT_EQ(Airplane::image_names.size(), 2u);
  EXPECT_EQ(count_messages("gfx/AIRPLANES/same.png does not exist"), 1);
  EXPECT_EQ(count_messages("gfx/AIRPLANES/other.png does not exist"), 1);
  EXPECT_EQ(a.is_bloody, 0);
  EXPECT_EQ(b.is_bloody, 2);
  EXPECT_EQ(Airplane::presets[2]->is_bloody, -1);
  EXPECT_FLOAT_EQ(a.rotation_speed, 7);
  EXPECT_EQ(a.bomb_typ, (std::vector<std::string>{"X", ""}));
  EXPECT_NE(dynamic_cast<KIBomberSimple*>(a.ki.get()), nullptr);
  EXPECT_NE(dynamic_cast<KIHeliSimple*>(Airplane::presets[2]->ki.get()), nullptr);
  EXPECT_EQ(count_messages("Ki not found: NOSUCHPILOTBOMBERSIMPLE KI is used"), 1);

  // Every airplane made from that preset reports its unknown pilot again and gets its own controller.
  auto x = World::createAirplane("B", 0, 0, 0, 0);
  EXPECT_EQ(count_messages("Ki not found: NOSUCHPILOTBOMBERSIMPLE KI is used"), 2);
  EXPECT_NE(x->ki.get(), b.ki.get());
  auto y = World::createAirplane("A", 0, 0, 0, 0);
  EXPECT_EQ(y->tp, 40);
  EXPECT_FLOAT_EQ(y->max_speed, 3);
  y->bomb_typ[0] = "changed";
  EXPECT_EQ(a.bomb_typ[0], "X");
}

TEST_F(AirplaneTest, HardcoreDoublesSpeedAndTurningOnlyOffline) {
  struct Case {
    int hc, internet;
    float speed, turn;
  } cases[] = {{0, 0, 3, 10}, {1, 0, 6, 20}, {1, 1, 3, 10}};
  for (const auto& c : cases) {
    HC_MODE = c.hc;
    INTERNET = c.internet;
    airplanes("[A]\nKI: BOMBERSIMPLE\nSPEED: 3\nROTATION_SPEED: 10\n");
    EXPECT_FLOAT_EQ(Airplane::presets[0]->speed, c.speed) << c.hc << c.internet;
    EXPECT_FLOAT_EQ(Airplane::presets[0]->rotation_speed, c.turn) << c.hc << c.internet;
  }
}

TEST_F(AirplaneTest, UnknownTypeIsReportedAndFliesNowhereHarmlessly) {
  airplanes("[A]\nKI: BOMBERSIMPLE\n");
  auto a = World::createAirplane("GHOST", 500, 300, 0, 0);
  EXPECT_EQ(count_messages("Airplane not found: GHOST"), 1);
  EXPECT_EQ(a->ki, nullptr);
  EXPECT_EQ(a->hp, 0);
  for (int i = 0; i < 5; ++i) a->update();
  EXPECT_FLOAT_EQ(a->x, 500);
  EXPECT_TRUE(AIRPLANELIST.contains(a));
  EXPECT_FALSE(a->shoot(0, 90, nullptr));
}

TEST_F(AirplaneTest, ShootingByCarrierAndFriendship) {
  bombs("[B]\nSPEED: 2\n");
  airplanes("[E]\nKI: PARACHUTE\nBOMB_TYPS: 1\nBOMB_TYP_0: B\n"
            "[C]\nKI: PARACHUTE\nCARRIER: 1\nBOMB_TYPS: 1\nBOMB_TYP_0: E\n");
  auto e = World::createAirplane("E", 100, 50, 0, 0);
  ASSERT_TRUE(e->shoot(0, 45, nullptr));
  ASSERT_EQ(ENEMYBOMBLIST.count(), 1u);
  EXPECT_FLOAT_EQ(ENEMYBOMBLIST.first()->rotation, 45);

  auto c = World::createAirplane("C", 300, 60, 0, 0);
  ASSERT_TRUE(c->shoot(0, 10, nullptr));
  ASSERT_EQ(AIRPLANELIST.count(), 3u);
  auto child = AIRPLANELIST.to_array().back();
  EXPECT_EQ(child->name, "E");
  EXPECT_FLOAT_EQ(child->rotation, 90);
  EXPECT_EQ(child->father, c);

  auto h = World::createHelper("E", 10, 10, 0);
  ASSERT_TRUE(h->shoot2(0, 77, 88, 90, nullptr));
  ASSERT_EQ(PLAYERBOMBLIST.count(), 1u);
  EXPECT_FLOAT_EQ(PLAYERBOMBLIST.first()->x, 77);
  EXPECT_EQ(World::rockets_fired, 1);
  auto hc = World::createHelper("C", 10, 10, 0);
  ASSERT_TRUE(hc->shoot(0, 0, nullptr));
  EXPECT_EQ(HELPERLIST.count(), 3u);
  EXPECT_FALSE(hc->shoot(1, 0, nullptr));
  EXPECT_FALSE(hc->shoot(-1, 0, nullptr));
}

TEST_F(AirplaneTest, CarrierTakesItsChildrenAlongEachWithItsOwnExplosion) {
  airplanes("[CHILD]\nKI: PARACHUTE\nHP: 10\nEXPLOSION_TYP: 1\nEXPLOSION_LIFETIME: 20\nEXPLOSION_RANGE: 1\n"
            "[CARRIER]\nKI: CARRIER\nCARRIER: 1\nHP: 10\nBOMB_TYPS: 1\nBOMB_TYP_0: CHILD\nEXPLOSION_TYP: 1\n"
            "EXPLOSION_LIFETIME: 20\nEXPLOSION_RANGE: 1\n");
  auto carrier = World::createAirplane("CARRIER", 500, 100, 0, 0);
  auto bystander = World::createAirplane("CHILD", 100, 100, 0, 0);
  for (int i = 0; i < 3; ++i) carrier->shoot(0, 90, nullptr);
  // A grandchild launched by a child goes down in the same cascade.
  auto child0 = AIRPLANELIST.to_array()[2];
  child0->is_carrier = 1;
  child0->bomb_typ = {"CHILD"};
  child0->shoot(0, 90, nullptr);
  ASSERT_EQ(AIRPLANELIST.count(), 6u);
  PARTICLES_AIRPLANEDIE = 0;
  carrier->hit(10);
  EXPECT_EQ(AIRPLANELIST.count(), 1u);
  EXPECT_TRUE(AIRPLANELIST.contains(bystander));
  int explosions = 0;
  for (const auto& q : PARTICLELIST) explosions += dynamic_cast<Explosion*>(q.get()) != nullptr;
  EXPECT_EQ(explosions, 5);
  EXPECT_EQ(World::airplanes_destroyed, 5);
  EXPECT_EQ(World::kill_chain, 1);  // only the carrier itself scores
}

TEST_F(AirplaneTest, HitsMayStartACrashOnlyWhenFewRocketsWouldFinishIt) {
  airplanes("[A]\nKI: PARACHUTE\nHP: 100\n");
  struct Case {
    int hp;
    float rocket_power;
    bool can_crash;
  } cases[] = {{11, 50, true}, {50, 50, true}, {11, 5, false}, {60, 100, false}};
  for (const auto& c : cases) {
    p->rocket_power = c.rocket_power;
    auto a = World::createAirplane("A", 500, 100, 0, 0);
    a->hp = c.hp;
    for (int i = 0; i < 2000 && a->is_crashing == 0; ++i) a->hit(0);
    EXPECT_EQ(a->is_crashing > 0, c.can_crash) << c.hp << " " << c.rocket_power;
  }

  // A crashing enemy sinks ever faster and explodes on the ground; a helper never crashes.
  auto a = World::createAirplane("A", 500, 700, 0, 0);
  a->is_crashing = 0.2f;
  for (int i = 0; i < 200 && AIRPLANELIST.contains(a); ++i) a->update();
  EXPECT_FALSE(AIRPLANELIST.contains(a));
  EXPECT_GT(a->is_crashing, 1);
  EXPECT_EQ(World::crash_hits, 0);  // it reached the ground: no crash hit
  auto h = World::createHelper("A", 500, 300, 0);
  h->is_crashing = 0.2f;
  h->update();
  EXPECT_EQ(h->is_crashing, 0);
}

TEST_F(AirplaneTest, PosesByDrawStyleAndHeading) {
  airplanes("[A]\nKI: PARACHUTE\nSCALE_X: 0.5\nSCALE_Y: 0.4\n");
  struct Case {
    int style;
    float heading;
    int rotation;
    float sy;
  } cases[] = {{0, 100, 180, -0.4f}, {0, 80, 0, 0.4f},     {1, 100, 100, -0.4f}, {1, 300, 300, 0.4f},
               {2, 180, 150, -0.4f}, {2, 10, 20, 0.4f},    {0, -100, 180, -0.4f}, {1, 725, 5, 0.4f}};
  for (const auto& c : cases) {
    auto a = World::createAirplane("A", 500, 300, 0, 0);
    a->draw_style = c.style;
    a->rotation = c.heading;
    a->draw();
    EXPECT_EQ(a->draw_rotation, c.rotation) << c.style << " " << c.heading;
    EXPECT_FLOAT_EQ(a->draw_scale_x, 0.5f);
    EXPECT_FLOAT_EQ(a->draw_scale_y, c.sy) << c.style << " " << c.heading;
    EXPECT_GE(a->rotation, 0);
    EXPECT_LT(a->rotation, 360);
  }
}

// With the smoke chance at every frame, the heading jitter shows the tier: 20, 10, 5 degrees or none.
TEST_F(AirplaneTest, DamageSmokeTiers) {
  airplanes("[A]\nKI: PARACHUTE\nHP: 100\n");
  PARTICLERAND_RAUCH = 0;
  struct Case {
    int hp;
    float rocket_power;
    int jitter;
  } cases[] = {{11, 50, 20}, {12, 50, 10}, {11, 5, 10}, {24, 50, 10}, {25, 50, 5}, {49, 50, 5}, {50, 50, 0}};
  for (const auto& c : cases) {
    p->rocket_power = c.rocket_power;
    auto a = World::createAirplane("A", 500, 300, 0, 0);
    a->hp = c.hp;
    float widest = 0;
    const int before = static_cast<int>(PARTICLELIST.count());
    for (int i = 0; i < 300; ++i) {
      a->rotation = 180;
      a->draw();
      widest = std::max(widest, std::fabs(a->rotation - 180));
    }
    EXPECT_EQ(widest, c.jitter) << c.hp << " " << c.rocket_power;
    EXPECT_EQ(static_cast<int>(PARTICLELIST.count()) > before, c.jitter > 0);
    World::resetLists();
    World::blood_count = 0;
  }
}

TEST_F(AirplaneTest, HitPointBarNeedsStartingHitPoints) {
  airplanes("[A]\nKI: PARACHUTE\nHP: 100\n[Z]\nKI: PARACHUTE\n");
  Airplane::images.assign(1, Image());  // no picture: only the bar can show
  SHOW_HP = 2;
  auto a = World::createAirplane("Z", 500, 300, 0, 0);
  a->image_width = 80;
  a->image_height = 40;
  set_clear_color(0, 0, 0);
  clear_screen();
  a->draw();
  EXPECT_TRUE(frame_is_blank());

  auto b = World::createAirplane("A", 500, 300, 0, 0);
  b->image_width = 80;
  b->image_height = 40;
  b->hp = 30;
  clear_screen();
  b->draw();
  EXPECT_FALSE(frame_is_blank());
}

TEST_F(AirplaneTest, StealthShiftIsTakenModulo32AndCrashingStopsIt) {
  airplanes("[A]\nKI: PARACHUTE\nHP: 100\nIS_STEALTHED: 100\n[B]\nKI: PARACHUTE\nHP: 100\nIS_STEALTHED: 4\n");
  auto a = World::createAirplane("A", 500, 300, 0, 0);
  auto b = World::createAirplane("B", 500, 300, 0, 0);
  int stealthy = 0;
  for (int t = 0; t < 400; ++t) {
    headless_advance(37);
    a->update();
    b->update();
    EXPECT_EQ(a->is_stealthed, b->is_stealthed);
    stealthy += a->is_stealthed > 0;
  }
  EXPECT_GT(stealthy, 200);  // about two thirds of the time
  EXPECT_LT(stealthy, 330);
  a->is_crashing = 0.2f;
  a->update();
  EXPECT_EQ(a->stealth_time, 0);
}
