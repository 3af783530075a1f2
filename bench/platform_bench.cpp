// Platform speed: pixel-exact collision tests per second and the time to draw a crowded headless frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform.h"

namespace {

// A 64x32 airplane (fuselage and wings) and a 16x16 round bomb, on the mask colour like the game's pictures.
Image airplane() {
  std::vector<uint32_t> p(64 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) {
      const double fx = (x + 0.5 - 32) / 31, fy = (y + 0.5 - 16) / 5;
      const bool body = fx * fx + fy * fy < 1;
      const bool wing = std::abs(x - 30) < 6 && y > 1 && y < 30;
      p[static_cast<size_t>(y * 64 + x)] = body || wing ? 0xFF8090A0u : 0xFFFF00FFu;
    }
  Image img = create_image(64, 32, p);
  mid_handle_image(img);
  return img;
}

Image bomb() {
  std::vector<uint32_t> p(16 * 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      p[static_cast<size_t>(y * 16 + x)] = std::hypot(x + 0.5 - 8, y + 0.5 - 8) < 6 ? 0xFF303030u : 0xFFFF00FFu;
  Image img = create_image(16, 16, p);
  mid_handle_image(img);
  return img;
}

// Bomb offsets from the airplane's centre: inside the body, beside it in the empty corner of the box
// (boxes overlap, no pixel does: the slowest answer), and well away.
void collide_pairs(benchmark::State& state, float dx, float dy, bool expected) {
  platform_init(PlatformMode::Headless);
  Image plane = airplane(), b = bomb();
  int answers = 0;
  for (auto _ : state) {
    const bool hit = images_collide_transformed(plane, 500, 400, 0, 17.0f, 1.3f, -1.3f, b, 500 + dx, 400 + dy, 0, 33.0f,
                                                1.2f, 1.2f);
    answers += hit == expected;
    benchmark::DoNotOptimize(hit);
  }
  if (answers != static_cast<int>(state.iterations())) state.SkipWithError("unexpected collision answer");
  state.counters["pairs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_CollideOverlapping(benchmark::State& state) { collide_pairs(state, 10, 3, true); }
void BM_CollideNearMiss(benchmark::State& state) { collide_pairs(state, -30, 28, false); }
void BM_CollideApart(benchmark::State& state) { collide_pairs(state, 200, 0, false); }
BENCHMARK(BM_CollideOverlapping);
BENCHMARK(BM_CollideNearMiss);
BENCHMARK(BM_CollideApart);

// One frame of 3000 turned, scaled, alpha-blended 32x32 sprites over a cleared screen.
void BM_Frame3000Sprites(benchmark::State& state) {
  platform_init(PlatformMode::Headless);
  open_graphics(1024, 768, 0, 60);
  std::vector<uint32_t> p(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const double r = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
      p[static_cast<size_t>(y * 32 + x)] = r < 15 ? 0xFF000000u | static_cast<uint32_t>(x * 8) << 16 | 0x8000u | 0x40u
                                                  : 0xFFFF00FFu;
    }
  Image sprite = create_image(32, 32, p);
  mid_handle_image(sprite);
  struct Sprite {
    float x, y, rot, scale, alpha;
  };
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::vector<Sprite> sprites(3000);
  for (Sprite& s : sprites) s = {u(rng) * 1024, u(rng) * 768, u(rng) * 360, 0.5f + u(rng), 0.3f + 0.7f * u(rng)};
  set_blend(BLEND_ALPHA);
  set_color(255, 255, 255);
  for (auto _ : state) {
    clear_screen();
    for (const Sprite& s : sprites) {
      set_rotation(s.rot);
      set_scale(s.scale, s.scale);
      set_alpha(s.alpha);
      draw_image(sprite, s.x, s.y);
    }
    benchmark::DoNotOptimize(frame_pixels()[512 * 1024 + 384]);
  }
  close_graphics();
}
BENCHMARK(BM_Frame3000Sprites)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
