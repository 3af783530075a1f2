// Tests of the generated sound files in the run tree: channels, sample rate and length of every sound.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct OggInfo {
  bool ok = false;
  int channels = 0;
  uint32_t rate = 0;
  double seconds = 0.0;
};

uint64_t le(const uint8_t* p, int n) {
  uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// Reads the Vorbis identification header and the last page's sample position.
OggInfo inspect(const std::string& path) {
  OggInfo info;
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 64 || std::memcmp(b.data(), "OggS", 4) != 0) return info;
  const uint8_t id[] = {1, 'v', 'o', 'r', 'b', 'i', 's'};
  size_t at = 0;
  while (at + 16 < 128 && std::memcmp(&b[at], id, sizeof id) != 0) ++at;
  if (at + 16 >= 128) return info;
  info.channels = b[at + 11];
  info.rate = static_cast<uint32_t>(le(&b[at + 12], 4));
  size_t last = b.size() - 4;
  while (last > 0 && std::memcmp(&b[last], "OggS", 4) != 0) --last;
  if (last + 14 > b.size() || info.rate == 0) return info;
  info.seconds = static_cast<double>(le(&b[last + 6], 8)) / info.rate;
  info.ok = (b[last + 5] & 4) != 0;  // the stream is closed by an end-of-stream page
  return info;
}

TEST(SoundFiles, EachSoundHasItsChannelsRateAndLength) {
  const struct {
    const char* name;
    int channels;
    double min_s, max_s;
  } files[] = {
      // Music loops long enough not to tire the player.
      {"menu", 2, 60, 120},
      {"game", 2, 90, 180},
      {"game2", 2, 90, 180},
      {"game3", 2, 90, 180},
      {"welcome", 1, 1.5, 8},
      // Interface sounds stay short so quick clicks do not pile up.
      {"menu_change", 1, 0.02, 0.3},
      {"menu_click", 1, 0.05, 0.5},
      {"menu_changemenu", 1, 0.1, 1.0},
      {"beep", 1, 0.05, 0.6},
      {"pay", 1, 0.2, 2},
      {"nomoney", 1, 0.2, 1.5},
      {"shoot", 1, 0.2, 2},
      {"scream1", 1, 0.15, 1.2},
      {"scream2", 1, 0.15, 1.2},
      {"scream3", 1, 0.15, 1.2},
      {"scream4", 1, 0.15, 1.2},
      {"bloodscream", 1, 0.5, 3},
      {"anthrax", 1, 0.5, 3},
      {"explosion2", 1, 1, 5},
      {"explosion3", 1, 1, 5},
      {"crash_shot", 1, 0.3, 3},
      {"gong", 1, 2, 8},
      {"laugh", 1, 1, 5},
      {"win", 1, 1, 4},
      {"winner", 1, 3, 7},
      {"doublekill", 1, 0.5, 4},
      {"tripplekill", 1, 0.5, 4},
      {"multikill", 1, 0.5, 4},
      {"ultrakill", 1, 0.5, 4},
      {"monsterkill", 1, 0.5, 4},
      {"unstoppable", 1, 0.5, 4},
      {"wickedsick", 1, 0.5, 4},
  };
  for (const auto& f : files) {
    const OggInfo info = inspect(std::string(PELLARON_RUN_TREE) + "/sfx/" + f.name + ".ogg");
    EXPECT_TRUE(info.ok) << f.name;
    EXPECT_EQ(info.channels, f.channels) << f.name;
    EXPECT_EQ(info.rate, 44100u) << f.name;
    EXPECT_GE(info.seconds, f.min_s) << f.name;
    EXPECT_LE(info.seconds, f.max_s) << f.name;
  }
}

}  // namespace
