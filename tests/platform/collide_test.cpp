// Pixel-exact collision of placed, turned, scaled and mirrored frames: hand-worked cases and a brute-force
// comparison over random placements.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "images.h"
#include "platform.h"
#include "raster.h"

namespace {

constexpr uint32_t SOLID = 0xFF808080u;

Image shape(int w, int h, int cells, const std::function<uint32_t(int, int, int)>& f) {
  std::vector<uint32_t> p(static_cast<size_t>(w * cells * h));
  for (int c = 0; c < cells; ++c)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) p[static_cast<size_t>(y * w * cells + c * w + x)] = f(c, x, y);
  return create_image(w * cells, h, p, w, h);
}

Image square(int n) { return shape(n, n, 1, [](int, int, int) { return SOLID; }); }

class Collide : public ::testing::Test {
 protected:
  void SetUp() override { platform_init(PlatformMode::Headless); }
};

TEST_F(Collide, PlainPlacementsOnThePixelGrid) {
  Image a = square(10), b = square(10);
  EXPECT_TRUE(images_collide(a, 0, 0, 0, b, 9, 0, 0));
  EXPECT_FALSE(images_collide(a, 0, 0, 0, b, 10, 0, 0));
  EXPECT_FALSE(images_collide(a, 0, 0, 0, b, 0, 10, 0));
  EXPECT_TRUE(images_collide(a, 0, 0, 0, b, 0, 9.5f, 0));
  EXPECT_TRUE(images_collide(a, 0, 0, 0, b, -9, -9, 0));
  EXPECT_FALSE(images_collide(a, 0, 0, 0, b, -10, 3, 0));
  EXPECT_EQ(images_collide(a, 3, 4, 0, b, 12, 4, 0),
            images_collide_transformed(a, 3, 4, 0, 0, 1, 1, b, 12, 4, 0, 0, 1, 1));
  // Far from the screen the test works the same.
  EXPECT_TRUE(images_collide(a, -50000, 90000, 0, b, -49991, 90000, 0));
  EXPECT_FALSE(images_collide(a, -50000, 90000, 0, b, -49990, 90000, 0));
}

TEST_F(Collide, TransparentPixelsNeverCollide) {
  // Ring of radius 5..7.5 around the centre of a 16x16 cell; frame 1 holds a 3x3 dot in the middle.
  Image ring = shape(16, 16, 2, [](int c, int x, int y) {
    const double r = std::hypot(x + 0.5 - 8, y + 0.5 - 8);
    if (c == 0) return r > 5 && r < 7.5 ? SOLID : 0u;
    return std::abs(x - 7.5) < 2 && std::abs(y - 7.5) < 2 ? SOLID : 0u;
  });
  mid_handle_image(ring);
  EXPECT_FALSE(images_collide(ring, 100, 100, 0, ring, 100, 100, 1));  // the dot sits in the hole
  EXPECT_TRUE(images_collide(ring, 100, 100, 0, ring, 106, 100, 1));
  EXPECT_TRUE(images_collide(ring, 100, 100, 0, ring, 100, 100, 0));

  // Alpha decides: above 127 is solid.
  Image faint = shape(4, 4, 1, [](int, int, int) { return 0x7F808080u; });
  Image firm = shape(4, 4, 1, [](int, int, int) { return 0x80808080u; });
  Image masked = shape(4, 4, 1, [](int, int, int) { return 0xFFFF00FFu; });  // the mask colour
  Image dot = square(1);
  EXPECT_FALSE(images_collide(faint, 0, 0, 0, dot, 1, 1, 0));
  EXPECT_TRUE(images_collide(firm, 0, 0, 0, dot, 1, 1, 0));
  EXPECT_FALSE(images_collide(masked, 0, 0, 0, dot, 1, 1, 0));
}

TEST_F(Collide, TurnedScaledAndMirroredFrames) {
  Image a = square(10), b = square(10);
  mid_handle_image(a);
  mid_handle_image(b);
  // Diamonds: their boxes overlap but the facing edges are 4 pixels apart, or overlap by 1.5 pixels.
  EXPECT_FALSE(images_collide_transformed(a, 0, 0, 0, 45, 1, 1, b, 10, 10, 0, 45, 1, 1));
  EXPECT_TRUE(images_collide_transformed(a, 0, 0, 0, 45, 1, 1, b, 6, 6, 0, 45, 1, 1));
  EXPECT_FALSE(images_collide_transformed(a, 0, 0, 0, 0, 1, 1, b, 10, 10, 0, 45, 1, 1));

  // Left half solid, handle at the top-left corner.
  Image half = shape(10, 2, 1, [](int, int x, int) { return x < 5 ? SOLID : 0u; });
  Image dot = square(1);
  EXPECT_FALSE(images_collide_transformed(half, 0, 0, 0, 0, 1, 1, dot, 7, 0, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(half, 0, 0, 0, 0, 1, 1, dot, 4, 1, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(half, 0, 0, 0, 0, -1, 1, dot, -3, 0, 0, 0, 1, 1));
  EXPECT_FALSE(images_collide_transformed(half, 0, 0, 0, 0, -1, 1, dot, 2, 0, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(half, 0, 0, 0, 0, 1, -1, dot, 2, -1, 0, 0, 1, 1));
  EXPECT_FALSE(images_collide_transformed(half, 0, 0, 0, 0, 1, -1, dot, 2, 1, 0, 0, 1, 1));
  // A quarter turn clockwise hangs the strip down to the left of the handle, solid half on top.
  EXPECT_TRUE(images_collide_transformed(half, 0, 0, 0, 90, 1, 1, dot, -2, 3, 0, 0, 1, 1));
  EXPECT_FALSE(images_collide_transformed(half, 0, 0, 0, 90, 1, 1, dot, -2, 7, 0, 0, 1, 1));
  EXPECT_FALSE(images_collide_transformed(half, 0, 0, 0, 90, 1, 1, dot, 0, 3, 0, 0, 1, 1));
  // Scale: 10 pixels become 15 (ending before pixel 15) or 20.
  Image sq = square(10);
  EXPECT_FALSE(images_collide_transformed(sq, 0, 0, 0, 0, 1.5f, 1.5f, dot, 15, 5, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(sq, 0, 0, 0, 0, 1.5f, 1.5f, dot, 14, 5, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(sq, 0, 0, 0, 0, 2, 2, dot, 15, 5, 0, 0, 1, 1));
  EXPECT_TRUE(images_collide_transformed(dot, 15, 5, 0, 0, 1, 1, sq, 0, 0, 0, 0, 2, 2));  // either order
}

TEST_F(Collide, NothingCollidesWithNoImageOrNoFrame) {
  Image a = square(8);
  Image none;
  EXPECT_FALSE(images_collide(a, 0, 0, 0, none, 0, 0, 0));
  EXPECT_FALSE(images_collide(none, 0, 0, 0, a, 0, 0, 0));
  EXPECT_FALSE(images_collide(a, 0, 0, 1, a, 0, 0, 0));
  EXPECT_FALSE(images_collide(a, 0, 0, -1, a, 0, 0, 0));
  EXPECT_FALSE(images_collide_transformed(a, 0, 0, 0, 0, 0, 1, a, 0, 0, 0, 0, 1, 1));  // squashed to nothing
  EXPECT_FALSE(images_collide_transformed(a, 0, 0, 0, NAN, 1, 1, a, 0, 0, 0, 0, 1, 1));
  Image empty = shape(8, 8, 1, [](int, int, int) { return 0u; });
  EXPECT_FALSE(images_collide(a, 0, 0, 0, empty, 0, 0, 0));
}

// The reference visits every pixel around the first frame and asks both frames directly where that pixel
// centre lands (the rasteriser's placement, evaluated afresh per pixel: no boxes, runs or trimming).
bool covers(const Image& img, int frame, const raster::Placement& p, int64_t x, int64_t y) {
  const int64_t u = p.u_at(x, y), v = p.v_at(x, y);
  if (u < 0 || v < 0 || u >= (int64_t{img->cell_w} << raster::FRAC) || v >= (int64_t{img->cell_h} << raster::FRAC))
    return false;
  return img->frames[static_cast<size_t>(frame)]
             .solid[static_cast<size_t>((v >> raster::FRAC) * img->cell_w + (u >> raster::FRAC))] != 0;
}

bool brute_force(const Image& a, float xa, float ya, int fa, float ra, float sxa, float sya, const Image& b, float xb,
                 float yb, int fb, float rb, float sxb, float syb) {
  const raster::Placement pa = raster::place(xa, ya, a->handle_x, a->handle_y, sxa, sya, ra);
  const raster::Placement pb = raster::place(xb, yb, b->handle_x, b->handle_y, sxb, syb, rb);
  const double reach = std::hypot(a->cell_w, a->cell_h) * std::max(std::fabs(sxa), std::fabs(sya)) +
                       std::hypot(a->handle_x, a->handle_y) * std::max(std::fabs(sxa), std::fabs(sya)) + 4;
  for (int64_t y = static_cast<int64_t>(std::floor(ya - reach)); y <= static_cast<int64_t>(ya + reach); ++y)
    for (int64_t x = static_cast<int64_t>(std::floor(xa - reach)); x <= static_cast<int64_t>(xa + reach); ++x)
      if (covers(a, fa, pa, x, y) && covers(b, fb, pb, x, y)) return true;
  return false;
}

TEST_F(Collide, MatchesBruteForceOverRandomPlacements) {
  // An airplane-like frame with a hole and faint edges, and a bomb strip (ring, dot, thin bar).
  Image plane = shape(64, 32, 1, [](int, int x, int y) -> uint32_t {
    const double fx = (x + 0.5 - 32) / 30, fy = (y + 0.5 - 16) / 6;
    if (std::hypot(x + 0.5 - 44, y + 0.5 - 16) < 3) return 0;
    if (fx * fx + fy * fy < 1) return SOLID;
    if (std::abs(x - 28) < 5 && y >= 2 && y < 30) return (x + y) % 3 == 0 ? 0x70FFFFFFu : 0xC0FFFFFFu;
    return 0;
  });
  Image bomb = shape(16, 16, 3, [](int c, int x, int y) -> uint32_t {
    const double r = std::hypot(x + 0.5 - 8, y + 0.5 - 8);
    if (c == 0) return r > 5 && r < 7.5 ? SOLID : 0;
    if (c == 1) return r < 2 ? SOLID : 0;
    return x == 7 ? SOLID : 0;
  });
  Image images[] = {plane, bomb};

  std::mt19937 rng(20240611);
  auto uni = [&](double a, double b) { return static_cast<float>(std::uniform_real_distribution<double>(a, b)(rng)); };
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto scale = [&]() {
    switch (pick(4)) {
      case 0: return 1.0f;
      case 1: return -1.0f;
      default: return uni(0.3, 2.5) * (pick(2) ? 1.0f : -1.0f);
    }
  };
  auto rotation = [&]() { return pick(3) == 0 ? 90.0f * static_cast<float>(pick(8) - 4) : uni(-360, 360); };
  auto coord = [&](double c) { return pick(3) == 0 ? std::round(uni(c - 3, c + 3)) : uni(c - 3, c + 3); };

  int hits = 0, misses = 0;
  for (int i = 0; i < 1500; ++i) {
    const Image& a = images[pick(2)];
    const Image& b = images[pick(2)];
    set_image_handle(a, uni(-8, 70), uni(-8, 40));
    if (pick(2)) mid_handle_image(b);
    else set_image_handle(b, uni(0, 16), uni(0, 16));
    const float xa = coord(300), ya = coord(200);
    const float xb = coord(xa + uni(-45, 45)), yb = coord(ya + uni(-35, 35));
    const int fa = pick(image_frames(a)), fb = pick(image_frames(b));
    const float ra = rotation(), rb = rotation(), sxa = scale(), sya = scale(), sxb = scale(), syb = scale();
    const bool fast = images_collide_transformed(a, xa, ya, fa, ra, sxa, sya, b, xb, yb, fb, rb, sxb, syb);
    const bool slow = brute_force(a, xa, ya, fa, ra, sxa, sya, b, xb, yb, fb, rb, sxb, syb);
    ASSERT_EQ(fast, slow) << "case " << i << ": " << xa << "," << ya << " f" << fa << " r" << ra << " s" << sxa << ","
                          << sya << " vs " << xb << "," << yb << " f" << fb << " r" << rb << " s" << sxb << "," << syb;
    ASSERT_EQ(fast, images_collide_transformed(b, xb, yb, fb, rb, sxb, syb, a, xa, ya, fa, ra, sxa, sya));
    (fast ? hits : misses)++;
  }
  // Both answers must be common, or the comparison proves little.
  EXPECT_GT(hits, 300);
  EXPECT_GT(misses, 300);
}

}  // namespace
