// Time of the player's frame (target picking over 100 airplanes and 300 bombs, towers, cannons, crosshair), headless.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <unistd.h>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "headless.h"
#include "player.h"
#include "shell.h"
#include "world_lists.h"

namespace {

bool setup_player_world() {
  if (!enter_training_level(5, false, true)) return false;
  if (Airplane::presets.empty() || Bomb::presets.empty()) return false;
  for (int k = 0; k < 100; ++k) {
    const auto& pr = Airplane::presets[k % Airplane::presets.size()];
    auto a = World::createAirplane(pr->name, rand_int(50, 970), rand_int(40, 400), rand_int(0, 359), 0);
    a->draw_scale_x = a->scale_x;
    a->draw_scale_y = a->scale_y;
  }
  for (int k = 0; k < 300; ++k) World::createEnemyBomb("BOMB", rand_int(30, 990), rand_int(0, 600), 90, nullptr);
  headless_mouse_move(512, 250);
  return true;
}

void BM_PlayerFrame(benchmark::State& state) {
  if (!setup_player_world()) {
    state.SkipWithError("training data not found in the run tree");
    return;
  }
  for (auto _ : state) {
    headless_advance(20);
    p->update();
    p->draw();
  }
  World::resetLists();
  p.reset();
}
BENCHMARK(BM_PlayerFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
