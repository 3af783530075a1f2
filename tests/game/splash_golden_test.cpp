// Compares a headless frame of the splash with the stored picture of how it must look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "headless.h"
#include "platform.h"
#include "shell.h"
#include "test_support.h"

namespace {

const std::string GOLDEN = std::string(PELLARON_SOURCE_DIR) + "/tests/golden/splash.png";

TEST(SplashGolden, MatchesTheStoredFrame) {
  TempDir dir;
  link_media();
  platform_init(PlatformMode::Headless);
  write_file("data/settings.txt", "FULLSCREEN: OFF\n");
  headless_key_down(KEY_SPACE);  // skip the wait
  ASSERT_TRUE(Shell::startup());
  set_clear_color(0, 0, 0);
  clear_screen();
  Shell::draw_splash();
  const std::vector<uint32_t> frame(frame_pixels(), frame_pixels() + 1024 * 768);

  // Regenerate after a deliberate change of the splash or its media.
  if (std::getenv("PELLARON_UPDATE_GOLDEN")) {
    ASSERT_TRUE(save_frame_png(GOLDEN));
    GTEST_SKIP() << "golden frame written to " << GOLDEN;
  }

  // The stored picture is drawn opaque over the frame to read its pixels back.
  Image golden = load_image(GOLDEN, IMAGE_MIPMAPPED);
  ASSERT_TRUE(golden) << GOLDEN;
  set_image_handle(golden, 0, 0);
  set_blend(BLEND_SOLID);
  set_color(255, 255, 255);
  set_alpha(1);
  set_scale(1, 1);
  set_rotation(0);
  set_origin(0, 0);
  clear_screen();
  draw_image(golden, 0, 0);
  const uint32_t* want = frame_pixels();

  // Tolerant: small rounding differences are fine, a moved or missing element is not.
  long long total = 0;
  int far_off = 0;
  for (int i = 0; i < 1024 * 768; ++i) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int d = std::abs(static_cast<int>((frame[i] >> shift) & 0xFF) - static_cast<int>((want[i] >> shift) & 0xFF));
      total += d;
      worst = std::max(worst, d);
    }
    if (worst > 48) ++far_off;
  }
  const double mean = static_cast<double>(total) / (1024.0 * 768.0 * 3.0);
  EXPECT_LT(mean, 1.5);
  EXPECT_LT(far_off, 1024 * 768 / 200) << "pixels far from the stored splash";
  if (HasFailure()) save_frame_png("/tmp/splash_actual.png");

  // The splash is not empty: the logo and the lettering are there.
  int lit = 0;
  for (uint32_t p : frame)
    if ((p & 0xFFFFFF) != 0) ++lit;
  EXPECT_GT(lit, 1024 * 768 / 20);
}

}  // namespace
