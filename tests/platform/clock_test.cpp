// Virtual clock, the session journal's clock readings, and the bounds of the random number helpers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "headless.h"

namespace {

struct ClockTest : ::testing::Test {
  void SetUp() override { platform_init(PlatformMode::Headless); }
  void TearDown() override { set_journal(nullptr); }
};

TEST_F(ClockTest, VirtualClockMovesOnlyWhenAdvancedAndEveryReadingIsJournalled) {
  std::vector<int> readings;
  set_journal([&](const JournalEntry& j) {
    if (j.kind == JournalEntry::Clock) readings.push_back(j.millis);
  });
  EXPECT_EQ(millisecs(), 0);
  headless_advance(250);
  delay(50);
  EXPECT_EQ(millisecs(), 300);
  headless_advance(-40);  // the clock never runs backwards by advancing
  headless_set_time(1000);
  EXPECT_EQ(millisecs(), 1000);
  EXPECT_EQ(readings, (std::vector<int>{0, 300, 1000}));
  platform_init(PlatformMode::Headless);
  EXPECT_EQ(millisecs(), 0);
}

TEST_F(ClockTest, SameSeedGivesTheSameSequence) {
  seed_random(42);
  std::vector<int> a, b;
  for (int i = 0; i < 20; ++i) a.push_back(rand_int(1, 1000000));
  seed_random(42);
  for (int i = 0; i < 20; ++i) b.push_back(rand_int(1, 1000000));
  EXPECT_EQ(a, b);
  seed_random(43);
  EXPECT_NE(a.front(), rand_int(1, 1000000));
}

TEST_F(ClockTest, RandIntStaysWithinBothBoundsAndReachesThem) {
  struct Case {
    int a, b;
  };
  const Case cases[] = {{1, 6}, {6, 1}, {-3, 3}, {5, 5}, {0, 1}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN},
                        {INT_MAX - 1, INT_MAX}, {INT_MIN, INT_MIN + 2}};
  seed_random(7);
  for (const auto& c : cases) {
    const int lo = std::min(c.a, c.b), hi = std::max(c.a, c.b);
    const bool small = static_cast<int64_t>(hi) - lo < 10;
    bool saw_lo = false, saw_hi = false;
    for (int i = 0; i < 4000; ++i) {
      const int r = rand_int(c.a, c.b);
      ASSERT_GE(r, lo) << c.a << ".." << c.b;
      ASSERT_LE(r, hi) << c.a << ".." << c.b;
      saw_lo |= r == lo;
      saw_hi |= r == hi;
    }
    if (small) {
      EXPECT_TRUE(saw_lo && saw_hi) << c.a << ".." << c.b;
    }
  }
  for (int i = 0; i < 1000; ++i) {
    const int r = rand_int(3);
    ASSERT_TRUE(r >= 1 && r <= 3);
  }
  // rand_int(0) means between 0 and 1.
  for (int i = 0; i < 100; ++i) {
    const int r = rand_int(0);
    ASSERT_TRUE(r == 0 || r == 1);
  }
}

TEST_F(ClockTest, RandFloatExcludesTheUpperEnd) {
  struct Case {
    float a, b;
  };
  // 1 and its float neighbour: any u above one half would round onto the upper end.
  const Case cases[] = {{0.0f, 1.0f}, {-5.0f, 5.0f}, {1.0f, std::nextafter(1.0f, 2.0f)}, {100.0f, 100.0f},
                        {16777216.0f, 16777218.0f}};
  seed_random(11);
  for (const auto& c : cases) {
    for (int i = 0; i < 4000; ++i) {
      const float r = rand_float(c.a, c.b);
      ASSERT_GE(r, c.a);
      if (c.a < c.b) {
        ASSERT_LT(r, c.b) << c.a << ".." << c.b;
      } else {
        ASSERT_EQ(r, c.a);
      }
    }
  }
  for (int i = 0; i < 1000; ++i) {
    const float r = rand_float(2.5f);
    ASSERT_TRUE(r >= 0.0f && r < 2.5f);
  }
}

}  // namespace
