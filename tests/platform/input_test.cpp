// Keyboard and mouse state driven by scripted events, and the journal that sees every event.
#include <gtest/gtest.h>

#include <SDL.h>

#include "headless.h"

namespace {

struct InputTest : ::testing::Test {
  void SetUp() override { platform_init(PlatformMode::Headless); }
  void TearDown() override { set_journal(nullptr); }
};

TEST_F(InputTest, KeyHitCountsPressesUntilAskedAndKeyDownFollowsTheKey) {
  headless_key_press(KEY_SPACE);
  headless_key_press(KEY_SPACE);
  headless_key_down(KEY_A);
  EXPECT_TRUE(key_down(KEY_A));
  EXPECT_FALSE(key_down(KEY_SPACE));
  EXPECT_EQ(key_hit(KEY_SPACE), 2);
  EXPECT_EQ(key_hit(KEY_SPACE), 0) << "asking resets the count";
  EXPECT_EQ(key_hit(KEY_A), 1);
  headless_key_up(KEY_A);
  EXPECT_FALSE(key_down(KEY_A));
  // Codes outside 0..255 are never held and never hit.
  for (const int code : {-1, 256, 100000}) {
    headless_key_press(code);
    EXPECT_EQ(key_hit(code), 0);
    EXPECT_FALSE(key_down(code));
  }
}

TEST_F(InputTest, TypedCharactersQueueInOrderAndFlushClearsHitsAndCharsButNotHeldState) {
  headless_type("Ab 1\n");
  headless_key_press(KEY_ESCAPE);
  headless_key_down(KEY_UP);
  headless_mouse_click(1);
  headless_mouse_button(2, true);
  std::vector<int> chars;
  for (int c; (c = get_char()) != 0;) chars.push_back(c);
  EXPECT_EQ(chars, (std::vector<int>{'A', 'b', ' ', '1', KEY_RETURN}));

  headless_type("xy");
  flush_keys();
  EXPECT_EQ(get_char(), 0);
  EXPECT_EQ(key_hit(KEY_ESCAPE), 0);
  EXPECT_EQ(key_hit(KEY_UP), 0);
  EXPECT_EQ(mouse_hit(1), 0);
  EXPECT_EQ(mouse_hit(2), 0);
  EXPECT_TRUE(key_down(KEY_UP));
  EXPECT_TRUE(mouse_down(2));
}

TEST_F(InputTest, MouseButtonsAndPosition) {
  headless_mouse_move(512, 700);
  headless_mouse_click(1);
  headless_mouse_click(1);
  headless_mouse_button(3, true);
  EXPECT_EQ(mouse_x(), 512);
  EXPECT_EQ(mouse_y(), 700);
  EXPECT_EQ(mouse_hit(1), 2);
  EXPECT_EQ(mouse_hit(1), 0);
  EXPECT_FALSE(mouse_down(1));
  EXPECT_TRUE(mouse_down(3));
  EXPECT_EQ(mouse_hit(3), 1);
  EXPECT_EQ(mouse_hit(2), 0);
  EXPECT_FALSE(mouse_down(0));
  EXPECT_EQ(mouse_hit(99), 0);
}

TEST_F(InputTest, JournalSeesEveryEventInOrderAndReplayingItRebuildsTheState) {
  std::vector<InputEvent> seen;
  set_journal([&](const JournalEntry& j) {
    if (j.kind == JournalEntry::Event) seen.push_back(j.event);
  });
  headless_mouse_move(10, 20);
  headless_key_press(KEY_F1);
  headless_type("q");
  post_event(InputEvent{InputEvent::Close});
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0].type, InputEvent::MouseMove);
  EXPECT_EQ(seen[0].x, 10);
  EXPECT_EQ(seen[0].y, 20);
  EXPECT_EQ(seen[1].type, InputEvent::KeyDown);
  EXPECT_EQ(seen[1].code, KEY_F1);
  EXPECT_EQ(seen[2].type, InputEvent::KeyUp);
  EXPECT_EQ(seen[3].type, InputEvent::Char);
  EXPECT_EQ(seen[3].code, 'q');
  EXPECT_TRUE(close_requested());

  set_journal(nullptr);
  platform_init(PlatformMode::Headless);
  EXPECT_FALSE(close_requested());
  for (const auto& e : seen) post_event(e);
  EXPECT_EQ(mouse_x(), 10);
  EXPECT_EQ(key_hit(KEY_F1), 1);
  EXPECT_EQ(get_char(), 'q');
  EXPECT_TRUE(close_requested());
}

// Window events reach the game as Windows key codes; pushed into SDL's queue without a window.
TEST(InputRealEvents, SdlKeysMapToVirtualKeyCodesAndRepeatsOnlyRetype) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
  platform_init(PlatformMode::Real);
  auto key = [](Uint32 type, SDL_Keycode sym, SDL_Scancode sc, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = sc;
    e.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&e);
  };
  struct Case {
    SDL_Keycode sym;
    SDL_Scancode sc;
    int vk;
  };
  const Case cases[] = {
      {SDLK_q, SDL_SCANCODE_Q, 81},           {SDLK_7, SDL_SCANCODE_7, 55},
      {SDLK_F12, SDL_SCANCODE_F12, 123},      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13}, {SDLK_KP_5, SDL_SCANCODE_KP_5, 101},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 96},     {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},     {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
      {0x3b1 /* a Greek letter on a Greek layout */, SDL_SCANCODE_A, 65},
  };
  for (const auto& c : cases) {
    key(SDL_KEYDOWN, c.sym, c.sc);
    poll_events();
    EXPECT_TRUE(key_down(c.vk)) << c.vk;
    EXPECT_EQ(key_hit(c.vk), 1) << c.vk;
    key(SDL_KEYUP, c.sym, c.sc);
    poll_events();
    EXPECT_FALSE(key_down(c.vk)) << c.vk;
  }
  EXPECT_EQ(get_char(), KEY_RETURN) << "the keypad's enter finishes a text box too";
  EXPECT_EQ(get_char(), 0);
  // Holding backspace: one press, but each repeat erases another character.
  key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, true);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  poll_events();
  EXPECT_EQ(key_hit(KEY_BACKSPACE), 1);
  EXPECT_EQ(get_char(), KEY_BACKSPACE);
  EXPECT_EQ(get_char(), KEY_BACKSPACE);
  EXPECT_EQ(get_char(), 0);
  EXPECT_TRUE(close_requested());
  platform_init(PlatformMode::Headless);
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
