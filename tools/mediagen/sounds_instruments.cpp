// Playable instruments of the media generator: each renders one note into a buffer starting at its onset.
#include "sounds_instruments.h"

#include <algorithm>

namespace mediagen::snd {

namespace {

double at(size_t i) { return static_cast<double>(i) / kRate; }

}  // namespace

Mono kick(float vel, double tune) {
  Mono m(samples(0.45));
  double ph = 0.0;
  OnePole click_lp(3000.0);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const double hz = (48.0 + 110.0 * std::exp(-t / 0.035)) * tune;
    ph += hz / kRate;
    const float body = static_cast<float>(std::sin(2 * kPi * ph)) * perc(t, 0.001, 0.16);
    const float click = click_lp.lp(i < 40 ? (i % 2 ? 1.0f : -1.0f) : 0.0f) * 0.5f;
    m[i] = soft_clip((body + click) * 1.4f) * vel;
  }
  fade(m, 0.0, 0.05);
  return m;
}

Mono snare(float vel, Rng& rng, double tone_hz) {
  Mono m(samples(0.32));
  Biquad bp(Biquad::BandPass, 2200.0, 0.6), hp(Biquad::HighPass, 900.0, 0.7);
  Osc o1, o2;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float noise = hp.process(bp.process(rng.bi()) * 2.0f + rng.bi() * 0.3f) * perc(t, 0.0008, 0.075);
    const float tone = (o1.sine(tone_hz * (1 + 0.3 * std::exp(-t / 0.01))) * 0.6f + o2.sine(tone_hz * 1.6) * 0.3f) *
                       perc(t, 0.0008, 0.045);
    m[i] = (noise * 0.9f + tone) * vel;
  }
  fade(m, 0.0, 0.04);
  return m;
}

Mono hat(float vel, bool open, Rng& rng) {
  Mono m(samples(open ? 0.35 : 0.07));
  Biquad hp(Biquad::HighPass, 7000.0, 0.8), pk(Biquad::Peak, 10000.0, 1.0, 6.0);
  Osc sq[6];
  static const double ratios[6] = {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523};
  for (size_t i = 0; i < m.size(); ++i) {
    float metal = 0.0f;
    for (int k = 0; k < 6; ++k) metal += sq[k].square(410.0 * ratios[k]);
    const float x = metal * 0.12f + rng.bi() * 0.5f;
    m[i] = pk.process(hp.process(x)) * perc(at(i), 0.0005, open ? 0.11 : 0.018) * vel;
  }
  fade(m, 0.0, 0.01);
  return m;
}

Mono clap(float vel, Rng& rng) {
  Mono m(samples(0.3));
  Biquad bp(Biquad::BandPass, 1400.0, 1.2);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    float env = 0.0f;
    for (int k = 0; k < 3; ++k) env = std::max(env, perc(t - k * 0.011, 0.0005, 0.008));
    env = std::max(env, perc(t - 0.033, 0.0005, 0.09));
    m[i] = bp.process(rng.bi()) * env * 2.5f * vel;
  }
  fade(m, 0.0, 0.03);
  return m;
}

Mono crash(float vel, Rng& rng, double seconds) {
  Mono m(samples(seconds));
  Biquad hp(Biquad::HighPass, 3500.0, 0.6), pk(Biquad::Peak, 6500.0, 0.8, 5.0);
  Osc sq[8];
  double f[8];
  for (double& x : f) x = rng.range(300.0, 1400.0);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    float metal = 0.0f;
    for (int k = 0; k < 8; ++k) metal += sq[k].square(f[k]);
    const float x = metal * 0.1f + rng.bi() * 0.6f;
    m[i] = pk.process(hp.process(x)) * perc(t, 0.002, seconds * 0.28) * vel;
  }
  fade(m, 0.0, seconds * 0.3);
  return m;
}

Mono timpani(double hz, float vel, Rng& rng) {
  Mono m(samples(1.6));
  Osc a, b, c;
  Biquad lp(Biquad::LowPass, 500.0, 0.7);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const double bend = 1.0 + 0.04 * std::exp(-t / 0.05);
    const float tone = a.sine(hz * bend) * perc(t, 0.002, 0.55) + b.sine(hz * 1.5 * bend) * 0.45f * perc(t, 0.002, 0.3) +
                       c.sine(hz * 1.99 * bend) * 0.25f * perc(t, 0.002, 0.2);
    const float thud = lp.process(rng.bi()) * perc(t, 0.001, 0.03) * 3.0f;
    m[i] = (tone + thud) * vel;
  }
  fade(m, 0.0, 0.3);
  return m;
}

Mono bass(double hz, double gate, float vel, double cutoff) {
  Mono m(samples(gate + 0.08));
  Osc saw, sub;
  Biquad lp;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    if (i % 16 == 0) lp.set(Biquad::LowPass, cutoff * (0.6 + 2.4 * std::exp(-t / 0.07)), 1.4);
    const float x = saw.saw(hz) * 0.7f + sub.square(hz * 0.5, 0.5) * 0.35f;
    m[i] = lp.process(x) * adsr(t, 0.003, 0.15, 0.7, 0.06, gate) * vel;
  }
  return m;
}

Mono brass(double hz, double gate, float vel, Rng& rng) {
  Mono m(samples(gate + 0.25));
  Osc o[3] = {Osc(rng.uni()), Osc(rng.uni()), Osc(rng.uni())};
  Biquad lp;
  const double det[3] = {1.0, 1.004, 0.9965};
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float env = adsr(t, 0.035, 0.25, 0.75, 0.22, gate);
    if (i % 16 == 0) lp.set(Biquad::LowPass, hz * (1.5 + 7.0 * env * vel), 0.9);
    const double vib = 1.0 + 0.004 * std::sin(2 * kPi * 5.2 * t) * std::min(1.0, t / 0.3);
    float x = 0.0f;
    for (int k = 0; k < 3; ++k) x += o[k].saw(hz * det[k] * vib);
    m[i] = lp.process(x * 0.4f) * env * vel;
  }
  return m;
}

Stereo pad(double hz, double gate, float vel, double cutoff, Rng& rng) {
  Stereo s(samples(gate + 0.9));
  Osc o[4] = {Osc(rng.uni()), Osc(rng.uni()), Osc(rng.uni()), Osc(rng.uni())};
  const double det[4] = {0.994, 1.006, 0.998, 1.003};
  Biquad lpl(Biquad::LowPass, cutoff, 0.7), lpr(Biquad::LowPass, cutoff, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    const float env = adsr(at(i), 0.35, 0.5, 0.8, 0.8, gate) * vel * 0.3f;
    const float a = o[0].saw(hz * det[0]) + o[2].saw(hz * det[2]);
    const float b = o[1].saw(hz * det[1]) + o[3].saw(hz * det[3]);
    s.l[i] = lpl.process(a * 0.8f + b * 0.2f) * env;
    s.r[i] = lpr.process(b * 0.8f + a * 0.2f) * env;
  }
  return s;
}

Mono lead(double hz, double gate, float vel, double vibrato_depth, bool square) {
  Mono m(samples(gate + 0.15));
  Osc a, b, lfo;
  Biquad lp;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const double vib = 1.0 + vibrato_depth * lfo.sine(5.5) * std::clamp((t - 0.15) / 0.25, 0.0, 1.0);
    const float env = adsr(t, 0.008, 0.2, 0.7, 0.12, gate);
    if (i % 16 == 0) lp.set(Biquad::LowPass, std::min(hz * (3.0 + 6.0 * std::exp(-t / 0.12)), 9000.0), 1.0);
    const float x = square ? a.square(hz * vib, 0.35) * 0.6f + b.saw(hz * vib * 1.003) * 0.4f
                           : a.saw(hz * vib) * 0.55f + b.saw(hz * vib * 1.005) * 0.45f;
    m[i] = lp.process(x) * env * vel * 0.5f;
  }
  return m;
}

Mono pluck(double hz, double gate, float vel, double brightness) {
  Mono m(samples(std::max(gate, 0.05) + 0.25));
  Osc a, b;
  Biquad lp;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    if (i % 16 == 0) lp.set(Biquad::LowPass, std::min(hz * (1.5 + 14.0 * brightness * std::exp(-t / 0.06)), 12000.0), 1.6);
    const float env = perc(t, 0.002, 0.25) * adsr(t, 0.001, 0.0, 1.0, 0.15, gate);
    m[i] = lp.process(a.saw(hz) * 0.6f + b.square(hz * 1.002, 0.3) * 0.4f) * env * vel * 0.6f;
  }
  return m;
}

Mono bell(double hz, double seconds, float vel, double brightness) {
  Mono m(samples(seconds));
  double pc = 0.0, pm = 0.0;
  Osc shimmer;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const double index = brightness * (1.5 + 4.0 * std::exp(-t / 0.25));
    pm += hz * 3.5 / kRate;
    pc += hz / kRate;
    const double v = std::sin(2 * kPi * pc + index * std::sin(2 * kPi * pm));
    const float hi = shimmer.sine(hz * 4.07) * perc(t, 0.001, 0.12) * 0.25f;
    m[i] = (static_cast<float>(v) * perc(t, 0.001, seconds * 0.3) + hi) * vel * 0.5f;
  }
  fade(m, 0.0, std::min(0.3, seconds * 0.3));
  return m;
}

Mono riser(double seconds, bool up, Rng& rng) {
  Mono m(samples(seconds));
  Biquad bp;
  for (size_t i = 0; i < m.size(); ++i) {
    const double k = at(i) / seconds;
    const double u = up ? k : 1.0 - k;
    if (i % 16 == 0) bp.set(Biquad::BandPass, 300.0 * std::pow(25.0, u), 1.5);
    const float env = static_cast<float>(up ? k * k : (1.0 - k) * (1.0 - k));
    m[i] = bp.process(rng.bi()) * env * 1.5f;
  }
  fade(m, 0.01, 0.02);
  return m;
}

}  // namespace mediagen::snd
