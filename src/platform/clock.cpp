// Time (the real steady clock or the headless virtual clock) and the deterministic random number generator.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <random>
#include <thread>

#include "headless.h"
#include "internal.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point g_real_start = SteadyClock::now();
int64_t g_virtual_ms = 0;

// Headless runs must replay identically, so they start from a fixed seed; the real game gets a
// fresh sequence every start, as players expect waves to differ between games.
constexpr uint32_t HEADLESS_SEED = 20240611u;
std::mt19937 g_rng(HEADLESS_SEED);

// A double in [0, 1) built from 53 random bits, the same on every standard library.
double uniform01() {
  const uint64_t hi = g_rng() >> 5;  // 27 bits
  const uint64_t lo = g_rng() >> 6;  // 26 bits
  return static_cast<double>((hi << 26) | lo) * (1.0 / 9007199254740992.0);
}

}  // namespace

// The layer's own time base: audio bookkeeping reads it without showing up in the journal.
int64_t platform_detail::now_ms() {
  if (platform_mode() == PlatformMode::Headless) return g_virtual_ms;
  return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - g_real_start).count();
}

int millisecs() {
  // Wraps like a 32-bit tick counter after about 24 days.
  const int ms = static_cast<int>(static_cast<uint32_t>(platform_detail::now_ms()));
  platform_detail::journal_clock(ms);
  return ms;
}

int64_t calendar_seconds() { return static_cast<int64_t>(std::time(nullptr)); }

void delay(int ms) {
  if (ms <= 0) return;
  if (platform_mode() == PlatformMode::Headless) {
    g_virtual_ms += ms;
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

void headless_advance(int ms) {
  if (ms > 0) g_virtual_ms += ms;
}

void headless_set_time(int ms) { g_virtual_ms = ms; }

void seed_random(uint32_t seed) { g_rng.seed(seed); }

int rand_int(int a, int b) {
  const int64_t lo = std::min(a, b);
  const int64_t span = std::abs(static_cast<int64_t>(b) - static_cast<int64_t>(a)) + 1;
  // u < 1 keeps u * span below span even for a span of 2^32.
  const auto offset = static_cast<int64_t>(uniform01() * static_cast<double>(span));
  return static_cast<int>(lo + offset);
}

int rand_int(int n) { return rand_int(1, n); }

float rand_float(float a, float b) {
  const auto r = static_cast<float>(static_cast<double>(a) + uniform01() * (static_cast<double>(b) - a));
  // Rounding to float can land on b itself; the upper end stays excluded.
  if (a < b && r >= b) return std::nextafter(b, a);
  return r;
}

float rand_float(float x) { return rand_float(0.0f, x); }

void platform_detail::clock_reset() {
  g_virtual_ms = 0;
  if (platform_mode() == PlatformMode::Headless) {
    g_rng.seed(HEADLESS_SEED);
  } else {
    g_rng.seed(static_cast<uint32_t>(std::time(nullptr)) ^
               static_cast<uint32_t>(SteadyClock::now().time_since_epoch().count()));
  }
}
