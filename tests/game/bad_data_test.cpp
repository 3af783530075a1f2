// Players edit the level files: mangled configuration, presets and waves must never crash the game.
#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "world_fixture.h"

namespace {

// Deterministic mangling of a data file: values replaced by nonsense, lines dropped or doubled.
std::string mangle(const std::string& text, unsigned seed) {
  static const char* const junk[] = {"-99999999", "abc", "", "1e39", "-1e39", "nan", "-1", "0", "2147483647",
                                     "$FFFFFFFF", "%1111", "[", "0.0000001", "-0", "999999999999", "gfx/", "x:y"};
  std::istringstream in(text);
  std::string line, out;
  unsigned r = seed * 2654435761u + 1;
  auto next = [&r] { return r = r * 1103515245u + 12345u, (r >> 16) & 0x7FFF; };
  while (std::getline(in, line)) {
    const unsigned roll = next() % 10;
    const auto colon = line.find(':');
    if (roll == 0) continue;  // dropped
    if (roll < 4 && colon != std::string::npos) line = line.substr(0, colon + 1) + junk[next() % std::size(junk)];
    out += line + "\n";
    if (roll == 9) out += line + "\n";  // doubled
  }
  return out;
}

class BadData : public WorldTest {};

TEST_F(BadData, MangledLevelFilesNeitherCrashNorBreakTheBloodBudget) {
  namespace fs = std::filesystem;
  const fs::path src = fs::path(PELLARON_SOURCE_DIR) / "data/training";
  // 34 asks for billions of starting humans, 41 deals absurd damage.
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 34u, 41u}) {
    World::resetLists();
    World::blood_count = 0;
    if (std::getenv("BAD_DATA_TRACE")) std::fprintf(stderr, "seed %u\n", seed);
    fs::create_directories("data/training");
    for (const char* f : {"config.txt", "airplanes.txt", "bombs.txt", "levels.txt"})
      write_file(std::string("data/training/") + f, mangle(read_file((src / f).string()), seed * 7 + f[0]));
    load_config("training/config.txt");
    Airplane::load_presets("training/airplanes.txt");
    Bomb::load_presets("training/bombs.txt");
    p = Player::create();
    for (int i = 0; i < 4; ++i) Human::create(50);
    int k = 0;
    for (const auto& pr : Airplane::presets) {
      World::createAirplane(pr->name, 100 + (k * 97) % 800, 80 + (k * 41) % 300, k % 2 ? 180 : 0, 0);
      World::createHelper(pr->name, 500, 200, 0);
      ++k;
    }
    for (const auto& pr : Bomb::presets) {
      World::createEnemyBomb(pr->name, 300 + (k * 31) % 400, 100, 90, nullptr);
      if (!AIRPLANELIST.is_empty()) World::createPlayerBomb(pr->name, 60, 690, 270, AIRPLANELIST.first());
      ++k;
    }
    for (int f = 0; f < 120; ++f) {
      headless_advance(20);
      TIME = f % 7 == 0 ? 3.0f : 1.0f;
      if (f % 30 == 0)
        for (auto a : AIRPLANELIST) a->hit(5);
      for (auto b : ENEMYBOMBLIST) b->update();
      for (auto b : PLAYERBOMBLIST) b->update();
      for (auto a : AIRPLANELIST) a->update();
      for (auto a : HELPERLIST) a->update();
      for (auto h : HUMANLIST) h->update();
      for (auto q : PARTICLELIST)
        if (q->update() == 0) PARTICLELIST.remove(q);
      World::update_infos();
      p->draw();
    }
    int blood = 0;
    for (auto q : PARTICLELIST)
      if (dynamic_cast<Blood*>(q.get())) ++blood;
    EXPECT_EQ(World::blood_count, blood) << "seed " << seed;
    EXPECT_LE(blood, MAX_PARTICLES + 1) << "seed " << seed;
  }
}

}  // namespace
