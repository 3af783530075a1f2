// Sound effects of the game: explosions, screams, menu ticks, shop sounds, gong and fanfares.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "sounds.h"
#include "sounds_instruments.h"

namespace mediagen::snd {

namespace {

double at(size_t i) { return static_cast<double>(i) / kRate; }

// Mono reverb tail: the mono signal through the stereo reverb, folded back to one channel.
Mono reverb_mono(const Mono& dry, double room, double damp, float wet, double tail_s) {
  Stereo in(dry.size());
  in.l = dry;
  in.r = dry;
  Reverb rv(room, damp, 1.0);
  const Stereo w = rv.run(in, samples(tail_s));
  Mono out(w.size());
  for (size_t i = 0; i < out.size(); ++i) out[i] = (i < dry.size() ? dry[i] : 0.0f) + (w.l[i] + w.r[i]) * 0.5f * wet;
  return out;
}

// Struck metal: inharmonic partials, each with a slightly detuned twin so the ring beats.
Mono metal(double f0, const std::vector<std::pair<double, double>>& partials, double tau, double seconds, Rng& rng) {
  Mono m(samples(seconds));
  for (size_t p = 0; p < partials.size(); ++p) {
    const double hz = f0 * partials[p].first;
    if (hz > 18000) continue;
    const double beat = rng.range(0.5f, 2.5f);
    const double decay = tau / (1.0 + 0.6 * static_cast<double>(p));
    double a = rng.uni(), b = rng.uni();
    for (size_t i = 0; i < m.size(); ++i) {
      const double t = at(i);
      a += hz / kRate;
      b += (hz + beat) / kRate;
      const double s = std::sin(2 * kPi * a) + 0.6 * std::sin(2 * kPi * b);
      m[i] += static_cast<float>(s * partials[p].second) * perc(t, 0.0005, decay);
    }
  }
  fade(m, 0.0, seconds * 0.4);  // the ring dies away instead of stopping at the buffer's end
  return m;
}

// Parameters of one short cry.
struct Cry {
  double seconds;
  double pitch_from, pitch_peak, pitch_to;
  char vowel_from, vowel_to;
  double formant_scale;
  double breath;
  double drive;
  uint64_t seed;
};

Formants scaled(Formants f, double k) {
  for (double& x : f.f) x *= k;
  for (double& x : f.bw) x *= k;
  return f;
}

Mono cry(const Cry& c) {
  Rng rng(c.seed);
  const size_t n = samples(c.seconds);
  std::vector<float> pitch(n), amp(n), breath(n), morph(n);
  OnePole jitter(25.0);
  for (size_t i = 0; i < n; ++i) {
    const double k = static_cast<double>(i) / static_cast<double>(n);
    const double rise = std::min(1.0, k / 0.2);
    const double p = k < 0.2 ? c.pitch_from + (c.pitch_peak - c.pitch_from) * rise
                             : c.pitch_peak + (c.pitch_to - c.pitch_peak) * std::pow((k - 0.2) / 0.8, 1.5);
    pitch[i] = static_cast<float>(p * (1.0 + 0.03 * jitter.lp(rng.bi()) * 4.0 + 0.012 * std::sin(2 * kPi * 6.5 * at(i))));
    amp[i] = static_cast<float>(std::min(1.0, at(i) / 0.015) * (k < 0.6 ? 1.0 : std::pow((1.0 - k) / 0.4, 1.3)));
    breath[i] = static_cast<float>(std::clamp(c.breath + (at(i) < 0.04 ? 0.5 : 0.0) + k * 0.25, 0.0, 0.95));
    morph[i] = static_cast<float>(std::min(1.0, k * 1.4));
  }
  Mono m = voice(pitch, amp, breath, scaled(vowel(c.vowel_from), c.formant_scale), scaled(vowel(c.vowel_to), c.formant_scale),
                 morph, rng);
  const float pk = std::max(peak(m), 1e-6f);
  for (auto& s : m) s = soft_clip(s / pk * static_cast<float>(c.drive)) / soft_clip(static_cast<float>(c.drive));
  Biquad body(Biquad::Peak, 300.0, 0.8, 3.0);
  body.run(m);
  return reverb_mono(m, 0.35, 0.5, 0.18, 0.25);
}

Mono anthrax() {
  Rng rng(11);
  Mono m(samples(1.7));
  Biquad hp(Biquad::HighPass, 1800.0, 0.7), bp, body(Biquad::BandPass, 700.0, 0.8);
  OnePole turb(9.0);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float flutter = 1.0f + turb.lp(rng.bi()) * 6.0f;
    if (i % 16 == 0) bp.set(Biquad::BandPass, 6500.0 - 2500.0 * std::min(1.0, t / 1.2), 0.6);
    const float env = static_cast<float>(std::min(1.0, t / 0.03) * (t < 0.35 ? 1.0 : std::exp(-(t - 0.35) / 0.45)));
    const float hiss = bp.process(hp.process(rng.bi())) * 1.8f;
    const float puff = body.process(rng.bi()) * 0.5f * perc(t, 0.005, 0.12);
    m[i] = (hiss * flutter + puff) * env;
  }
  return m;
}

Mono beep() {
  Mono m(samples(0.2));
  Osc a, b;
  OnePole lp(5000.0);
  for (size_t i = 0; i < m.size(); ++i) {
    const float env = adsr(at(i), 0.004, 0.05, 0.8, 0.03, 0.15);
    m[i] = (a.sine(1046.5) * 0.8f + lp.lp(b.square(1046.5)) * 0.2f) * env;
  }
  return m;
}

Mono bloodscream() {
  Rng rng(23);
  const double secs = 1.35;
  const size_t n = samples(secs);
  Mono out(n, 0.0f);
  // Two throats a little apart in pitch and timing make the scream ragged instead of sung.
  for (int layer = 0; layer < 2; ++layer) {
    std::vector<float> pitch(n), amp(n), breath(n), morph(n);
    OnePole jitter(30.0);
    for (size_t i = 0; i < n; ++i) {
      const double t = at(i), k = t / secs;
      double p = t < 0.12 ? 380.0 + 300.0 * t / 0.12 : 680.0 - 120.0 * (t - 0.12) / (secs - 0.12);
      if (k > 0.7) p *= 1.0 - 0.45 * std::pow((k - 0.7) / 0.3, 2.0);
      p *= layer == 0 ? 1.0 : 1.017;
      pitch[i] = static_cast<float>(p * (1.0 + 0.05 * jitter.lp(rng.bi()) * 4.0 + 0.025 * std::sin(2 * kPi * 7.0 * t)));
      amp[i] = static_cast<float>(std::min(1.0, t / 0.03) * (k < 0.7 ? 1.0 : std::pow((1.0 - k) / 0.3, 1.2)));
      breath[i] = static_cast<float>(0.22 + 0.4 * k);
      morph[i] = static_cast<float>(std::min(1.0, k * 1.2));
    }
    Mono v = voice(pitch, amp, breath, scaled(vowel('a'), 1.18), scaled(vowel('E'), 1.22), morph, rng);
    mix(out, v, layer == 0 ? 0 : samples(0.012), layer == 0 ? 1.0f : 0.6f);
  }
  const float pk = std::max(peak(out), 1e-6f);
  for (auto& s : out) s = soft_clip(s / pk * 2.8f);
  return reverb_mono(out, 0.5, 0.4, 0.22, 0.5);
}

Mono crash_shot() {
  Rng rng(31);
  Mono ding = metal(1318.5, {{1.0, 1.0}, {2.756, 0.55}, {5.404, 0.3}, {8.933, 0.15}, {1.5, 0.25}}, 0.9, 1.6, rng);
  Mono m(samples(1.6), 0.0f);
  Biquad bp(Biquad::BandPass, 1600.0, 0.9);
  Osc thump;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float crunch = soft_clip(bp.process(rng.bi()) * 4.0f) * perc(t, 0.0005, 0.045);
    const float low = thump.sine(95.0 * (1.0 + std::exp(-t / 0.02))) * perc(t, 0.001, 0.07);
    m[i] = crunch * 0.7f + low * 0.8f + ding[i] * 0.45f;
  }
  return reverb_mono(m, 0.55, 0.3, 0.2, 0.4);
}

Mono explosion(bool crunchy, uint64_t seed) {
  Rng rng(seed);
  const double secs = crunchy ? 2.2 : 2.6;
  Mono m(samples(secs));
  Biquad body, debris_bp;
  OnePole brown(crunchy ? 900.0 : 350.0);
  double ph = 0.0;
  float grain_env = 0.0f;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    if (i % 16 == 0) body.set(Biquad::LowPass, (crunchy ? 2600.0 : 900.0) * std::exp(-t / 0.5) + 90.0, 0.9);
    const double hz = (crunchy ? 36.0 : 28.0) + (crunchy ? 50.0 : 60.0) * std::exp(-t / 0.18);
    ph += hz / kRate;
    const float sub = static_cast<float>(std::sin(2 * kPi * ph)) * perc(t, 0.004, crunchy ? 0.35 : 0.55);
    const float rumble = body.process(brown.lp(rng.bi()) * 6.0f) * perc(t, 0.006, crunchy ? 0.45 : 0.7);
    const float crack = rng.bi() * perc(t, 0.0003, crunchy ? 0.012 : 0.006);
    // Debris: short grains that fall off as the blast dies.
    const double rate = (crunchy ? 90.0 : 35.0) * std::exp(-t / 0.6);
    if (rng.uni() < rate / kRate) {
      grain_env = rng.range(0.3f, 1.0f);
      debris_bp.set(Biquad::BandPass, rng.range(600.0f, crunchy ? 4000.0f : 2000.0f), 2.0);
    }
    grain_env *= 0.9985f;
    const float grain = debris_bp.process(rng.bi()) * grain_env;
    float x = sub * 1.2f + rumble * 0.9f + crack * 0.8f + grain * (crunchy ? 0.9f : 0.5f);
    x = soft_clip(x * (crunchy ? 2.8f : 1.6f));
    m[i] = x;
  }
  Biquad tone(Biquad::LowPass, crunchy ? 7000.0 : 4000.0, 0.7), low(Biquad::LowShelf, 90.0, 0.7, crunchy ? 3.0 : 5.0);
  tone.run(m);
  low.run(m);
  return reverb_mono(m, 0.6, 0.5, 0.15, 0.6);
}

Mono gong() {
  Rng rng(41);
  const double f0 = 98.0, secs = 4.8;
  static const double ratios[] = {1.0, 1.52, 2.03, 2.58, 3.12, 3.69, 4.33, 5.0, 5.71, 6.43, 7.2, 8.1, 9.3, 10.6};
  Mono m(samples(secs), 0.0f);
  for (size_t p = 0; p < std::size(ratios); ++p) {
    const double hz = f0 * ratios[p];
    const double amp = 1.0 / (1.0 + 0.35 * static_cast<double>(p));
    const double tau = 2.6 / (1.0 + 0.25 * static_cast<double>(p));
    const double swell = 0.01 + 0.04 * static_cast<double>(p);  // energy spreads upward after the strike
    const double beat = rng.range(0.3f, 1.6f);
    double a = rng.uni(), b = rng.uni();
    for (size_t i = 0; i < m.size(); ++i) {
      const double t = at(i);
      const double glide = 1.0 - 0.012 * std::exp(-t / 0.6);
      a += hz * glide / kRate;
      b += (hz + beat) * glide / kRate;
      m[i] += static_cast<float>((std::sin(2 * kPi * a) + 0.7 * std::sin(2 * kPi * b)) * amp) * perc(t, swell, tau);
    }
  }
  // Mallet thud, then the bright wash that blooms a moment after the strike.
  Biquad lp(Biquad::LowPass, 400.0, 0.7), wash(Biquad::BandPass, 3200.0, 0.8);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float x = rng.bi();
    m[i] += lp.process(x) * perc(t, 0.001, 0.04) * 6.0f + wash.process(x) * perc(t, 0.25, 1.1) * 0.35f;
  }
  fade(m, 0.0, 1.2);
  return reverb_mono(m, 0.7, 0.4, 0.25, 0.5);
}

// "Mwa ha ha ha haaa": a low voice with a darker twin an octave below.
Mono laugh() {
  Rng rng(53);
  struct Syl {
    double start, len, p0, p1;
    bool h;
  };
  const Syl syl[] = {{0.0, 0.34, 120, 135, false}, {0.42, 0.15, 150, 138, true}, {0.62, 0.15, 142, 128, true},
                     {0.82, 0.15, 132, 118, true}, {1.02, 0.15, 122, 108, true}, {1.22, 0.6, 115, 78, true}};
  const double secs = 2.0;
  const size_t n = samples(secs);
  Mono out(n, 0.0f);
  for (int layer = 0; layer < 2; ++layer) {
    std::vector<float> pitch(n, 100.0f), amp(n, 0.0f), breath(n, 0.2f), morph(n, 1.0f);
    for (const Syl& s : syl) {
      for (size_t i = samples(s.start); i < std::min(n, samples(s.start + s.len)); ++i) {
        const double u = (at(i) - s.start) / s.len;
        pitch[i] = static_cast<float>((s.p0 + (s.p1 - s.p0) * u) * (layer == 0 ? 1.0 : 0.5));
        const double on = std::min(1.0, (at(i) - s.start) / 0.02);
        const double off = std::min(1.0, (1.0 - u) / 0.35);
        amp[i] = static_cast<float>(on * off);
        const double h = s.h ? std::max(0.0, 1.0 - (at(i) - s.start) / 0.05) : 0.0;
        breath[i] = static_cast<float>(0.15 + 0.75 * h);
        morph[i] = static_cast<float>(s.h ? 1.0 : std::min(1.0, u * 3.0));  // "mw" opens into "a"
      }
    }
    Mono v = voice(pitch, amp, breath, scaled(vowel('u'), 0.9), scaled(vowel('a'), 0.88), morph, rng);
    mix(out, v, 0, layer == 0 ? 1.0f : 0.55f);
  }
  const float pk = std::max(peak(out), 1e-6f);
  for (auto& s : out) s = soft_clip(s / pk * 2.0f);
  Biquad warm(Biquad::LowShelf, 200.0, 0.7, 4.0);
  warm.run(out);
  return reverb_mono(out, 0.8, 0.4, 0.3, 1.0);
}

Mono menu_change() {
  Rng rng(61);
  Mono m(samples(0.07));
  Osc a, b;
  Biquad hp(Biquad::HighPass, 3000.0, 0.7);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    m[i] = a.sine(1760.0) * perc(t, 0.0005, 0.009) * 0.6f + b.sine(660.0) * perc(t, 0.001, 0.014) * 0.5f +
           hp.process(rng.bi()) * perc(t, 0.0002, 0.002) * 0.4f;
  }
  return m;
}

Mono menu_changemenu() {
  Rng rng(67);
  const double secs = 0.5;
  Mono m(samples(secs));
  Biquad bp1, bp2;
  for (size_t i = 0; i < m.size(); ++i) {
    const double k = at(i) / secs;
    if (i % 16 == 0) {
      const double c = 350.0 * std::pow(10.0, std::sin(kPi * std::min(1.0, k * 1.1)) * 1.0) * (1.0 + 2.0 * k);
      bp1.set(Biquad::BandPass, c, 1.3);
      bp2.set(Biquad::BandPass, c * 1.9, 2.0);
    }
    const float env = static_cast<float>(std::pow(std::sin(kPi * std::min(1.0, k * 1.05)), 2.0) * (k < 0.6 ? k / 0.6 : 1.0));
    const float x = rng.bi();
    m[i] = (bp1.process(x) + bp2.process(x) * 0.5f) * env * 2.0f;
  }
  return m;
}

Mono menu_click() {
  Rng rng(71);
  Mono m(samples(0.17));
  Osc a, b;
  Biquad bp(Biquad::BandPass, 2500.0, 1.2);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float click = bp.process(rng.bi()) * perc(t, 0.0002, 0.003);
    const float blip1 = a.tri(880.0) * adsr(t, 0.002, 0.02, 0.5, 0.015, 0.04);
    const float blip2 = b.tri(1318.5) * adsr(t - 0.045, 0.002, 0.04, 0.5, 0.05, 0.05);
    m[i] = click * 0.8f + blip1 * 0.6f + blip2 * 0.7f;
  }
  return m;
}

Mono nomoney() {
  Mono m(samples(0.52));
  Osc a, b, c;
  Biquad lp(Biquad::LowPass, 1800.0, 0.8);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float env = adsr(t, 0.005, 0.05, 0.85, 0.03, 0.17) + adsr(t - 0.24, 0.005, 0.05, 0.85, 0.06, 0.2);
    const double hz = t < 0.22 ? 123.5 : 110.0;
    const float x = a.square(hz) * 0.5f + b.square(hz * 1.06) * 0.4f + c.saw(hz * 0.5) * 0.3f;
    m[i] = soft_clip(lp.process(x) * 1.5f) * env;
  }
  return m;
}

Mono pay() {
  Rng rng(79);
  Mono m(samples(1.1), 0.0f);
  Biquad bp1(Biquad::BandPass, 2600.0, 3.0), bp2(Biquad::BandPass, 1700.0, 3.0), drawer(Biquad::BandPass, 450.0, 1.0);
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    const float x = rng.bi();
    m[i] = bp1.process(x) * perc(t, 0.0003, 0.008) * 3.0f + bp2.process(x) * perc(t - 0.055, 0.0003, 0.01) * 3.0f +
           drawer.process(x) * perc(t - 0.06, 0.01, 0.05) * 0.8f;
  }
  Mono ching = metal(2093.0, {{1.0, 1.0}, {2.32, 0.5}, {4.25, 0.35}, {6.63, 0.2}}, 0.55, 0.95, rng);
  Mono ching2 = metal(2637.0, {{1.0, 0.8}, {2.32, 0.4}, {4.25, 0.25}}, 0.45, 0.9, rng);
  mix(m, ching, samples(0.1), 0.35f);
  mix(m, ching2, samples(0.115), 0.3f);
  m.resize(samples(1.1));
  return reverb_mono(m, 0.4, 0.3, 0.12, 0.2);
}

Mono shoot() {
  Rng rng(83);
  const double secs = 1.0;
  Mono m(samples(secs));
  Biquad bp, rumble(Biquad::LowPass, 260.0, 0.7);
  OnePole rough(70.0);
  double ph = 0.0;
  for (size_t i = 0; i < m.size(); ++i) {
    const double t = at(i);
    if (i % 16 == 0) bp.set(Biquad::BandPass, 600.0 + 3200.0 * std::exp(-t / 0.25), 0.8);
    ph += (50.0 + 90.0 * std::exp(-t / 0.03)) / kRate;
    const float thump = static_cast<float>(std::sin(2 * kPi * ph)) * perc(t, 0.001, 0.06);
    const float x = rng.bi();
    const float am = 1.0f + rough.lp(rng.bi()) * 5.0f;
    const float burst = bp.process(x) * perc(t, 0.008, 0.3) * am * 1.6f;
    const float rum = rumble.process(x) * perc(t, 0.01, 0.35) * 2.5f;
    m[i] = soft_clip(thump * 0.9f + burst + rum);
  }
  return m;
}

// Brass stab chord built from several notes, each a little late and a little apart in level.
void brass_chord(Mono& dst, std::initializer_list<int> notes, double start, double gate, float vel, Rng& rng) {
  for (int n : notes) mix(dst, brass(midi_hz(n), gate, vel, rng), samples(start + rng.range(0.0f, 0.01f)), 0.3f);
}

Mono win() {
  Rng rng(89);
  Mono m(samples(2.2), 0.0f);
  const int line[] = {67, 72, 76};
  for (int k = 0; k < 3; ++k) brass_chord(m, {line[k], line[k] - 12}, 0.11 * k, 0.09, 0.9f, rng);
  brass_chord(m, {60, 64, 67, 72, 79}, 0.33, 1.0, 1.0f, rng);
  mix(m, timpani(midi_hz(36), 0.9f, rng), 0, 0.6f);
  mix(m, timpani(midi_hz(36), 1.0f, rng), samples(0.33), 0.8f);
  mix(m, bell(midi_hz(84), 1.4, 0.6f), samples(0.33), 0.25f);
  mix(m, crash(0.5f, rng, 1.6), samples(0.33), 0.25f);
  m.resize(samples(2.2));
  fade(m, 0.0, 0.5);
  return reverb_mono(m, 0.7, 0.3, 0.25, 0.6);
}

Mono winner() {
  Rng rng(97);
  const double beat = 0.3;
  Mono m(samples(5.0), 0.0f);
  // Ta-ta-ta-taaa, ta-ta-ta, and a held major chord with a timpani roll under it.
  struct N {
    double pos, len;
    std::initializer_list<int> notes;
  };
  const N tune[] = {{0.0, 0.3, {67, 55}},     {0.333, 0.3, {67, 55}},  {0.667, 0.3, {67, 55}}, {1.0, 1.8, {72, 64, 60}},
                    {3.0, 0.45, {69, 65, 60}}, {3.5, 0.45, {71, 67, 62}}, {4.0, 0.3, {72, 67, 64}}};
  for (const N& n : tune) brass_chord(m, n.notes, n.pos * beat * 2, n.len * beat * 2, 0.95f, rng);
  brass_chord(m, {76, 79, 84, 60, 48}, 2.75, 1.7, 1.0f, rng);
  mix(m, timpani(midi_hz(36), 1.0f, rng), samples(0.6), 0.7f);
  for (int k = 0; k < 12; ++k) mix(m, timpani(midi_hz(43), 0.35f + 0.05f * k, rng), samples(2.1 + k * 0.05), 0.35f);
  mix(m, timpani(midi_hz(36), 1.0f, rng), samples(2.75), 0.8f);
  mix(m, crash(0.7f, rng, 2.2), samples(2.75), 0.3f);
  for (int k = 0; k < 6; ++k) mix(m, bell(midi_hz(84 + (k % 3) * 4 + (k / 3) * 12), 1.2, 0.5f), samples(2.8 + k * 0.09), 0.18f);
  m.resize(samples(4.8));
  fade(m, 0.0, 0.8);
  return reverb_mono(m, 0.75, 0.3, 0.25, 0.2);
}

Mono scream(int which) {
  static const Cry cries[4] = {
      {0.30, 210, 235, 150, 'U', 'U', 1.0, 0.2, 2.5, 101},   // "ugh"
      {0.36, 300, 400, 250, 'a', 'u', 1.05, 0.15, 2.2, 103},  // "ow"
      {0.32, 430, 470, 300, 'a', 'E', 1.15, 0.18, 2.6, 107},  // "ah"
      {0.30, 185, 190, 125, 'o', 'u', 0.95, 0.35, 2.0, 109},  // "oof"
  };
  return cry(cries[which]);
}

struct Effect {
  std::function<Mono()> make;
  double loudness_db;  // relative to the common level: ticks sit under the action, cries on top
};

const std::map<std::string, Effect>& effects() {
  static const std::map<std::string, Effect> table = {
      {"anthrax", {anthrax, -2}},
      {"beep", {beep, -3}},
      {"bloodscream", {bloodscream, 0}},
      {"crash_shot", {crash_shot, 0}},
      {"explosion2", {[] { return explosion(false, 211); }, 0}},
      {"explosion3", {[] { return explosion(true, 223); }, 0}},
      {"gong", {gong, -1}},
      {"laugh", {laugh, 0}},
      {"menu_change", {menu_change, -6}},
      {"menu_changemenu", {menu_changemenu, -4}},
      {"menu_click", {menu_click, -4}},
      {"nomoney", {nomoney, -3}},
      {"pay", {pay, -2}},
      {"scream1", {[] { return scream(0); }, 0}},
      {"scream2", {[] { return scream(1); }, 0}},
      {"scream3", {[] { return scream(2); }, 0}},
      {"scream4", {[] { return scream(3); }, 0}},
      {"shoot", {shoot, -2}},
      {"win", {win, 0}},
      {"winner", {winner, 0}},
  };
  return table;
}

}  // namespace

const char* const kEffects[] = {"anthrax",    "beep",        "bloodscream", "crash_shot",      "explosion2",
                                "explosion3", "gong",        "laugh",       "menu_change",     "menu_changemenu",
                                "menu_click", "nomoney",     "pay",         "scream1",         "scream2",
                                "scream3",    "scream4",     "shoot",       "win",             "winner"};
const int kEffectCount = static_cast<int>(std::size(kEffects));

// Common level of every effect: loud enough to read over the music, with headroom under 0 dBFS.
constexpr double kEffectRmsDb = -15.0;
constexpr double kCeilingDb = -1.5;  // leaves room for the encoder's overshoot

Mono make_effect(const std::string& name) {
  const auto it = effects().find(name);
  if (it == effects().end()) {
    std::fprintf(stderr, "mediagen: no sound effect called %s\n", name.c_str());
    std::exit(1);
  }
  Mono m = it->second.make();
  trim(m, 1e-4f * peak(m), 0.0);
  fade(m, 0.002, 0.015);
  level(m, kEffectRmsDb + it->second.loudness_db, kCeilingDb);
  fade(m, 0.001, 0.005);
  return m;
}

}  // namespace mediagen::snd
