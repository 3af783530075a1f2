// Headless drawing: blend arithmetic, colour and alpha, placement under scale, rotation, handle and origin,
// clipping, shapes, and image loading (mask colour, cells, broken files).
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "platform.h"

namespace {

namespace fs = std::filesystem;

uint32_t argb(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
         static_cast<uint32_t>(b);
}
int ch_r(uint32_t p) { return static_cast<int>((p >> 16) & 255u); }
int ch_g(uint32_t p) { return static_cast<int>((p >> 8) & 255u); }
int ch_b(uint32_t p) { return static_cast<int>(p & 255u); }

class Graphics : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_init(PlatformMode::Headless);
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    clear_screen();
    dir_ = fs::temp_directory_path() / ("pellaron_gfx_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    close_graphics();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  static uint32_t px(int x, int y) { return frame_pixels()[y * SCREEN_W + x]; }
  static Image solid_image(int w, int h, uint32_t colour) {
    return create_image(w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), colour));
  }
  // Pixels differing from the clear colour inside the box [x0, x1) x [y0, y1).
  static int changed(int x0, int y0, int x1, int y1, uint32_t clear = 0xFF000000u) {
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, SCREEN_H); ++y)
      for (int x = std::max(x0, 0); x < std::min(x1, SCREEN_W); ++x) n += px(x, y) != clear;
    return n;
  }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

// Expected screen colour by the blend rules on straight colours; a is source alpha x current alpha.
struct BlendCase {
  const char* name;
  int mode;
  uint32_t src;  // straight ARGB
  int cr, cg, cb;
  float alpha;
};

TEST_F(Graphics, BlendModesComputeTheirArithmetic) {
  const int dr = 40, dg = 160, db = 200;
  const BlendCase cases[] = {
      {"alpha opaque", BLEND_ALPHA, argb(255, 200, 100, 50), 255, 255, 255, 1.0f},
      {"alpha faded", BLEND_ALPHA, argb(255, 200, 100, 50), 255, 255, 255, 0.5f},
      {"alpha by source alpha", BLEND_ALPHA, argb(128, 200, 100, 50), 255, 255, 255, 1.0f},
      {"alpha tinted", BLEND_ALPHA, argb(255, 200, 100, 50), 255, 128, 0, 0.75f},
      {"light", BLEND_LIGHT, argb(255, 250, 100, 50), 255, 255, 255, 0.5f},
      {"light saturates", BLEND_LIGHT, argb(255, 250, 200, 100), 255, 255, 255, 1.0f},
      {"shade", BLEND_SHADE, argb(255, 128, 255, 64), 255, 255, 255, 1.0f},
      {"shade half alpha", BLEND_SHADE, argb(255, 0, 0, 0), 255, 255, 255, 0.5f},
      {"solid ignores alpha", BLEND_SOLID, argb(255, 200, 100, 50), 255, 255, 255, 0.2f},
      {"solid tinted", BLEND_SOLID, argb(128, 200, 100, 50), 128, 255, 0, 1.0f},
      {"mask above half", BLEND_MASK, argb(255, 200, 100, 50), 255, 255, 255, 0.6f},
      {"mask below half", BLEND_MASK, argb(255, 200, 100, 50), 255, 255, 255, 0.4f},
      {"mask by source alpha", BLEND_MASK, argb(100, 200, 100, 50), 255, 255, 255, 1.0f},
  };
  // At scale 1 pixels are copied; at scale 2 they go through the filter, which keeps a flat colour.
  for (const BlendCase& c : cases)
    for (const float scale : {1.0f, 2.0f}) {
      SCOPED_TRACE(std::string(c.name) + (scale == 1 ? "" : " scaled"));
      set_clear_color(dr, dg, db);
      clear_screen();
      set_blend(c.mode);
      set_color(c.cr, c.cg, c.cb);
      set_alpha(c.alpha);
      set_scale(scale, scale);
      draw_image(create_image(4, 4, std::vector<uint32_t>(16, c.src)), 10, 10);

      const double a = (c.src >> 24) / 255.0 * c.alpha;
      const double s[3] = {ch_r(c.src) * c.cr / 255.0, ch_g(c.src) * c.cg / 255.0, ch_b(c.src) * c.cb / 255.0};
      const double d[3] = {dr, dg, db};
      double e[3];
      for (int i = 0; i < 3; ++i) {
        switch (c.mode) {
          case BLEND_ALPHA: e[i] = s[i] * a + d[i] * (1 - a); break;
          case BLEND_LIGHT: e[i] = std::min(255.0, d[i] + s[i] * a); break;
          case BLEND_SHADE: e[i] = d[i] * (1 - a + a * s[i] / 255.0); break;
          case BLEND_SOLID: e[i] = s[i]; break;
          default: e[i] = a > 0.5 ? s[i] : d[i]; break;
        }
      }
      const uint32_t got = px(12, 12);
      EXPECT_NEAR(ch_r(got), e[0], 2.0);
      EXPECT_NEAR(ch_g(got), e[1], 2.0);
      EXPECT_NEAR(ch_b(got), e[2], 2.0);
      EXPECT_EQ(got >> 24, 255u);  // the frame stays opaque
      EXPECT_EQ(px(10 + 4 * static_cast<int>(scale), 11), argb(255, dr, dg, db));  // nothing beyond the picture
    }
}

TEST_F(Graphics, ShapesUseColourAlphaAndBlend) {
  set_color(255, 0, 0);
  set_alpha(1);
  draw_rect(10, 10, 5, 3);
  EXPECT_EQ(changed(0, 0, 40, 40), 15);
  EXPECT_EQ(px(10, 10), argb(255, 255, 0, 0));
  EXPECT_EQ(px(14, 12), argb(255, 255, 0, 0));

  set_blend(BLEND_LIGHT);
  set_color(0, 100, 0);
  set_alpha(0.5f);
  draw_rect(10, 10, 1, 1);
  EXPECT_NEAR(ch_g(px(10, 10)), 50, 1);
  EXPECT_EQ(ch_r(px(10, 10)), 255);

  set_blend(BLEND_ALPHA);
  set_alpha(1);
  set_color(0, 0, 255);
  draw_line(100, 50, 109, 50);  // both ends included
  EXPECT_EQ(changed(90, 45, 120, 55), 10);
  draw_line(200, 50, 205, 60);
  EXPECT_EQ(px(200, 50), argb(255, 0, 0, 255));
  EXPECT_EQ(px(205, 60), argb(255, 0, 0, 255));
  EXPECT_EQ(changed(190, 45, 215, 65), 11);  // one pixel per row of the steep line

  draw_oval(300, 300, 40, 20);
  const int n = changed(290, 290, 350, 330);
  EXPECT_NEAR(n, 3.14159 * 20 * 10, 20);
  EXPECT_NE(px(320, 310), 0xFF000000u);  // centre
  EXPECT_EQ(px(300, 300), 0xFF000000u);  // corner of the box stays outside the ellipse
  EXPECT_NE(px(300, 310), 0xFF000000u);  // leftmost point
}

TEST_F(Graphics, RectRotatesAndScalesAroundItsTopLeft) {
  set_rotation(90);
  draw_rect(100, 100, 6, 2);  // turned clockwise: hangs down to the left of x = 100
  EXPECT_EQ(changed(80, 80, 120, 120), 12);
  EXPECT_NE(px(98, 100), 0xFF000000u);
  EXPECT_NE(px(99, 105), 0xFF000000u);
  EXPECT_EQ(px(100, 100), 0xFF000000u);

  clear_screen();
  set_rotation(0);
  set_scale(-2, 1);  // mirrored: grows to the left
  draw_rect(100, 100, 3, 1);
  EXPECT_EQ(changed(80, 80, 120, 120), 6);
  EXPECT_NE(px(94, 100), 0xFF000000u);
  EXPECT_EQ(px(100, 100), 0xFF000000u);
}

// A 3x2 picture with a distinct colour per texel shows where every texel lands.
class Placement : public Graphics {
 protected:
  static uint32_t texel(int x, int y) { return argb(255, 40 + 60 * x, 40 + 100 * y, 90); }
  Image picture() {
    std::vector<uint32_t> p;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) p.push_back(texel(x, y));
    return create_image(3, 2, p);
  }
};

TEST_F(Placement, PlainDrawPutsTheHandleAtThePosition) {
  Image img = picture();
  set_image_handle(img, 1, 1);
  set_origin(10, 20);
  draw_image(img, 100.4f, 100.4f);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(px(109 + x, 119 + y), texel(x, y)) << x << "," << y;
  EXPECT_EQ(changed(100, 110, 130, 130), 6);
}

TEST_F(Placement, MirrorAndQuarterTurn) {
  Image img = picture();  // handle (0, 0)
  set_scale(-1, 1);
  draw_image(img, 100, 100);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(px(99 - x, 100 + y), texel(x, y)) << "mirror " << x << "," << y;

  clear_screen();
  set_scale(1, -1);
  draw_image(img, 100, 100);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(px(100 + x, 99 - y), texel(x, y)) << "flip " << x << "," << y;

  clear_screen();
  set_scale(1, 1);
  set_rotation(90);  // clockwise: the top row becomes the right-hand column, read downwards
  draw_image(img, 100, 100);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(px(99 - y, 100 + x), texel(x, y)) << "turn " << x << "," << y;
  EXPECT_EQ(changed(90, 90, 110, 110), 6);
}

TEST_F(Placement, ScaledDrawCoversTheScaledArea) {
  Image img = picture();
  mid_handle_image(img);
  set_scale(2, 3);
  draw_image(img, 200, 200);  // 6 x 6 centred on (200, 200)
  EXPECT_EQ(changed(180, 180, 220, 220), 36);
  EXPECT_EQ(px(197, 197), texel(0, 0));  // corners keep their texel's colour under the filter
  EXPECT_EQ(px(202, 202), texel(2, 1));
}

TEST_F(Placement, UnfilteredImagesKeepHardTexels) {
  const uint32_t red = argb(255, 255, 0, 0), blue = argb(255, 0, 0, 255);
  set_scale(2, 1);
  draw_image(create_image(2, 1, {red, blue}, 0, 0, 0), 100, 100);
  EXPECT_EQ(px(100, 100), red);
  EXPECT_EQ(px(101, 100), red);
  EXPECT_EQ(px(102, 100), blue);
  EXPECT_EQ(px(103, 100), blue);
  draw_image(create_image(2, 1, {red, blue}), 100, 101);  // filtered: the middle pixels mix
  EXPECT_EQ(px(100, 101), red);
  EXPECT_NE(px(101, 101), red);
  EXPECT_NE(px(102, 101), blue);
  EXPECT_EQ(px(103, 101), blue);
}

TEST_F(Graphics, ViewportClipsEveryKindOfDrawing) {
  set_viewport(50, 60, 10, 5);
  draw_rect(0, 0, 1024, 768);
  EXPECT_EQ(changed(0, 0, SCREEN_W, SCREEN_H), 50);
  EXPECT_NE(px(50, 60), 0xFF000000u);
  EXPECT_NE(px(59, 64), 0xFF000000u);

  clear_screen();
  set_rotation(30);
  set_scale(3, 3);
  draw_image(solid_image(64, 64, argb(255, 9, 9, 9)), 55, 62);
  draw_line(0, 0, 1000, 700);
  draw_oval(0, 0, 300, 300);
  EXPECT_EQ(changed(0, 0, SCREEN_W, SCREEN_H), changed(50, 60, 60, 65));

  set_viewport(-100, -100, 5000, 5000);  // larger than the screen: clipped to it, no crash
  set_rotation(0);
  set_scale(1, 1);
  draw_rect(-10, -10, 2000, 2000);
  EXPECT_EQ(changed(0, 0, SCREEN_W, SCREEN_H), SCREEN_W * SCREEN_H);
}

TEST_F(Graphics, StateStartsFromDefaultsAfterInit) {
  set_color(1, 2, 3);
  set_alpha(0.25f);
  set_blend(BLEND_SHADE);
  set_scale(2, 3);
  set_rotation(45);
  set_origin(5, 6);
  platform_init(PlatformMode::Headless);
  int r, g, b;
  get_color(r, g, b);
  float sx, sy, ox, oy;
  get_scale(sx, sy);
  get_origin(ox, oy);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_EQ(get_alpha(), 1.0f);
  EXPECT_EQ(get_blend(), BLEND_ALPHA);
  EXPECT_EQ(sx * sy, 1.0f);
  EXPECT_EQ(get_rotation(), 0.0f);
  EXPECT_EQ(ox + oy, 0.0f);
  EXPECT_EQ(graphics_width(), 1024);
  EXPECT_EQ(graphics_height(), 768);
  EXPECT_EQ(text_width("abc"), 24);
  EXPECT_EQ(text_height("abc"), 16);
}

// Picture files are made by drawing on the screen and saving the frame.
TEST_F(Graphics, MaskColourIsAppliedAtLoadUnlessMipmapped) {
  set_blend(BLEND_SOLID);
  set_color(255, 0, 255);
  draw_rect(0, 0, 1024, 768);
  set_color(0, 200, 0);
  draw_rect(10, 0, 5, 5);
  const std::string path = file("masked.png");
  ASSERT_TRUE(save_frame_png(path));

  set_mask_color(255, 0, 255);
  Image masked = load_image(path);
  set_mask_color(0, 200, 0);
  Image green_masked = load_image(path);
  Image mip = load_image(path, IMAGE_MIPMAPPED);
  ASSERT_TRUE(masked && green_masked && mip);
  EXPECT_EQ(image_width(masked), 1024);
  EXPECT_EQ(image_height(masked), 768);

  set_blend(BLEND_ALPHA);
  set_color(255, 255, 255);
  set_clear_color(0, 0, 80);
  clear_screen();
  draw_image(masked, 0, 0);
  EXPECT_EQ(px(0, 0), argb(255, 0, 0, 80));
  EXPECT_EQ(px(12, 2), argb(255, 0, 200, 0));

  clear_screen();
  draw_image(green_masked, 0, 0);
  EXPECT_EQ(px(0, 0), argb(255, 255, 0, 255));
  EXPECT_EQ(px(12, 2), argb(255, 0, 0, 80));

  clear_screen();
  draw_image(mip, 0, 0);
  EXPECT_EQ(px(0, 0), argb(255, 255, 0, 255));
  EXPECT_EQ(px(12, 2), argb(255, 0, 200, 0));
}

TEST_F(Graphics, AnimStripKeepsTheRequestedCells) {
  // A 1024x768 sheet cut in 100x100 cells: 10 per row, 7 rows (the leftover edges are not cells).
  set_blend(BLEND_SOLID);
  set_color(0, 0, 0);
  draw_rect(0, 0, 1024, 768);
  set_color(10, 20, 30);
  draw_rect(300, 100, 100, 100);  // cell 13
  const std::string path = file("sheet.png");
  ASSERT_TRUE(save_frame_png(path));

  auto_mid_handle(true);
  Image strip = load_anim_image(path, 100, 100, 10, 5);
  ASSERT_TRUE(strip);
  EXPECT_EQ(image_frames(strip), 5);
  EXPECT_EQ(image_width(strip), 100);
  EXPECT_EQ(image_height(strip), 100);
  float hx, hy;
  get_image_handle(strip, hx, hy);
  EXPECT_EQ(hx, 50.0f);
  EXPECT_EQ(hy, 50.0f);

  set_blend(BLEND_ALPHA);
  set_color(255, 255, 255);
  set_clear_color(1, 2, 3);
  clear_screen();
  draw_image(strip, 50, 50, 3);
  EXPECT_EQ(px(10, 10), argb(255, 10, 20, 30));
  clear_screen();
  draw_image(strip, 50, 50, 2);  // black is not the mask colour: drawn
  EXPECT_EQ(px(10, 10), argb(255, 0, 0, 0));
  clear_screen();
  draw_image(strip, 50, 50, 5);  // no such frame
  draw_image(strip, 50, 50, -1);
  EXPECT_EQ(changed(0, 0, 200, 200, argb(255, 1, 2, 3)), 0);

  EXPECT_EQ(image_frames(load_anim_image(path, 100, 100, 68, 5)), 2);
  EXPECT_FALSE(load_anim_image(path, 100, 100, 70, 1));
  EXPECT_FALSE(load_anim_image(path, 2000, 100, 0, 1));
  EXPECT_FALSE(load_anim_image(path, 0, 100, 0, 1));

  auto_mid_handle(false);
  Image plain = load_anim_image(path, 100, 100, 0, 1);
  get_image_handle(plain, hx, hy);
  EXPECT_EQ(hx + hy, 0.0f);

  Image made = create_image(4, 2, std::vector<uint32_t>(8, argb(255, 1, 1, 1)), 2, 2);
  EXPECT_EQ(image_frames(made), 2);
  EXPECT_FALSE(create_image(4, 2, std::vector<uint32_t>(7, 0)));  // too few pixels
}

TEST_F(Graphics, BrokenFilesGiveNoImageAndNoImageDrawsNothing) {
  set_blend(BLEND_SOLID);
  set_color(90, 120, 150);
  draw_oval(0, 0, 1024, 768);
  const std::string png = file("good.png");
  ASSERT_TRUE(save_frame_png(png));
  {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(frame_pixels()), SCREEN_W, SCREEN_H, 32,
                                                        SCREEN_W * 4, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(IMG_SaveJPG(s, file("good.jpg").c_str(), 90), 0);
    SDL_FreeSurface(s);
  }
  ASSERT_TRUE(load_image(png));
  ASSERT_TRUE(load_image(file("good.jpg")));
  EXPECT_EQ(image_width(load_image(file("good.jpg"))), 1024);

  auto write_prefix = [&](const std::string& from, const std::string& to, double part) {
    std::ifstream in(from, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(to, std::ios::binary) << bytes.substr(0, static_cast<size_t>(static_cast<double>(bytes.size()) * part));
  };
  write_prefix(png, file("half.png"), 0.5);
  write_prefix(png, file("nearly.png"), 0.99);
  write_prefix(file("good.jpg"), file("half.jpg"), 0.5);
  write_prefix(file("good.jpg"), file("nearly.jpg"), 0.99);
  std::ofstream(file("garbage.png"), std::ios::binary) << "this is not a picture at all";
  std::ofstream(file("empty.png"), std::ios::binary) << "";

  for (const char* name : {"missing.png", "half.png", "nearly.png", "half.jpg", "nearly.jpg", "garbage.png",
                           "empty.png"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(load_image(file(name)));
    EXPECT_FALSE(load_anim_image(file(name), 16, 16, 0, 4));
  }

  clear_screen();
  Image none;
  draw_image(none, 100, 100);
  set_image_handle(none, 1, 1);
  mid_handle_image(none);
  float hx = 7, hy = 7;
  get_image_handle(none, hx, hy);
  EXPECT_EQ(hx + hy, 0.0f);
  EXPECT_EQ(image_width(none) + image_height(none) + image_frames(none), 0);
  EXPECT_EQ(changed(0, 0, SCREEN_W, SCREEN_H), 0);
  EXPECT_FALSE(save_frame_png(file("no_such_dir/frame.png")));
}

TEST_F(Graphics, FilteredEdgesHaveNoMaskFringe) {
  // A green disc on magenta, turned and enlarged: no pixel may pick up the mask colour's red or blue.
  std::vector<uint32_t> p(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      p[static_cast<size_t>(y * 32 + x)] = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 144 ? argb(255, 0, 255, 0)
                                                                                          : argb(255, 255, 0, 255);
  Image disc = create_image(32, 32, p);
  mid_handle_image(disc);
  set_rotation(33);
  set_scale(3.3f, 2.7f);
  draw_image(disc, 500, 400);
  int green = 0;
  for (int y = 300; y < 500; ++y)
    for (int x = 400; x < 600; ++x) {
      EXPECT_EQ(ch_r(px(x, y)) + ch_b(px(x, y)), 0) << x << "," << y;
      green += ch_g(px(x, y)) > 0;
    }
  EXPECT_GT(green, 3000);
}

}  // namespace

namespace {

// Every pixel of a filtered, tinted sprite is tinted: the fast path blends two pixels at a time.
TEST_F(Graphics, TintedFilteredSpritesAreEvenAcrossNeighbouringPixels) {
  Image img = solid_image(16, 16, argb(255, 200, 200, 200));
  mid_handle_image(img);
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  set_color(255, 60, 60);
  for (float rot : {0.0f, 10.0f, 180.0f}) {
    for (float sx : {4.0f, -4.0f}) {
      clear_screen();
      set_scale(sx, 4);
      set_rotation(rot);
      draw_image(img, 512, 384);
      for (int x = 500; x < 524; ++x) {
        EXPECT_NEAR(ch_r(px(x, 384)), 200, 2) << "x " << x << " rot " << rot << " sx " << sx;
        EXPECT_NEAR(ch_g(px(x, 384)), 47, 2) << "x " << x << " rot " << rot << " sx " << sx;
      }
    }
  }
}

}  // namespace

namespace {

// Solid drawing of an opaque, untinted picture replaces the screen even when filtered (backgrounds).
TEST_F(Graphics, SolidFilteredOpaquePictureReplacesTheScreen) {
  Image img = solid_image(32, 32, argb(255, 10, 20, 30));
  mid_handle_image(img);
  set_clear_color(255, 255, 255);
  clear_screen();
  set_blend(BLEND_SOLID);
  set_alpha(0.2f);  // solid ignores alpha
  set_color(255, 255, 255);
  set_scale(1.5f, 1.5f);
  set_rotation(10);
  draw_image(img, 512, 384);
  for (int x = 500; x < 524; ++x) {
    EXPECT_EQ(ch_r(px(x, 384)), 10);
    EXPECT_EQ(ch_g(px(x, 384)), 20);
    EXPECT_EQ(ch_b(px(x, 384)), 30);
  }
}

}  // namespace

namespace {

// Additive light of a filtered sprite adds its colour times alpha to every pixel and saturates.
TEST_F(Graphics, FilteredLightAddsAndSaturatesOnEveryPixel) {
  Image img = solid_image(16, 16, argb(255, 100, 50, 20));
  mid_handle_image(img);
  set_clear_color(200, 10, 250);
  clear_screen();
  set_blend(BLEND_LIGHT);
  set_alpha(0.5f);
  set_color(255, 255, 255);
  set_scale(3, -3);
  set_rotation(10);
  draw_image(img, 512, 384);
  for (int x = 500; x < 524; ++x) {
    EXPECT_NEAR(ch_r(px(x, 384)), 250, 2) << x;
    EXPECT_NEAR(ch_g(px(x, 384)), 35, 2) << x;
    EXPECT_EQ(ch_b(px(x, 384)), 255) << x;
    EXPECT_EQ(px(x, 384) >> 24, 255u) << x;
  }
}

}  // namespace

namespace {

// A full-screen picture drawn solid again and again (the level background) gives exactly what a
// fresh drawing gives, after a move too, and a picture that leaves part of the screen uncovered
// always shows what lies around it.
TEST_F(Graphics, RepeatedFullScreenSolidDrawsMatchFreshDraws) {
  std::vector<uint32_t> pattern(256 * 192);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) pattern[static_cast<size_t>(y * 256 + x)] = argb(255, x, y, (x * y) & 255);
  Image a = create_image(256, 192, pattern, 0, 0, IMAGE_MIPMAPPED);
  Image twin = create_image(256, 192, pattern, 0, 0, IMAGE_MIPMAPPED);
  mid_handle_image(a);
  mid_handle_image(twin);
  set_blend(BLEND_SOLID);
  set_color(255, 255, 255);
  set_scale(4.04f, 4.04f);
  auto shot = [](const Image& img, float x, uint32_t clear) {
    set_clear_color((clear >> 16) & 255, (clear >> 8) & 255, clear & 255);
    clear_screen();
    draw_image(img, x, 384);
    return std::vector<uint32_t>(frame_pixels(), frame_pixels() + SCREEN_W * SCREEN_H);
  };
  const auto first = shot(a, 512, 0xFF0000);
  EXPECT_EQ(shot(a, 512, 0x00FF00), first);
  const auto moved = shot(a, 515.5f, 0x0000FF);
  EXPECT_NE(moved, first);
  EXPECT_EQ(moved, shot(twin, 515.5f, 0x00FF00));
  EXPECT_EQ(shot(a, 512, 0x00FF00), first);

  // Smaller than the screen: the border keeps the clear colour of each frame.
  set_scale(1, 1);
  shot(a, 512, 0xFF0000);
  EXPECT_EQ(px(0, 0) & 0xFFFFFFu, 0xFF0000u);
  shot(a, 512, 0x00FF00);
  EXPECT_EQ(px(0, 0) & 0xFFFFFFu, 0x00FF00u);
}

}  // namespace
