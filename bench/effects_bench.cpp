// Time of one effects frame (update and draw): 5000 blood particles, 50 explosions, 20 clouds, full rain and snow.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <unistd.h>

#include "config.h"
#include "effects.h"
#include "headless.h"
#include "human.h"
#include "player.h"
#include "shared_media.h"
#include "shell.h"
#include "weather.h"
#include "world_lists.h"

namespace {

constexpr int kBlood = 5000, kExplosions = 50, kClouds = 20;

bool setup_effects() {
  if (!enter_training_level(5, true, false)) return false;
  MAX_PARTICLES = kBlood;
  World::resetLists();
  World::blood_count = 0;
  for (int i = 0; i < 20; ++i) Human::create(1000000);
  w = Weather::create(1, 1, 1, 1, 0);
  return IMG_PARTICLE && Human::image;
}

// Tops the scene up to its counts: what ended in the last frame is replaced by a fresh one.
void refill() {
  int blood = 0, explosions = 0, clouds = 0;
  for (const auto& q : PARTICLELIST) {
    Particle* x = q.get();
    if (dynamic_cast<Blood*>(x)) ++blood;
    else if (dynamic_cast<Explosion*>(x)) ++explosions;
    else ++clouds;
  }
  static const int kinds[] = {0, 0, 1, -1, 2, 3, 5, 6};
  for (int k = blood; k < kBlood; ++k)
    World::createBlood(rand_int(0, 1023), rand_int(100, 700), rand_int(0, 359), rand_float(1, 6), rand_float(0.3f, 1),
                       kinds[k % 8], rand_int(60, 200));
  for (int k = explosions; k < kExplosions; ++k)
    World::createExplosion(k % 5 == 0 ? 1 : 0, rand_int(50, 970), rand_int(100, 700), 40, rand_float(0.5f, 2), 1, 1, 0);
  for (int k = clouds; k < kClouds; ++k)
    World::createCloud(k % 2, rand_int(50, 970), rand_int(400, 700), 200, rand_float(1, 2), 1, 1);
}

void effects_frame(bool weather) {
  refill();
  headless_advance(20);
  TIME = 1;
  clear_screen();
  if (weather) w->update(0);
  for (auto h : HUMANLIST) h->update();
  for (auto q : PARTICLELIST)
    if (q->update() == 0) PARTICLELIST.remove(q);
  if (weather) w->update(1);
}

void run(benchmark::State& state, bool weather) {
  if (!setup_effects()) {
    state.SkipWithError("media not found in the run tree");
    return;
  }
  for (auto _ : state) effects_frame(weather);
  state.counters["particles"] = static_cast<double>(PARTICLELIST.count());
  World::resetLists();
  w.reset();
}

void BM_EffectsFrame(benchmark::State& state) { run(state, true); }
void BM_EffectsFrameNoWeather(benchmark::State& state) { run(state, false); }
BENCHMARK(BM_EffectsFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EffectsFrameNoWeather)->Unit(benchmark::kMillisecond);

}  // namespace
