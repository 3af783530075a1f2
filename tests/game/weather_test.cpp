// Tests of the weather: layers and wrapping of rain, snow and clouds, the shake, darkness and the TIME floor.
#include <gtest/gtest.h>

#include <cmath>

#include "headless.h"
#include "platform.h"
#include "shell.h"
#include "test_support.h"
#include "weather.h"

namespace {

class WeatherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_init(PlatformMode::Headless);
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    link_media();
    seed_random(7);
    GROUND_Y = 718;
    TIME = 1;
    set_mask_color(255, 0, 255);
    auto_mid_handle(true);
    Weather::load_images();
    ASSERT_TRUE(Weather::raindrop_img && Weather::night && Weather::background);
    wt = Weather::create(0, 0, 0, 0, 0);
  }
  TempDir dir;
  std::shared_ptr<Weather> wt;
};

TEST_F(WeatherTest, IntensitiesGiveCountsSpreadOverTheSky) {
  wt->_reset_weather(1, 0.25f, 0.5f, 0, 0, "", 0);
  EXPECT_EQ(wt->raindrops, 800);
  EXPECT_EQ(wt->snowdrops, 400);
  EXPECT_EQ(wt->clouds, 2);
  // Drops start evenly spread from the top to the ground, not in one line.
  EXPECT_EQ(wt->raindrop[0][1], 0);
  EXPECT_NEAR(wt->raindrop[400][1], 718 / 2, 1);
  EXPECT_GT(wt->raindrop[799][1], 710);
  for (const auto& c : wt->cloud) {
    EXPECT_GE(c[1], 1);
    EXPECT_LE(c[1], 718 / 2);
  }
  wt->_reset_weather(-1, -1, -1, 0, 0, "", 0);
  EXPECT_EQ(wt->raindrops + wt->snowdrops + wt->clouds, 0);
}

TEST_F(WeatherTest, RainLayersMoveAtTheirSpeedsAndWrapWithTheWind) {
  wt->_reset_weather(0.01f, 0, 0, -1, 0, "", 0);  // 8 drops
  ASSERT_EQ(wt->raindrops, 8);
  wt->width = 1023;
  wt->height = 717;
  for (auto& d : wt->raindrop) d = {2, 715};
  wt->update_rainfast(1);  // front layer: 0, 3, 6
  for (int i : {0, 3, 6}) {
    EXPECT_EQ(wt->raindrop[i][0], 1020) << "leaving the left edge comes back at the right";
    EXPECT_EQ(wt->raindrop[i][1], 3);
  }
  for (int i : {1, 2, 4}) EXPECT_EQ(wt->raindrop[i][0], 2) << "back layers wait for the back pass";
  wt->update_rainfast(0);
  EXPECT_EQ(wt->raindrop[1][0], 1021);
  EXPECT_EQ(wt->raindrop[1][1], 2);
  EXPECT_EQ(wt->raindrop[2][0], 1022);
  EXPECT_EQ(wt->raindrop[2][1], 1);

  // Without wind the rain falls straight.
  wt->windy = 0;
  for (auto& d : wt->raindrop) d = {500, 100};
  wt->update_rainfast(1);
  EXPECT_EQ(wt->raindrop[0][0], 500);
  EXPECT_EQ(wt->raindrop[0][1], 105);
}

TEST_F(WeatherTest, CloudsDriftOnlyWithWindAndReturnOnlyFromTheRight) {
  wt->_reset_weather(0, 0.3f, 0, 0, 0, "", 0);
  ASSERT_EQ(wt->clouds, 3);
  const auto before = wt->cloud;
  wt->update_cloudfast(1);
  wt->update_cloudfast(0);
  EXPECT_EQ(wt->cloud, before);

  wt->windy = 10;
  wt->cloud[0] = {1023 + static_cast<float>(image_width(Weather::clouds_img)), 50, 0};
  wt->update_cloudfast(1);
  EXPECT_EQ(wt->cloud[0][0], -image_width(Weather::clouds_img));
  wt->windy = -10;
  wt->cloud[1] = {-5000, 50, 0};
  wt->update_cloudfast(0);
  EXPECT_LT(wt->cloud[1][0], -5000) << "clouds blown off to the left stay away";
}

TEST_F(WeatherTest, ShakeBuildsDecaysAndIsCapped) {
  wt->rumbl = -1;
  wt->add_rumble(4);
  wt->add_rumble(4);
  EXPECT_FLOAT_EQ(wt->rumbl, 7);
  wt->add_rumble(100);
  EXPECT_FLOAT_EQ(wt->rumbl, 20);

  // Hold phase: 0.3 per time unit for 40 units, then 1.3 per unit, to rest at -1.
  TIME = 1;
  wt->rumbl = 15;
  wt->rumblt = 20;
  for (int i = 0; i < 10; ++i) wt->rumble();
  EXPECT_NEAR(wt->rumbl, 12, 1e-4);
  float ox, oy;
  get_origin(ox, oy);
  EXPECT_LE(std::abs(ox), 12);
  EXPECT_LE(std::abs(oy), 12);
  wt->rumblt = 0.5f;
  wt->rumble();
  EXPECT_NEAR(wt->rumbl, 12 - 1.3f, 1e-4);
  for (int i = 0; i < 20; ++i) wt->rumble();
  EXPECT_EQ(wt->rumbl, -1);
  get_origin(ox, oy);
  EXPECT_EQ(ox, 0);
  EXPECT_EQ(oy, 0);
}

TEST_F(WeatherTest, BackPassRaisesSlowTimeToOne) {
  struct Case {
    float in, out;
  } cases[] = {{0.5f, 1.0f}, {3.0f, 3.0f}, {1.0f, 1.0f}};
  for (const auto& c : cases) {
    TIME = c.in;
    wt->update(0);
    EXPECT_FLOAT_EQ(TIME, c.out);
  }
}

TEST_F(WeatherTest, DarknessDimsEverywhereOrLeavesALightCone) {
  set_clear_color(255, 255, 255);
  clear_screen();
  wt->darky = 0.3f;
  wt->rumbl = -1;
  wt->update_darky();
  for (int idx : {0, 1023, 767 * 1024, 384 * 1024 + 512, 767 * 1024 + 1023}) {
    const int r = (frame_pixels()[idx] >> 16) & 0xFF;
    EXPECT_NEAR(r, 178, 3) << "uniform 30 % dimming, edges included, at " << idx;
  }

  clear_screen();
  wt->darky = 1.0f;
  headless_mouse_move(300, 400);
  wt->update_darky();
  const int lit = (frame_pixels()[400 * 1024 + 300] >> 16) & 0xFF;
  const int dark = (frame_pixels()[10 * 1024 + 1010] >> 16) & 0xFF;
  EXPECT_GT(lit, 200) << "light around the mouse";
  EXPECT_LT(dark, 40) << "night elsewhere";
}

TEST_F(WeatherTest, MissingBackgroundBecomesAPlaceholderMissingGroundIsKept) {
  const Image ground = Weather::ground;
  wt->change_ground("no_such_ground.png");
  EXPECT_EQ(Weather::ground, ground);
  wt->change_background("no_such_background.jpg");
  ASSERT_TRUE(Weather::background);
  EXPECT_EQ(image_width(Weather::background), 1);
  wt->update(0);  // draws without trouble
}

}  // namespace

namespace {

TEST_F(WeatherTest, AbsurdIntensitiesFromALevelFileAreBounded) {
  wt->_reset_weather(1e30f, 1e30f, 3.0f, 0, 0, "", 0);
  EXPECT_EQ(wt->raindrops, 8000);
  EXPECT_EQ(wt->clouds, 100);
  EXPECT_EQ(wt->snowdrops, 2400) << "stronger than full is kept up to ten times";
  wt->_reset_weather(-1, std::nanf(""), -1e30f, 0, 0, "", 0);
  EXPECT_EQ(wt->raindrops + wt->clouds + wt->snowdrops, 0);
}

}  // namespace
