// Time of one world frame (update and draw) with 100 airplanes and 300 bombs in flight, headless.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <unistd.h>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "effects.h"
#include "headless.h"
#include "human.h"
#include "player.h"
#include "shell.h"
#include "world_lists.h"

namespace {

void setup_world() {
  if (!enter_training_level(3, false, true)) return;
  World::resetLists();
  for (int i = 0; i < 6; ++i) Human::create(60);
}

const char* const BOMB_TYPES[] = {"BOMB", "CLUSTER_BOMB", "GAS_BOMB", "FIRE_BOMB", "ROCKET_ENEMY", "BURGER"};

void refill() {
  int k = static_cast<int>(AIRPLANELIST.count());
  while (AIRPLANELIST.count() < 100) {
    const auto& pr = Airplane::presets[k % Airplane::presets.size()];
    World::createAirplane(pr->name, rand_int(50, 970), rand_int(40, 400), rand_int(0, 359), 0);
    ++k;
  }
  while (ENEMYBOMBLIST.count() < 300) World::createEnemyBomb(BOMB_TYPES[k++ % 6], rand_int(30, 990), rand_int(0, 600), 90, nullptr);
}

void BM_WorldFrame(benchmark::State& state) {
  setup_world();
  if (Airplane::presets.empty()) {
    state.SkipWithError("training data not found in the run tree");
    return;
  }
  for (auto _ : state) {
    refill();
    headless_advance(20);
    TIME = 1;
    clear_screen();
    for (auto b : ENEMYBOMBLIST) b->update();
    for (auto a : AIRPLANELIST) a->update();
    for (auto h : HUMANLIST) h->update();
    for (auto q : PARTICLELIST)
      if (q->update() == 0) PARTICLELIST.remove(q);
    World::update_infos();
  }
  state.counters["particles"] = static_cast<double>(PARTICLELIST.count());
  World::resetLists();
}
BENCHMARK(BM_WorldFrame)->Unit(benchmark::kMillisecond);

}  // namespace
