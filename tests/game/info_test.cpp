// Floating infos: count-down and fade at different frame times, placement of texts, image infos and their sounds.
#include "sound_text.h"
#include "world_fixture.h"

namespace {

uint32_t pixel(int x, int y) { return frame_pixels()[y * SCREEN_W + x] & 0xFFFFFFu; }

void black() {
  set_clear_color(0, 0, 0);
  clear_screen();
}

int cues_of(const std::string& path) {
  int n = 0;
  for (const auto& r : headless_sound_log())
    if (r.op == SoundRecord::Cue && r.sound == path) ++n;
  return n;
}

// The alpha each update drew the info with, or -1 for an update that did not draw it; stops once it is gone.
std::vector<float> run_out(const std::shared_ptr<Info>& info, int max_updates = 100) {
  std::vector<float> alphas;
  for (int n = 0; n < max_updates && INFOLIST.contains(info); ++n) {
    set_rotation(0);
    set_alpha(0.5f);
    info->update();
    alphas.push_back(get_rotation() == 30 ? get_alpha() : -1);
  }
  return alphas;
}

}  // namespace

class InfoTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    kewlfont = create_image(64 * 128, 64, std::vector<uint32_t>(64 * 128 * 64, 0xFFFFFFFFu), 64, 64);
  }
  void TearDown() override {
    kewlfont.reset();
    WorldTest::TearDown();
  }
};

TEST_F(InfoTest, LifetimeLosesTheNextWholeNumberAtOrAboveTimeAndFadesToZero) {
  auto fifty = Info::createText("X", 100, 100, 50, 1, "", 30, 1, 1, 255, 255, 255);
  const auto alphas = run_out(fifty);
  ASSERT_EQ(alphas.size(), 51u);  // 50 drawn, removed undrawn at the 51st
  for (int n = 0; n < 50; ++n) EXPECT_FLOAT_EQ(alphas[n], (49 - n) / 50.0f) << n;
  EXPECT_FLOAT_EQ(alphas[50], -1);

  struct Case {
    float time;
    int lifetime;
    std::vector<int> left;  // lifetime after each drawn update
  };
  const Case cases[] = {
      {1.5f, 10, {8, 6, 4, 2, 0}},
      {3, 10, {7, 4, 1}},
      {1, 1, {0}},
      {1, 0, {}},     // born finished: gone at once, never drawn
      {0.5f, 0, {}},  // also in a frame shorter than one unit
      {1.5f, 1, {}},  // 1 - 1.5 leaves less than nothing
      {0.5f, 2, {1, 0}},
  };
  for (const auto& c : cases) {
    TIME = c.time;
    auto i = Info::createText("X", 100, 100, c.lifetime, 1, "", 30, 1, 1, 255, 255, 255);
    std::vector<int> left;
    std::vector<float> drawn;
    for (int n = 0; n < 20 && INFOLIST.contains(i); ++n) {
      set_rotation(0);
      i->update();
      if (get_rotation() == 30) {
        left.push_back(i->lifetime);
        drawn.push_back(get_alpha());
      }
    }
    EXPECT_FALSE(INFOLIST.contains(i));
    EXPECT_EQ(left, c.left) << "TIME " << c.time << " lifetime " << c.lifetime;
    for (size_t n = 0; n < drawn.size(); ++n) EXPECT_FLOAT_EQ(drawn[n], left[n] / static_cast<float>(c.lifetime));
  }
}

TEST_F(InfoTest, BornFinishedInfoDrawsNothingEvenWhenAskedDirectly) {
  auto i = Info::createText("BOO", 512, 384, 0, 1, "", 0, 2, 2, 255, 255, 255);
  black();
  i->draw();
  EXPECT_EQ(pixel(512, 384), 0u);
  set_alpha(0.25f);
  i->draw();
  EXPECT_FLOAT_EQ(get_alpha(), 0.25f);  // nothing divided, nothing set
}

TEST_F(InfoTest, TextIsCentredOnItsPointInItsColour) {
  // "GO" at scale 5 measures 32 x 64 per unit: handed to the font at (432, 40).
  auto go = Info::createText("GO", 512, 200, 100, 1, "", 0, 5, 5, 255, 0, 0);
  black();
  go->update();
  int left = SCREEN_W, right = -1, top = SCREEN_H;
  for (int y = 0; y < SCREEN_H; ++y)
    for (int x = 0; x < SCREEN_W; ++x)
      if (pixel(x, y) & 0xFF0000) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
      }
  ASSERT_GE(right, 0);
  EXPECT_NEAR(left + right + 1, 1024, 2);  // symmetric about x = 512
  EXPECT_NEAR(top, 40, 1);
  EXPECT_EQ(pixel(420, 100) & 0x00FFFF, 0u);  // red only, at 99 of 100
  EXPECT_NEAR(static_cast<int>(pixel(420, 100) >> 16), 255 * 99 / 100, 2);

  // An empty text lives out its life and draws nothing.
  auto empty = Info::createText("", 512, 200, 3, 1, "", 0, 5, 5, 255, 0, 0);
  black();
  for (int n = 0; n < 4; ++n) {
    EXPECT_TRUE(INFOLIST.contains(empty));
    empty->update();
  }
  EXPECT_FALSE(INFOLIST.contains(empty));
  EXPECT_EQ(pixel(512, 100), 0u);
}

TEST_F(InfoTest, ImageInfosLoadShareAndPlayTheirSoundOnceAtCreation) {
  // A file that does not load: nothing made, nothing heard, even with a sound named.
  EXPECT_FALSE(Info::CreateImage("no_such.png", 100, 100, 10, 1, "pay.ogg", 0, 1, 1, 255, 255, 255));
  EXPECT_FALSE(Info::CreateImageSrc(nullptr, 100, 100, 10, 1, "pay.ogg", 0, 1, 1, 255, 255, 255));
  EXPECT_TRUE(INFOLIST.is_empty());
  EXPECT_EQ(cues_of("sfx/pay.ogg"), 0);

  auto loaded = Info::CreateImage("hand.png", 300, 300, 10, 1, "pay.ogg", 30, 1, 1, 255, 255, 255);
  ASSERT_TRUE(loaded);
  ASSERT_TRUE(loaded->image);
  EXPECT_TRUE(loaded->content.empty());
  float hx, hy;
  get_image_handle(loaded->image, hx, hy);
  EXPECT_FLOAT_EQ(hx, image_width(loaded->image) / 2.0f);
  EXPECT_FLOAT_EQ(hy, image_height(loaded->image) / 2.0f);
  EXPECT_EQ(cues_of("sfx/pay.ogg"), 1);

  auto own = create_image(20, 20, std::vector<uint32_t>(400, 0xFF00FF00u));
  auto shared = Info::CreateImageSrc(own, 600, 300, 10, 1, "no_such.ogg", 30, 1, 1, 255, 255, 255);
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->image, own);  // the caller's image, not a copy
  EXPECT_EQ(INFOLIST.count(), 2u);

  black();
  World::update_infos();
  EXPECT_FLOAT_EQ(get_rotation(), 30);
  EXPECT_NE(pixel(600, 300), 0u);  // drawn at its handle, the centre
  const auto alphas = run_out(loaded);
  EXPECT_EQ(alphas.size(), 10u);
  EXPECT_EQ(cues_of("sfx/pay.ogg"), 1);  // heard once, at creation
}
