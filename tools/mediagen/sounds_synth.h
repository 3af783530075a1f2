// Sound synthesis toolkit of the media generator: oscillators, envelopes, filters, reverb and levelling.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mediagen::snd {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;

struct Stereo {
  Mono l, r;
  Stereo() = default;
  explicit Stereo(size_t n) : l(n, 0.0f), r(n, 0.0f) {}
  size_t size() const { return l.size(); }
  void resize(size_t n) {
    l.resize(n, 0.0f);
    r.resize(n, 0.0f);
  }
};

inline size_t samples(double seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }
inline double midi_hz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
inline float db_gain(double db) { return static_cast<float>(std::pow(10.0, db / 20.0)); }
inline double gain_db(double g) { return g > 1e-12 ? 20.0 * std::log10(g) : -240.0; }

// Small, fixed-seed generator so every run of the generator produces the same bytes.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) { next(); }
  uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 7;
    s_ ^= s_ << 17;
    return static_cast<uint32_t>(s_ >> 16);
  }
  float uni() { return static_cast<float>(next() >> 8) / 16777216.0f; }  // [0, 1)
  float bi() { return uni() * 2.0f - 1.0f; }                             // [-1, 1)
  float range(float a, float b) { return a + (b - a) * uni(); }
  int irange(int a, int b) { return a + static_cast<int>(next() % static_cast<uint32_t>(b - a + 1)); }

 private:
  uint64_t s_;
};

// Band-limited oscillator (polyBLEP) with a phase in cycles.
class Osc {
 public:
  explicit Osc(double phase = 0.0) : ph_(phase) {}
  float sine(double hz);
  float saw(double hz);
  float square(double hz, double width = 0.5);
  float tri(double hz);
  double phase() const { return ph_; }

 private:
  double advance(double hz);
  double ph_;
  float tri_state_ = 0.0f;
};

// Standard RBJ biquad; `set` may be called every sample for sweeps.
class Biquad {
 public:
  enum Type { LowPass, HighPass, BandPass, Peak, LowShelf, HighShelf, Notch };
  Biquad() = default;
  Biquad(Type t, double hz, double q, double db = 0.0) { set(t, hz, q, db); }
  void set(Type t, double hz, double q, double db = 0.0);
  float process(float x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }
  void run(Mono& m) {
    for (auto& s : m) s = process(s);
  }

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, z1_ = 0, z2_ = 0;
};

class OnePole {
 public:
  explicit OnePole(double hz = 1000.0) { set(hz); }
  void set(double hz) { a_ = std::exp(-2.0 * kPi * hz / kRate); }
  float lp(float x) { return y_ = static_cast<float>(x + a_ * (y_ - x)); }
  float hp(float x) { return x - lp(x); }

 private:
  double a_ = 0.0;
  float y_ = 0.0f;
};

// Attack-decay-sustain-release envelope at time t (s) for a note held for `hold` seconds.
float adsr(double t, double a, double d, double s, double r, double hold);
// Percussive envelope: short linear attack then exponential decay with time constant tau.
float perc(double t, double attack, double tau);

// Stereo reverb of the Schroeder/Moorer kind: parallel damped combs then series allpasses.
class Reverb {
 public:
  Reverb(double room = 0.8, double damp = 0.3, double width = 1.0);
  void process(float in_l, float in_r, float& out_l, float& out_r);
  Stereo run(const Stereo& in, size_t tail);

 private:
  struct Comb {
    std::vector<float> buf;
    size_t i = 0;
    float store = 0.0f;
  };
  struct Allpass {
    std::vector<float> buf;
    size_t i = 0;
  };
  Comb comb_[2][8];
  Allpass ap_[2][4];
  float feedback_, damp_, width_;
};

// Tempo-synced stereo echo with a darkening feedback path; `pingpong` crosses the channels.
Stereo echo(const Stereo& in, double delay_s, float feedback, float mix, bool pingpong, double damp_hz, size_t tail);

// Levelling and clean edges.
float peak(const Mono& m);
float rms(const Mono& m, size_t from = 0, size_t to = SIZE_MAX);
// RMS of the loud part: 50 ms windows within 20 dB of the loudest one.
float gated_rms(const Mono& m);
void scale(Mono& m, float g);
void fade(Mono& m, double in_s, double out_s);
// Brings an effect to a common perceived loudness, keeping its peak at or below `ceiling_db`.
void level(Mono& m, double target_rms_db, double ceiling_db);
// Smooth lookahead peak limiter with ceiling `ceiling` (linear).
void limit(Mono& m, float ceiling, double release_s = 0.08);
void limit(Stereo& s, float ceiling, double release_s = 0.08);
float soft_clip(float x);
// Trims leading/trailing near-silence (below `threshold` linear), keeping `pad` seconds.
void trim(Mono& m, float threshold, double pad_s = 0.01);

// Resampling by a speed factor (>1 faster and higher) with cubic interpolation.
Mono resample(const Mono& in, double speed);

// Places `src` into `dst` at sample `at` with gain; grows dst as needed.
void mix(Mono& dst, const Mono& src, size_t at, float gain = 1.0f);
void mix(Stereo& dst, const Mono& src, size_t at, float gain, float pan);
void mix(Stereo& dst, const Stereo& src, size_t at, float gain = 1.0f);

// Vowel made of a glottal source through parallel formant resonators.
struct Formants {
  double f[4];
  double bw[4];
  double gain_db[4];
};
Formants vowel(char v);  // 'a', 'e', 'i', 'o', 'u', 'E' (as in "hat"), 'U' (as in "up")
// Pitch track and vowel morph are given per sample by callbacks-free arrays: pitch[i] in Hz,
// amp[i] envelope, breath[i] share of noise; vowel interpolates from `from` to `to` by morph[i].
Mono voice(const std::vector<float>& pitch, const std::vector<float>& amp, const std::vector<float>& breath,
           const Formants& from, const Formants& to, const std::vector<float>& morph, Rng& rng);

}  // namespace mediagen::snd
