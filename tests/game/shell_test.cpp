// Tests of start-up and the main loop: settings and profile files, the splash, Escape by state, TIME and music.
#include <gtest/gtest.h>

#include "headless.h"
#include "levels.h"
#include "player.h"
#include "platform.h"
#include "shell.h"
#include "sound_text.h"
#include "test_support.h"
#include "world.h"

namespace {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_init(PlatformMode::Headless);
    link_media();
    ENDE = 0;
    GAME_RUNNING = 0;
    MUSIC_ON = 1;
    SOUND_ON = 1;
    ACTIVE_MENU = MenuPage::None;
  }
  void settings(const std::string& text) { write_file("data/settings.txt", text); }
  void profile(const std::string& text) { write_file("data/profile.txt", text); }
  int plays_of(const std::string& sound) const {
    int n = 0;
    for (const auto& r : headless_sound_log())
      if (r.op == SoundRecord::Play && r.sound == sound) ++n;
    return n;
  }
  TempDir dir;
};

TEST_F(ShellTest, MissingSettingsAndProfileAreCreated) {
  ASSERT_TRUE(Shell::startup());
  // This run treats the missing settings as empty; the next one finds the defaults.
  EXPECT_EQ(PARSER_SETTINGS->size, 0);
  auto s = Parser::create("data/settings.txt", 0, ":", "//");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->get("FULLSCREEN", ""), "OFF");
  EXPECT_EQ(s->get("MUSIC", ""), "ON");
  EXPECT_EQ(s->get("SOUND", ""), "ON");
  // A new profile starts with the tutorial, and is saved as seen.
  EXPECT_EQ(GAMESTATE, 8);
  EXPECT_EQ(read_file("data/profile.txt"), "first_start:0\r\nact_level:0\r\nact_level_hc:0\r\nhc_enabled:0\r\n");
  // Without MUSIC: ON the menu music stays silent.
  EXPECT_EQ(plays_of("sfx/menu.ogg"), 0);
}

TEST_F(ShellTest, SettingsDecideMusicWelcomeAndFirstState) {
  settings("FULLSCREEN: OFF\nMusic: ON\nSound: ON\n");
  profile("first_start:0\r\nact_level:0\r\nact_level_hc:0\r\nhc_enabled:0\r\n");
  ASSERT_TRUE(Shell::startup());
  EXPECT_EQ(GAMESTATE, 5);
  EXPECT_EQ(MUSIC_ON, 1);
  EXPECT_EQ(plays_of("sfx/menu.ogg"), 1);
  EXPECT_EQ(SND_MUSIC_ACTIVE, SND_MUSIC_MENU);
  bool welcome = false;
  for (const auto& r : headless_sound_log())
    if (r.op == SoundRecord::Resume && r.sound == "sfx/welcome.ogg") welcome = true;
  EXPECT_TRUE(welcome);
  EXPECT_EQ(GROUND_Y, 718);
}

TEST_F(ShellTest, SplashWaitsTwoSecondsUnlessAKeyIsHeld) {
  settings("FULLSCREEN: OFF\n");
  ASSERT_TRUE(Shell::startup());
  EXPECT_GE(millisecs(), 2000);

  platform_init(PlatformMode::Headless);
  headless_key_down(KEY_SPACE);
  ASSERT_TRUE(Shell::startup());
  EXPECT_LT(millisecs(), 100);
  EXPECT_EQ(key_hit(KEY_SPACE), 0) << "the keys are flushed after the splash";
}

TEST_F(ShellTest, EscapeByState) {
  settings("FULLSCREEN: OFF\n");
  ASSERT_TRUE(Shell::startup());
  struct Case {
    int state;
    MenuPage menu;
    int state_after;
    MenuPage menu_after;
    int ende;
  } cases[] = {
      {5, MenuPage::None, 5, MenuPage::None, 1},      {1, MenuPage::None, -1, MenuPage::None, 0},
      {2, MenuPage::None, -2, MenuPage::None, 0},     {3, MenuPage::None, -3, MenuPage::None, 0},
      {12, MenuPage::None, -1, MenuPage::Start, 0},   {-1, MenuPage::Main, 5, MenuPage::Main, 0},
      {-2, MenuPage::Pause, 2, MenuPage::Pause, 0},   {-1, MenuPage::Other, -1, MenuPage::Main, 0},
      {4, MenuPage::None, 4, MenuPage::None, 0},      {6, MenuPage::None, 6, MenuPage::None, 0},
      {8, MenuPage::None, 8, MenuPage::None, 0},      {9, MenuPage::None, 9, MenuPage::None, 0},
      {10, MenuPage::None, 10, MenuPage::None, 0},    {11, MenuPage::None, 11, MenuPage::None, 0},
  };
  for (const auto& c : cases) {
    GAMESTATE = c.state;
    ACTIVE_MENU = c.menu;
    ENDE = 0;
    headless_key_press(KEY_ESCAPE);
    headless_key_press(KEY_A);
    Shell::frame();
    EXPECT_EQ(GAMESTATE, c.state_after) << c.state;
    EXPECT_EQ(ACTIVE_MENU, c.menu_after) << c.state;
    EXPECT_EQ(ENDE, c.ende) << c.state;
    EXPECT_EQ(key_hit(KEY_A), 0) << "Escape flushes the keyboard in state " << c.state;
  }
}

TEST_F(ShellTest, PausingMovesTheGameClockOnly) {
  settings("FULLSCREEN: OFF\n");
  ASSERT_TRUE(Shell::startup());
  GAMESTATE = 1;
  World::game_start_time = millisecs();
  const int start = World::game_start_time;
  headless_key_press(KEY_ESCAPE);
  Shell::frame();
  ASSERT_EQ(GAMESTATE, -1);
  headless_advance(700);
  World::end_pause();
  EXPECT_EQ(GAMESTATE, 1);
  EXPECT_EQ(World::game_start_time, start + 700);
}

TEST_F(ShellTest, TimeFollowsThePreviousFrame) {
  settings("FULLSCREEN: OFF\n");
  ASSERT_TRUE(Shell::startup());
  GAMESTATE = 11;
  Shell::frame();
  struct Case {
    int ms;
    float time;
  } cases[] = {{20, 1.0f}, {30, 1.5f}, {10, 0.5f}, {199, 9.95f}, {200, 1.0f}, {5000, 1.0f}, {0, 0.0f}};
  for (const auto& c : cases) {
    headless_advance(c.ms);
    Shell::frame();
    EXPECT_FLOAT_EQ(TIME, c.time) << c.ms;
  }
}

TEST_F(ShellTest, FrameCounterAndMusicByState) {
  settings("FULLSCREEN: OFF\nMusic: ON\n");
  ASSERT_TRUE(Shell::startup());
  SND_MUSIC_GAME = load_sound("sfx/game.ogg", 0);
  ASSERT_TRUE(SND_MUSIC_GAME);
  GAMESTATE = 3;
  Shell::frame();
  EXPECT_EQ(SND_MUSIC_ACTIVE, SND_MUSIC_GAME);
  GAMESTATE = 11;
  Shell::frame();
  EXPECT_EQ(SND_MUSIC_ACTIVE, SND_MUSIC_MENU);

  // A lost game keeps the music silent for 4.8 s after the last finished wave only.
  WIN_TIME = millisecs();
  GAMESTATE = 6;
  SND_MUSIC_ACTIVE = SND_MUSIC_GAME;
  Shell::frame();
  EXPECT_EQ(SND_MUSIC_ACTIVE, SND_MUSIC_GAME);
  headless_advance(4801);
  Shell::frame();
  EXPECT_EQ(SND_MUSIC_ACTIVE, SND_MUSIC_MENU);

  // F12 shows the frame counter beside the mouse.
  headless_mouse_move(300, 300);
  headless_key_press(KEY_F12);
  Shell::frame();
  Shell::frame();
  bool drawn = false;
  const uint32_t* px = frame_pixels();
  for (int y = 350; y < 390 && !drawn; ++y)
    for (int x = 300; x < 360; ++x)
      if ((px[y * 1024 + x] & 0xFFFFFF) != 0) drawn = true;
  if (!drawn) save_frame_png("/tmp/fps_frame.png");
  EXPECT_TRUE(drawn);
}

TEST_F(ShellTest, DeveloperShopKeysOnlyOffline) {
  settings("FULLSCREEN: OFF\n");
  ASSERT_TRUE(Shell::startup());
  p = std::make_shared<Player>();
  GAMESTATE = 2;
  for (int internet : {1, 0}) {
    INTERNET = internet;
    const int money = p->money, aim = p->level_aim, speed = p->level_rocket_speed;
    headless_key_press(119);  // F8: money
    Shell::frame();
    headless_key_press(118);  // F7: one of every upgrade
    Shell::frame();
    if (internet) {
      EXPECT_EQ(p->money, money);
      EXPECT_EQ(p->level_aim, aim);
      flush_keys();
    } else {
      EXPECT_GT(p->money, money);
      EXPECT_LE(p->money, money + 100000);
      EXPECT_EQ(p->level_aim, aim + 1);
      EXPECT_EQ(p->level_rocket_speed, speed + 1);
    }
  }
  INTERNET = 0;
  p = nullptr;
}

}  // namespace
