// Flight controllers: each one's waypoints and fire pattern with a fixed seed, bosses' phases, and the
// frame that ends when the weapon list has no such entry.
#include "world_fixture.h"

namespace {

const char* const BOMBS = "[B0]\nSPEED: 1\nHP: 1\n[B1]\nSPEED: 1\nHP: 1\n";

std::vector<std::pair<int, int>> path_of(const Airplane& a) {
  std::vector<std::pair<int, int>> out;
  for (const auto& w : a.waypoints) out.emplace_back(w.x, w.y);
  return out;
}

}  // namespace

class KITest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    bombs(BOMBS);
  }
  // An airplane of a one-off type with the given controller, two weapons and a 60x20 image.
  std::shared_ptr<Airplane> plane(const std::string& ki, int a, int b, int c, float x, float y, float rotation = 0,
                                  int weapons = 2) {
    airplanes("[T]\nKI: " + ki + "\nKI_PARAM_A: " + std::to_string(a) + "\nKI_PARAM_B: " + std::to_string(b) +
              "\nKI_PARAM_C: " + std::to_string(c) + "\nHP: 100\nSPEED: 2\nROTATION_SPEED: 10\nSCALE_X: 1\nSCALE_Y: 1\n" +
              "BOMB_TYPS: " + std::to_string(weapons) + "\nBOMB_TYP_0: B0\nBOMB_TYP_1: B1\n");
    Airplane::images.assign(1, solid(60, 20));
    auto e = World::createAirplane("T", 0, 0, 0, 0);
    e->x = x;
    e->y = y;
    e->rotation = rotation;
    return e;
  }
  static std::vector<std::string> dropped() {
    std::vector<std::string> out;
    for (const auto& b : ENEMYBOMBLIST) out.push_back(b->name);
    return out;
  }
};

TEST_F(KITest, SweepsAndPatrolsGoToTheFarSideAndBack) {
  struct Case {
    const char* ki;
    float x;
    std::vector<int> xs;  // waypoint columns; rows are checked against the controller's range
  } cases[] = {
      {"BOMBERSIMPLE", 100, {-200, 1224}},         {"BOMBERSIMPLE", 900, {1224, -200}},
      {"BOMBERHARD", 300, {-200, 1224}},           {"HELISIMPLE", 100, {200, 712, 1224}},
      {"HELISIMPLE", 900, {824, 312, -200}},       {"ALADIN", 100, {0, 256, 512, 768, 1024}},
      {"ALADIN", 600, {1024, 768, 512, 256, 0}},   {"VESK", 100, {0, 1024}},
  };
  for (const auto& c : cases) {
    auto e = plane(c.ki, 100, 300, 1000000, c.x, 400);
    e->ki->update(*e);
    const auto path = path_of(*e);
    ASSERT_EQ(path.size(), c.xs.size()) << c.ki << " " << c.x;
    for (std::size_t i = 0; i < path.size(); ++i) {
      EXPECT_EQ(path[i].first, c.xs[i]) << c.ki << " " << c.x;
      EXPECT_GE(path[i].second, 100);
      EXPECT_LE(path[i].second, 300);
    }
    // Legs of a sweep share one height.
    if (c.xs.size() == 2) {
      EXPECT_EQ(path[0].second, path[1].second);
    }
  }
}

TEST_F(KITest, DivesCarrierPatrolParachuteAndShuttle) {
  auto apache = plane("HELIAPACHE", 150, 350, 1000000, 100, 200);
  apache->ki->update(*apache);
  auto path = path_of(*apache);
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0], std::make_pair(512, 350));
  EXPECT_EQ(path[1].first, 1424);
  EXPECT_GE(path[1].second, 100);
  EXPECT_LT(path[1].second, 150);

  auto lizzard = plane("FIGHTERLIZZARD", 150, 350, 1000000, 900, 200);
  lizzard->ki->update(*lizzard);
  path = path_of(*lizzard);
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0], std::make_pair(512, 350));
  EXPECT_EQ(path[1].first, 0);

  auto carrier = plane("CARRIER", 100, 200, 1000000, 100, 150);
  carrier->ki->update(*carrier);
  path = path_of(*carrier);
  ASSERT_EQ(path.size(), 2u);
  EXPECT_GE(path[0].first, 1);
  EXPECT_LE(path[0].first, 200);
  EXPECT_GE(path[1].first, 824);
  EXPECT_EQ(path[0].second, path[1].second);

  auto para = plane("PARACHUTE", 0, 0, 0, 300, 250);
  para->ki->update(*para);
  path = path_of(*para);
  ASSERT_EQ(path.size(), 1u);
  EXPECT_EQ(path[0].second, 450);
  EXPECT_GE(path[0].first, 50);
  EXPECT_LE(path[0].first, 974);

  auto sindbad = plane("SINDBAD", 100, 900, 0, 150, 300);
  sindbad->scale_y = 0.5f;
  sindbad->ki->update(*sindbad);
  EXPECT_EQ(path_of(*sindbad), (std::vector<std::pair<int, int>>{{900, 5}}));
  sindbad->waypoints.clear();
  sindbad->x = 880;
  sindbad->ki->update(*sindbad);
  EXPECT_EQ(path_of(*sindbad), (std::vector<std::pair<int, int>>{{100, 5}}));

  auto fighter = plane("FIGHTERSIMPLE", 100, 300, 1000000, 500, 300);
  fighter->ki->update(*fighter);
  path = path_of(*fighter);
  ASSERT_EQ(path.size(), 1u);
  EXPECT_GE(path[0].second, 100);
  EXPECT_LE(path[0].second, 300);
}

TEST_F(KITest, FireTimerDropsWhenItRunsOutAndOnlyInTheWindow) {
  auto e = plane("BOMBERSIMPLE", 100, 300, 100, 500, 200);
  auto* ki = static_cast<KIBomberSimple*>(e->ki.get());
  ki->rf = 100;
  ki->update(*e);
  ASSERT_EQ(dropped(), std::vector<std::string>{"B0"});
  EXPECT_FLOAT_EQ(ENEMYBOMBLIST.first()->rotation, 90);
  EXPECT_GE(ki->rf, -25);
  EXPECT_LE(ki->rf, 25);
  int frames = 0;
  while (ENEMYBOMBLIST.count() == 1u && frames < 200) {
    ki->update(*e);
    ++frames;
  }
  EXPECT_EQ(ENEMYBOMBLIST.count(), 2u);
  EXPECT_GE(frames, 75);
  EXPECT_LE(frames, 126);

  auto off = plane("BOMBERSIMPLE", 100, 300, 100, -150, 200);
  ENEMYBOMBLIST.clear();
  static_cast<KIBomberSimple*>(off->ki.get())->rf = 100;
  off->ki->update(*off);
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());
  EXPECT_LE(static_cast<KIBomberSimple*>(off->ki.get())->rf, 25);
}

TEST_F(KITest, CarpetSpreadsSixBombsAcrossTheImage) {
  struct Case {
    float x;
    std::vector<int> columns;
  } cases[] = {{500, {470, 482, 494, 506, 518, 530}}, {20, {26, 38, 50}}};
  for (const auto& c : cases) {
    auto e = plane("BOMBERHARD", 100, 300, 100, c.x, 200);
    ENEMYBOMBLIST.clear();
    static_cast<KIBomberHard*>(e->ki.get())->rf = 100;
    e->ki->update(*e);
    std::vector<int> columns;
    for (const auto& b : ENEMYBOMBLIST) columns.push_back(trunc_int(b->x));
    EXPECT_EQ(columns, c.columns) << c.x;
  }
}

TEST_F(KITest, FighterFiresOnlyWhileHeadingForTheGround) {
  auto up = plane("FIGHTERSIMPLE", 100, 300, 5, 512, 384, 270);
  for (int i = 0; i < 50; ++i) {
    up->rotation = 270;
    up->ki->update(*up);
  }
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());

  auto down = plane("FIGHTERSIMPLE", 100, 300, 5, 512, 384, 90);
  for (int i = 0; i < 50; ++i) {
    down->rotation = 90;
    down->ki->update(*down);
  }
  EXPECT_GE(ENEMYBOMBLIST.count(), 4u);
  for (const auto& b : ENEMYBOMBLIST) EXPECT_FLOAT_EQ(b->rotation, 90);

  struct Case {
    float heading;
    float fired;
  } apache[] = {{0, 30}, {100, 140}, {269, 140}, {300, 30}};
  for (const auto& c : apache) {
    auto e = plane("HELIAPACHE", 100, 300, 100, 500, 200, c.heading);
    ENEMYBOMBLIST.clear();
    static_cast<KIHeliApache*>(e->ki.get())->rf = 100;
    e->ki->update(*e);
    ASSERT_EQ(ENEMYBOMBLIST.count(), 1u);
    EXPECT_FLOAT_EQ(ENEMYBOMBLIST.first()->rotation, c.fired) << c.heading;
  }
}

TEST_F(KITest, MissingWeaponEndsTheControllersFrame) {
  auto e = plane("BOMBERSIMPLE", 100, 300, 100, 500, 200, 0, 0);
  static_cast<KIBomberSimple*>(e->ki.get())->rf = 100;
  e->update();
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());
  EXPECT_TRUE(e->waypoints.empty());  // the sweep after the failed drop did not run
  e->update();
  EXPECT_EQ(e->waypoints.size(), 2u);  // the next frame goes on normally

  // Grolm's shield and Vogel's second phase name entry 1 of a one-weapon list: nothing is fired.
  auto bird = plane("VOGEL", 0, 0, 0, 500, 200, 0, 1);
  bird->hp = 40;
  for (int i = 0; i < 20; ++i) bird->ki->update(*bird);
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());
}

TEST_F(KITest, BossesEmptyTheHelperList) {
  for (const char* boss : {"VOGEL", "BARON", "VESK", "GROLM"}) {
    airplanes("[H]\nKI: PARACHUTE\n");
    World::createHelper("H", 0, 0, 0);
    ASSERT_FALSE(HELPERLIST.is_empty());
    airplanes(std::string("[BOSS]\nKI: ") + boss + "\n");  // loading the preset is enough
    EXPECT_TRUE(HELPERLIST.is_empty()) << boss;
  }
}

TEST_F(KITest, VogelPhasesByHitPoints) {
  struct Case {
    int hp;
    const char* weapon;
  } cases[] = {{60, "B0"}, {40, "B1"}};
  for (const auto& c : cases) {
    auto e = plane("VOGEL", 0, 0, 0, 500, 200);
    ENEMYBOMBLIST.clear();
    e->hp = c.hp;
    e->ki->update(*e);
    EXPECT_EQ(dropped(), std::vector<std::string>{c.weapon}) << c.hp;
    EXPECT_FLOAT_EQ(e->rotation_speed, 360);
  }
  auto e = plane("VOGEL", 0, 0, 3, 500, 200);
  ENEMYBOMBLIST.clear();
  e->hp = 20;
  for (int i = 0; i < 100; ++i) e->ki->update(*e);
  EXPECT_FLOAT_EQ(e->max_speed, 6);
  EXPECT_FLOAT_EQ(e->speed, 6);
  EXPECT_EQ(static_cast<KIVogel*>(e->ki.get())->ende_y, 400);
  EXPECT_GT(ENEMYBOMBLIST.count(), 10u);  // about one frame in four with a chance of 3
  for (const auto& b : ENEMYBOMBLIST) EXPECT_EQ(b->name, "B0");
}

TEST_F(KITest, BaronClimbsDivesAndFiresAFan) {
  auto e = plane("BARON", 100, 250, 1000000, 500, 200);
  e->hp = 50;
  e->ki->update(*e);
  const auto path = path_of(*e);
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0].second, -100);
  EXPECT_EQ(path[1].second, 300);
  for (const auto& w : path) {
    EXPECT_GE(w.first, 200);
    EXPECT_LE(w.first, 824);
  }
  std::vector<int> headings;
  for (const auto& b : ENEMYBOMBLIST) {
    EXPECT_EQ(b->name, "B1");
    headings.push_back(trunc_int(b->rotation));
  }
  EXPECT_EQ(headings, (std::vector<int>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180}));
  e->ki->update(*e);
  EXPECT_EQ(ENEMYBOMBLIST.count(), 10u);  // the next fan waits for the next climb
}

TEST_F(KITest, VeskLaserDefenceAndBombingRun) {
  auto e = plane("VESK", 100, 250, 1000000, 500, 200);
  e->scale_x = 2;  // reach 0.8 * 60 * 2 = 96
  bombs(std::string(BOMBS) + "[R]\nHP: 1\nSPEED: 1\n");
  auto near = World::createPlayerBomb("R", 500, 295, 0, nullptr);
  auto far = World::createPlayerBomb("R", 500, 297, 0, nullptr);
  headless_set_time(30000 * 10 + 5000);  // mode 0
  e->ki->update(*e);
  EXPECT_FALSE(PLAYERBOMBLIST.contains(near));
  EXPECT_TRUE(PLAYERBOMBLIST.contains(far));
  EXPECT_FLOAT_EQ(e->speed, 1);

  struct Case {
    int hp;
    std::size_t bombs;
  } cases[] = {{100, 1}, {60, 2}, {30, 4}, {10, 5}};
  headless_set_time(30000 * 10 + 20000);  // mode 1
  for (const auto& c : cases) {
    auto v = plane("VESK", 100, 250, 0, 500, 200);
    ENEMYBOMBLIST.clear();
    v->hp = c.hp;
    v->ki->update(*v);
    EXPECT_EQ(ENEMYBOMBLIST.count(), c.bombs) << c.hp;
    EXPECT_FLOAT_EQ(ENEMYBOMBLIST.first()->x, 350);
  }
}

TEST_F(KITest, GrolmShieldAbsorbsSixRocketsThenJumps) {
  auto e = plane("GROLM", 0, 0, 1000000, 400, 200);
  bombs(std::string(BOMBS) + "[R]\nHP: 1\nSPEED: 0\n");
  headless_set_time(60000 * 3 + 1000);  // the laser phase
  for (int i = 0; i < 5; ++i) World::createPlayerBomb("R", 400, 250, 0, nullptr);
  e->ki->update(*e);
  EXPECT_TRUE(PLAYERBOMBLIST.is_empty());
  EXPECT_EQ(static_cast<KIGrolm*>(e->ki.get())->hitted, 5);
  EXPECT_TRUE(INFOLIST.is_empty());

  const float x = e->x;
  World::createPlayerBomb("R", trunc_int(x), 250, 0, nullptr);
  e->ki->update(*e);
  EXPECT_EQ(static_cast<KIGrolm*>(e->ki.get())->hitted, 0);
  EXPECT_GE(e->x, 200);
  EXPECT_LE(e->x, 500);
  EXPECT_GE(e->y, 100);
  EXPECT_LE(e->y, 600);
  EXPECT_EQ(INFOLIST.count(), 6u);
  EXPECT_FLOAT_EQ(e->speed, 0);

  // The carrier phase launches fighters of entry 0; the stealth phase bombs from above the screen.
  airplanes("[T]\nKI: GROLM\nKI_PARAM_A: 0\nHP: 100\nBOMB_TYPS: 2\nBOMB_TYP_0: T2\nBOMB_TYP_1: B1\n[T2]\nKI: PARACHUTE\n");
  auto g = World::createAirplane("T", 500, 200, 0, 0);
  headless_set_time(60000 * 3 + 40000);
  g->ki->update(*g);
  EXPECT_EQ(g->is_carrier, 1);
  EXPECT_EQ(AIRPLANELIST.to_array().back()->father, g);
  headless_set_time(60000 * 3 + 55000);
  g->ki->update(*g);
  EXPECT_EQ(g->stealth_time, 100);
  ASSERT_FALSE(ENEMYBOMBLIST.is_empty());
  EXPECT_FLOAT_EQ(ENEMYBOMBLIST.to_array().back()->y, -50);
}
