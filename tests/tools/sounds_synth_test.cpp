// Tests of the sound toolkit the media generator builds every effect and track with.
#include <gtest/gtest.h>

#include <cmath>

// The toolkit has no dependencies of its own, so it is compiled straight into the tests.
#include "../../tools/mediagen/sounds_synth.cpp"

namespace {

using namespace mediagen::snd;

Mono tone(double hz, double seconds, float amp) {
  Mono m(samples(seconds));
  Osc o;
  for (auto& s : m) s = o.sine(hz) * amp;
  return m;
}

int zero_crossings(const Mono& m) {
  int n = 0;
  for (size_t i = 1; i < m.size(); ++i) n += (m[i - 1] < 0) != (m[i] < 0);
  return n;
}

TEST(SoundSynth, LimiterHoldsTheCeilingAndLeavesQuietPartsAlone) {
  // A quiet passage, a burst far over the ceiling, then quiet again.
  Mono m = tone(220, 0.5, 0.2f);
  Mono loud = tone(220, 0.05, 3.0f);
  mix(m, loud, samples(0.2));
  limit(m, 0.5f, 0.02);
  EXPECT_LE(peak(m), 0.5f + 1e-6f);
  // Well before the burst and after the release the signal is untouched.
  const Mono ref = tone(220, 0.5, 0.2f);
  for (size_t i : {samples(0.05), samples(0.1), samples(0.45), samples(0.49)}) EXPECT_NEAR(m[i], ref[i], 1e-4f) << i;
  // No sudden gain step: the gain ramps in over the lookahead, so neighbours stay close.
  float worst = 0.0f;
  for (size_t i = 1; i < m.size(); ++i) worst = std::max(worst, std::fabs(m[i] - m[i - 1]));
  EXPECT_LT(worst, 0.05f);
}

TEST(SoundSynth, LevelBringsDifferentSoundsToTheSameLoudness) {
  Mono quiet = tone(440, 0.4, 0.01f), loud = tone(90, 1.0, 0.9f);
  // Silence around a sound must not pull its loudness down.
  Mono padded(samples(2.0), 0.0f);
  mix(padded, tone(440, 0.3, 0.3f), samples(0.8));
  for (Mono* m : {&quiet, &loud, &padded}) {
    level(*m, -15.0, -1.0);
    EXPECT_NEAR(gain_db(gated_rms(*m)), -15.0, 0.5);
    EXPECT_LE(peak(*m), db_gain(-1.0) + 1e-6f);
  }
}

TEST(SoundSynth, ResampleChangesPitchAndLengthTogether) {
  const Mono src = tone(300, 1.0, 0.8f);
  const struct {
    double speed;
    double hz;
  } cases[] = {{0.5, 150}, {0.8, 240}, {2.0, 600}};
  for (const auto& c : cases) {
    const Mono out = resample(src, c.speed);
    EXPECT_NEAR(static_cast<double>(out.size()), src.size() / c.speed, 2.0) << c.speed;
    const double secs = static_cast<double>(out.size()) / kRate;
    EXPECT_NEAR(zero_crossings(out) / (2.0 * secs), c.hz, c.hz * 0.01) << c.speed;
  }
}

TEST(SoundSynth, EdgesAreSilentAfterFadeAndTrim) {
  Mono m(samples(0.1), 0.0f);
  mix(m, tone(1000, 0.3, 0.9f), samples(0.1));
  m.resize(m.size() + samples(0.2), 0.0f);
  trim(m, 0.001f, 0.01);
  EXPECT_NEAR(static_cast<double>(m.size()) / kRate, 0.32, 0.002);
  fade(m, 0.005, 0.02);
  EXPECT_EQ(m.front(), 0.0f);
  EXPECT_LT(std::fabs(m.back()), 1e-3f);
  EXPECT_NEAR(peak(m), 0.9f, 0.01f);
}

TEST(SoundSynth, OscillatorsHitTheirFrequencyWithoutOvershoot) {
  Osc saw, sq;
  Mono a(kRate), b(kRate);
  for (size_t i = 0; i < a.size(); ++i) {
    a[i] = saw.saw(440.0);
    b[i] = sq.square(440.0);
  }
  EXPECT_NEAR(zero_crossings(a), 880, 2);
  EXPECT_NEAR(zero_crossings(b), 880, 2);
  EXPECT_LT(peak(a), 1.3f);
  EXPECT_LT(peak(b), 1.3f);
}

TEST(SoundSynth, BiquadPassesAndStopsWhereItShould) {
  auto gain_of = [](Biquad f, double hz) {
    Mono m = tone(hz, 0.5, 1.0f);
    f.run(m);
    return rms(m, m.size() / 2) / rms(tone(hz, 0.5, 1.0f));
  };
  EXPECT_NEAR(gain_of(Biquad(Biquad::LowPass, 1000, 0.707), 100), 1.0f, 0.02f);
  EXPECT_LT(gain_of(Biquad(Biquad::LowPass, 1000, 0.707), 8000), 0.03f);
  EXPECT_LT(gain_of(Biquad(Biquad::HighPass, 1000, 0.707), 100), 0.02f);
  EXPECT_NEAR(gain_of(Biquad(Biquad::BandPass, 2000, 4), 2000), 1.0f, 0.02f);
  EXPECT_NEAR(gain_db(gain_of(Biquad(Biquad::LowShelf, 200, 0.707, 6.0), 40)), 6.0, 0.5);
}

TEST(SoundSynth, RandomStreamsRepeatForTheSameSeed) {
  Rng a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const float x = a.uni();
    EXPECT_EQ(x, b.uni());
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
    differs |= x != c.uni();
  }
  EXPECT_TRUE(differs);
}

}  // namespace
