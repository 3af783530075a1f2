// The player: creation, prices and upgrades, target picking and lock-on, fire interval, rocket and ammunition limits.
// With PELLARON_SCENE_DIR set, the towers-and-crosshair frame is written there as player_scene.png.
#include <cstdlib>
#include <functional>
#include <limits>

#include "shared_media.h"
#include "sound_text.h"
#include "world_fixture.h"

class PlayerTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    START_MONEY = 1000;
    START_ROCKETS = 5;
    START_HUMANS = 3;
    START_HUMAN_HP = 50;
    START_HUMAN_MONEY = 100;
    START_ROCKET_POWER = 50;
    START_ROCKET_SPEED = 5;
    START_AIMTIME = 1000;
    PRICE_ROCKET = 100;
    PRICE_ROCKET_SPEED = 110;
    PRICE_ROCKET_POWER = 120;
    PRICE_HUMAN = 100;
    PRICE_HUMAN_MONEY = 140;
    PRICE_HUMAN_HP = 150;
    PRICE_AIM = 160;
    FACTOR_PRICE_ROCKET = FACTOR_PRICE_ROCKET_SPEED = FACTOR_PRICE_ROCKET_POWER = FACTOR_PRICE_HUMAN = 2;
    FACTOR_PRICE_HUMAN_MONEY = FACTOR_PRICE_HUMAN_HP = FACTOR_PRICE_AIM = 1.5f;
    FACTOR_ROCKET_SPEED = 1.25f;
    FACTOR_ROCKET_POWER = 1.5f;
    FACTOR_HUMAN_HP = 2;
    FACTOR_HUMAN_MONEY = 1.1f;
    FACTOR_AIM = 0.5f;
    MAXIMUM_ROCKETS = 7;
    MAXIMUM_HUMANS = 5;
    SHOOT_TIMEFACTOR = 1;
    AIM_POWER = 2;
    STORY_MAX_ROCKETS = STORY_MAX_ROUNDROCKETS = -1;
    World::round_rockets = 0;
    SOUND_ON = 1;
    Human::image = solid(48, 64);
    STDIMG_TOWER = solid(100, 160);
    STDIMG_CANNON = solid(60, 20);
    STDIMG_CROSSHAIR = solid(32, 32);
    SND_PAY = load_sound("sfx/pay.ogg", 0);
    SND_NOMONEY = load_sound("sfx/nomoney.ogg", 0);
    SND_SHOOT = load_sound("sfx/shoot.ogg", 0);
    // Rockets that stay where they are made, so nothing leaves the lists on its own.
    bombs("[BOMB_PLAYER]\nSPEED: 0\nTP: 1\n[E]\nSPEED: 0\nSCALE_X: 1\nSCALE_Y: 1\n");
    Bomb::images.assign(1, solid(20, 20));
    airplanes("[P]\nHP: 10\n");
    Airplane::images.assign(1, solid(80, 40));
    headless_mouse_move(500, 300);
    p = Player::create();
    headless_clear_sound_log();
  }

  static int cues(const Sound& s) {
    int n = 0;
    for (const auto& r : headless_sound_log())
      if (r.op == SoundRecord::Cue && s && r.sound == sound_name(s)) ++n;
    return n;
  }
  static int out_of_ammo() {
    int n = 0;
    for (const auto& i : INFOLIST) n += i->content == "OUT OF AMMO";
    return n;
  }
  static std::shared_ptr<Airplane> plane(int x, int y) {
    auto a = World::createAirplane("P", x, y, 0, 0);
    a->draw_scale_x = a->draw_scale_y = 1;
    return a;
  }
  static std::shared_ptr<Bomb> rocket(std::size_t i) {
    std::size_t k = 0;
    for (const auto& b : PLAYERBOMBLIST)
      if (k++ == i) return b;
    return nullptr;
  }
  // One frame of the player's input with the clock moved on by ms first.
  static void frame(int ms) {
    headless_advance(ms);
    p->update();
  }
};

TEST_F(PlayerTest, CreateEmptiesTheWorldAndStartsFromTheConfiguration) {
  World::createEnemyBomb("E", 10, 10, 0, nullptr);
  plane(100, 100);
  p = Player::create();
  EXPECT_TRUE(ENEMYBOMBLIST.is_empty());
  EXPECT_TRUE(AIRPLANELIST.is_empty());
  ASSERT_EQ(HUMANLIST.count(), 3u);
  for (const auto& h : HUMANLIST) EXPECT_FLOAT_EQ(h->hp, 50);
  EXPECT_EQ(p->money, 1000);
  EXPECT_EQ(p->max_rockets, 5);
  EXPECT_FLOAT_EQ(p->time_to_aim, 1000);
  EXPECT_FLOAT_EQ(p->rocket_maxspeed, 5);
  EXPECT_FLOAT_EQ(p->rocket_power, 50);
  EXPECT_FLOAT_EQ(p->human_money, 100);
  EXPECT_EQ(p->level_human, 0);
  EXPECT_EQ(p->level_rocket, 0);
  EXPECT_EQ(sprice_human, 100);
  // Towers stand on the ground, 5 pixels in from each edge.
  EXPECT_EQ(p->tower[0][0], 55);
  EXPECT_EQ(p->tower[1][0], 1024 - 55);
  EXPECT_EQ(p->tower[0][1], GROUND_Y - 80);
  EXPECT_EQ(p->tower[1][1], GROUND_Y - 80);
  EXPECT_TRUE(p->img_aimzone);

  // Without a shared crosshair the one chosen in the options is loaded.
  STDIMG_CROSSHAIR.reset();
  CROSSHAIR = 2;
  p = Player::create();
  EXPECT_TRUE(p->img_crosshair);
}

TEST_F(PlayerTest, MaxRocketsIgnoresCountsBelowOne) {
  for (int n : {0, -3}) {
    p->set_maxrockets(n);
    EXPECT_EQ(p->max_rockets, 5) << n;
  }
  p->set_maxrockets(9);
  EXPECT_EQ(p->max_rockets, 9);
}

TEST_F(PlayerTest, EveryUpgradeChargesItsGrowingPriceAndApplies) {
  struct Case {
    const char* name;
    std::function<void(int)> buy;
    int* price;
    int first, second;                 // the two prices paid
    std::function<double()> value;     // what the upgrade changes
    double after_one, after_two;
  };
  const Case cases[] = {
      {"rocket", [&](int s) { p->buy_rocket(s); }, &sprice_rocket, 100, 200, [&] { return p->max_rockets; }, 6, 7},
      {"speed", [&](int s) { p->buy_rocketspeed(s); }, &sprice_rocket_speed, 110, 220,
       [&] { return p->rocket_maxspeed; }, 6.25, 7.8125},
      {"power", [&](int s) { p->buy_rocketpower(s); }, &sprice_rocket_power, 120, 240,
       [&] { return p->rocket_power; }, 75, 112.5},
      {"human", [&](int s) { p->buy_human(s); }, &sprice_human, 100, 200,
       [&] { return static_cast<double>(HUMANLIST.count()); }, 4, 5},
      {"human money", [&](int s) { p->buy_human_money(s); }, &sprice_human_money, 140, 210,
       [&] { return p->human_money; }, 110, 121},
      {"human hp", [&](int s) { p->buy_human_hp(s); }, &sprice_human_hp, 150, 225, [&] { return p->human_hp; }, 100,
       200},
      {"aim", [&](int s) { p->buy_aim(s); }, &sprice_aim, 160, 240, [&] { return p->time_to_aim; }, 500, 250},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    p = Player::create();
    Player& q = *p;
    headless_clear_sound_log();
    c.buy(0);
    EXPECT_EQ(q.money, 1000 - c.first);
    EXPECT_NEAR(c.value(), c.after_one, 1e-3);
    EXPECT_EQ(*c.price, c.second);
    c.buy(1);  // silent, as the automatic buyer does
    EXPECT_EQ(q.money, 1000 - c.first - c.second);
    EXPECT_NEAR(c.value(), c.after_two, 1e-3);
    EXPECT_EQ(cues(SND_PAY), 1);
    EXPECT_EQ(cues(SND_NOMONEY), 0);

    // Short of money: nothing changes, the refusal is heard unless silenced.
    q.money = *c.price - 1;
    const double before = c.value();
    c.buy(1);
    c.buy(0);
    EXPECT_EQ(q.money, *c.price - 1);
    EXPECT_DOUBLE_EQ(c.value(), before);
    EXPECT_EQ(cues(SND_NOMONEY), 1);
  }
}

TEST_F(PlayerTest, RocketsAndHumansStopAtTheirCapsWithTheNoMoneySound) {
  p->money = 100000;
  p->set_maxrockets(MAXIMUM_ROCKETS);
  while (HUMANLIST.count() < static_cast<std::size_t>(MAXIMUM_HUMANS)) Human::create(10);
  headless_clear_sound_log();
  p->buy_rocket(0);
  p->buy_human(0);
  EXPECT_EQ(p->max_rockets, MAXIMUM_ROCKETS);
  EXPECT_EQ(HUMANLIST.count(), static_cast<std::size_t>(MAXIMUM_HUMANS));
  EXPECT_EQ(p->money, 100000);
  EXPECT_EQ(cues(SND_NOMONEY), 2);
  EXPECT_EQ(cues(SND_PAY), 0);
}

TEST_F(PlayerTest, HumansCostLessAfterLosses) {
  for (int i = 0; i < 3; ++i) HUMANLIST.remove(HUMANLIST.first());
  p->set_prices();
  EXPECT_EQ(p->level_human, -3);
  EXPECT_EQ(sprice_human, 12);  // 100 x 2^-3 = 12.5, truncated
  // Prices beyond the int range saturate instead of wrapping.
  p->level_aim = 5000;
  p->set_prices();
  EXPECT_EQ(sprice_aim, std::numeric_limits<int>::max());
}

TEST_F(PlayerTest, RepeatIntervalFollowsRocketsSpeedAndFactor) {
  struct Case {
    int rockets;
    float speed, factor;
    int interval;
  } cases[] = {{5, 5, 1, 1000}, {10, 5, 1, 500}, {5, 10, 1, 500}, {5, 5, 0.5f, 500}, {6, 7, 1, 595}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.interval);
    World::resetLists();
    p->set_maxrockets(c.rockets);
    p->rocket_maxspeed = c.speed;
    SHOOT_TIMEFACTOR = c.factor;
    headless_advance(10000);
    p->shoot(0, 1);
    ASSERT_EQ(p->getPlayerBombs(), 1);
    headless_advance(c.interval);
    p->shoot(0, 0);
    p->shoot(1, 0);  // the other tower has its own clock
    EXPECT_EQ(p->getPlayerBombs(), 2);
    EXPECT_EQ(rocket(1)->x, p->tower[1][0]);
    headless_advance(1);
    p->shoot(0, 0);
    EXPECT_EQ(p->getPlayerBombs(), 3);
    p->shoot(0, 1);  // a fresh click never waits
    EXPECT_EQ(p->getPlayerBombs(), 4);
  }
}

TEST_F(PlayerTest, FullSkyRefusesSilentlyButStillRestartsTheInterval) {
  for (int i = 0; i < 5; ++i) p->shoot(0, 1);
  ASSERT_EQ(p->getPlayerBombs(), 5);
  // Helpers' bombs share the list but are not the player's rockets.
  World::createPlayerBomb("E", 0, 0, 0, nullptr);
  EXPECT_EQ(p->getPlayerBombs(), 5);
  headless_clear_sound_log();
  headless_advance(1500);
  p->shoot(0, 0);
  EXPECT_EQ(p->LAST_SHOT[0], millisecs());
  EXPECT_EQ(cues(SND_SHOOT), 0);
  EXPECT_EQ(out_of_ammo(), 0);

  rocket(0)->die(0);
  headless_advance(1000);
  p->shoot(0, 0);  // one full interval after the refused request, not yet
  EXPECT_EQ(p->getPlayerBombs(), 4);
  headless_advance(1);
  p->shoot(0, 0);
  EXPECT_EQ(p->getPlayerBombs(), 5);
  EXPECT_EQ(World::round_rockets, 6);
}

TEST_F(PlayerTest, AmmunitionLimitsShowOutOfAmmo) {
  STORY_MAX_ROUNDROCKETS = 0;
  p->shoot(0, 1);
  p->shoot(1, 1);
  EXPECT_EQ(out_of_ammo(), 2);
  EXPECT_EQ(p->getPlayerBombs(), 0);
  EXPECT_EQ(World::round_rockets, 0);
  ASSERT_FALSE(INFOLIST.is_empty());
  const auto& info = *INFOLIST.first();
  EXPECT_EQ(info.x, 512);
  EXPECT_EQ(info.y, 200);
  EXPECT_EQ(info.color_r, 255);
  EXPECT_EQ(info.color_g, 0);

  World::resetLists();
  STORY_MAX_ROUNDROCKETS = 2;
  for (int i = 0; i < 3; ++i) p->shoot(0, 1);
  EXPECT_EQ(p->getPlayerBombs(), 2);
  EXPECT_EQ(out_of_ammo(), 1);

  World::resetLists();
  STORY_MAX_ROUNDROCKETS = -1;
  World::round_rockets = 0;
  World::rockets_fired = 0;
  STORY_MAX_ROCKETS = 1;
  p->shoot(0, 1);
  p->shoot(0, 1);
  EXPECT_EQ(World::rockets_fired, 1);
  EXPECT_EQ(out_of_ammo(), 1);
}

TEST_F(PlayerTest, ButtonsAndArrowKeysFireFromTheirTowers) {
  headless_mouse_move(p->tower[0][0], 100);  // straight above the left tower
  headless_mouse_button(1, true);
  frame(20);
  ASSERT_EQ(p->getPlayerBombs(), 1);
  EXPECT_EQ(p->tower[0][2], -90);
  EXPECT_FLOAT_EQ(rocket(0)->rotation, -90);
  EXPECT_EQ(rocket(0)->isPlayerBomb, 1);
  EXPECT_EQ(rocket(0)->tp, 50);
  EXPECT_FLOAT_EQ(rocket(0)->speed, 5);
  EXPECT_FLOAT_EQ(rocket(0)->max_speed, 5);
  // Held: the next one after the interval of 1000 ms.
  for (int i = 0; i < 50; ++i) frame(20);
  EXPECT_EQ(p->getPlayerBombs(), 1);
  frame(20);
  EXPECT_EQ(p->getPlayerBombs(), 2);
  headless_mouse_button(1, false);

  headless_clear_sound_log();
  headless_key_press(KEY_RIGHT);
  frame(20);
  ASSERT_EQ(p->getPlayerBombs(), 3);
  EXPECT_EQ(rocket(2)->x, p->tower[1][0]);
  const auto& log = headless_sound_log();
  bool panned_right = false;
  for (const auto& r : log) panned_right |= r.op == SoundRecord::Pan && r.pan == 1.0f;
  EXPECT_TRUE(panned_right);
  EXPECT_EQ(cues(SND_SHOOT), 1);

  // Nothing held fires nothing; the left arrow fires at once when pressed and again after the
  // interval while held.
  frame(2000);
  EXPECT_EQ(p->getPlayerBombs(), 3);
  headless_key_down(KEY_LEFT);
  frame(20);
  frame(20);
  EXPECT_EQ(p->getPlayerBombs(), 4);
  frame(981);
  EXPECT_EQ(p->getPlayerBombs(), 5);
  EXPECT_EQ(rocket(4)->x, p->tower[0][0]);
  headless_key_up(KEY_LEFT);
}

TEST_F(PlayerTest, AirplanesWinOverBombsAndStealthHides) {
  auto bomb = World::createEnemyBomb("E", 500, 300, 0, nullptr);
  p->update();
  EXPECT_EQ(p->aimed_target, bomb);
  auto a = plane(510, 300);
  plane(100, 100);
  p->update();
  EXPECT_EQ(p->aimed_target, a);
  a->is_stealthed = 0.5f;
  p->update();
  EXPECT_EQ(p->aimed_target, bomb);
  bomb->die(0);
  p->update();
  EXPECT_EQ(p->aimed_target, nullptr);
  EXPECT_FLOAT_EQ(p->time_aimed, static_cast<float>(millisecs()));
  // Helpers are never targets.
  auto helper = World::createHelper("P", 500, 300, 0);
  helper->draw_scale_x = helper->draw_scale_y = 1;
  p->update();
  EXPECT_EQ(p->aimed_target, nullptr);
}

TEST_F(PlayerTest, LockNeedsTheAimToRestOnOneTarget) {
  auto a = plane(500, 300);
  auto b = plane(800, 300);
  frame(20);
  ASSERT_EQ(p->aimed_target, a);
  frame(980);  // 980 ms on target: not locked yet
  p->shoot(0, 1);
  ASSERT_EQ(p->getPlayerBombs(), 1);
  EXPECT_EQ(rocket(0)->is_super, 0);
  EXPECT_TRUE(rocket(0)->waypoints.empty());
  EXPECT_EQ(rocket(0)->tp, 50);

  frame(20);  // 1000 ms: locked, guided and boosted by AIM_POWER
  p->shoot(0, 1);
  ASSERT_EQ(p->getPlayerBombs(), 2);
  EXPECT_EQ(rocket(1)->is_super, 1);
  ASSERT_FALSE(rocket(1)->waypoints.empty());
  EXPECT_EQ(rocket(1)->waypoints.front().father_entity(), a);
  EXPECT_EQ(rocket(1)->tp, 100);

  // Another target restarts the lock time.
  headless_mouse_move(800, 300);
  frame(20);
  EXPECT_EQ(p->aimed_target, b);
  frame(500);
  p->shoot(1, 1);
  EXPECT_EQ(rocket(2)->is_super, 0);

  // An aim upgrade halves the lock time and doubles the locked damage once more.
  p->money = 1000;
  p->buy_aim(1);
  frame(1);
  p->shoot(1, 1);
  EXPECT_EQ(rocket(3)->is_super, 1);
  EXPECT_EQ(rocket(3)->tp, 200);  // 50 x 2 x 1000 / 500
}

TEST_F(PlayerTest, BadNumbersNeitherCrashNorFireEndlessly) {
  // No rockets and no speed: a held button never fires, and nothing divides by zero.
  p->max_rockets = 0;
  p->rocket_maxspeed = 0;
  p->shoot(0, 1);
  headless_advance(100000);
  p->shoot(0, 0);
  EXPECT_EQ(p->LAST_SHOT[0], millisecs() - 100000);
  EXPECT_EQ(p->getPlayerBombs(), 0);
  // A lock time of zero locks at once; the locked damage stays at the plain boost.
  p->max_rockets = 5;
  p->rocket_maxspeed = 5;
  p->time_to_aim = 0;
  p->level_aim = 1;
  plane(500, 300);
  p->update();
  p->shoot(0, 1);
  ASSERT_EQ(p->getPlayerBombs(), 1);
  EXPECT_EQ(rocket(0)->tp, 100);
  World::kill_chain_time = 0;
  World::last_kill_time = millisecs() + 10;
  p->draw();
  World::kill_chain_time = 3000;
}

TEST_F(PlayerTest, SceneShowsTowersCannonsAndALockedCrosshair) {
  STDIMG_TOWER = load_image("gfx/tower.png", IMAGE_DEFAULT);
  STDIMG_CANNON = load_image("gfx/cannon.png", IMAGE_DEFAULT);
  STDIMG_CROSSHAIR = load_image("gfx/crosshair1.png", IMAGE_DEFAULT);
  if (!STDIMG_TOWER || !STDIMG_CROSSHAIR) GTEST_SKIP() << "player pictures not generated";
  if (Image fighter = load_image("gfx/AIRPLANES/fighter.png", IMAGE_DEFAULT)) Airplane::images.assign(1, fighter);
  p = Player::create();
  auto a = plane(600, 250);
  a->scale_x = a->scale_y = 1;
  headless_mouse_move(600, 250);
  frame(20);
  frame(1000);
  World::last_kill_time = millisecs() - 1000;  // a kill chain is running: green glow and dot
  set_clear_color(40, 60, 90);
  clear_screen();
  a->draw();
  p->draw();
  if (const char* dir = std::getenv("PELLARON_SCENE_DIR")) save_frame_png(std::string(dir) + "/player_scene.png");

  // Cannons point at the mouse: up and right from the left tower, up and left from the right one.
  EXPECT_LT(p->tower[0][2], 0);
  EXPECT_GT(p->tower[0][2], -90);
  EXPECT_LT(p->tower[1][2], -90);
  const uint32_t* px = frame_pixels();
  auto at = [&](int x, int y) { return px[y * SCREEN_W + x]; };
  EXPECT_NE(at(p->tower[0][0], p->tower[0][1] + 50), at(300, 600));  // the tower stands there
  EXPECT_NE(at(p->tower[1][0], p->tower[1][1] + 50), at(300, 600));
  auto red_near = [&](int mx, int my) {
    int red = 0;
    for (int y = my - 40; y < my + 40; ++y)
      for (int x = mx - 40; x < mx + 40; ++x) {
        const uint32_t c = at(x, y);
        const int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
        red += r > 150 && g < 80 && b < 80;
      }
    return red;
  };
  EXPECT_GT(red_near(600, 250), 20);  // locked: red

  // Away from every target and out of the chain window the crosshair is plain white.
  World::last_kill_time = millisecs() - 5000;
  headless_mouse_move(300, 400);
  frame(20);
  clear_screen();
  p->draw();
  EXPECT_EQ(red_near(300, 400), 0);
}
