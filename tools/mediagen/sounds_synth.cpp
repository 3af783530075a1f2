// Sound synthesis toolkit of the media generator: oscillators, envelopes, filters, reverb and levelling.
#include "sounds_synth.h"

#include <algorithm>

namespace mediagen::snd {

namespace {

// Correction that removes the aliasing step of a naive saw or square at a phase wrap.
double poly_blep(double t, double dt) {
  if (dt <= 0.0) return 0.0;
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

double Osc::advance(double hz) {
  const double dt = std::clamp(hz / kRate, 0.0, 0.5);
  ph_ += dt;
  if (ph_ >= 1.0) ph_ -= std::floor(ph_);
  return dt;
}

float Osc::sine(double hz) {
  const double v = std::sin(2.0 * kPi * ph_);
  advance(hz);
  return static_cast<float>(v);
}

float Osc::saw(double hz) {
  const double dt = std::clamp(hz / kRate, 0.0, 0.5);
  const double v = 2.0 * ph_ - 1.0 - poly_blep(ph_, dt);
  advance(hz);
  return static_cast<float>(v);
}

float Osc::square(double hz, double width) {
  const double dt = std::clamp(hz / kRate, 0.0, 0.5);
  double v = ph_ < width ? 1.0 : -1.0;
  v += poly_blep(ph_, dt);
  double t2 = ph_ + 1.0 - width;
  t2 -= std::floor(t2);
  v -= poly_blep(t2, dt);
  advance(hz);
  return static_cast<float>(v);
}

float Osc::tri(double hz) {
  const double p = ph_;
  advance(hz);
  return static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
}

void Biquad::set(Type t, double hz, double q, double db) {
  hz = std::clamp(hz, 10.0, kRate * 0.49);
  q = std::max(q, 0.05);
  const double A = std::pow(10.0, db / 40.0);
  const double w = 2.0 * kPi * hz / kRate;
  const double cw = std::cos(w), sw = std::sin(w);
  const double alpha = sw / (2.0 * q);
  double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
  switch (t) {
    case LowPass:
      b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case HighPass:
      b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case BandPass:  // constant 0 dB peak gain
      b0 = alpha, b1 = 0, b2 = -alpha, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Notch:
      b0 = 1, b1 = -2 * cw, b2 = 1, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Peak:
      b0 = 1 + alpha * A, b1 = -2 * cw, b2 = 1 - alpha * A, a0 = 1 + alpha / A, a1 = -2 * cw, a2 = 1 - alpha / A;
      break;
    case LowShelf: {
      const double s = 2 * std::sqrt(A) * alpha;
      b0 = A * ((A + 1) - (A - 1) * cw + s);
      b1 = 2 * A * ((A - 1) - (A + 1) * cw);
      b2 = A * ((A + 1) - (A - 1) * cw - s);
      a0 = (A + 1) + (A - 1) * cw + s;
      a1 = -2 * ((A - 1) + (A + 1) * cw);
      a2 = (A + 1) + (A - 1) * cw - s;
      break;
    }
    case HighShelf: {
      const double s = 2 * std::sqrt(A) * alpha;
      b0 = A * ((A + 1) + (A - 1) * cw + s);
      b1 = -2 * A * ((A - 1) + (A + 1) * cw);
      b2 = A * ((A + 1) + (A - 1) * cw - s);
      a0 = (A + 1) - (A - 1) * cw + s;
      a1 = 2 * ((A - 1) - (A + 1) * cw);
      a2 = (A + 1) - (A - 1) * cw - s;
      break;
    }
  }
  b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = a1 / a0, a2_ = a2 / a0;
}

float adsr(double t, double a, double d, double s, double r, double hold) {
  auto held = [&](double u) -> double {
    if (u < 0) return 0.0;
    if (u < a) return u / a;
    if (u < a + d) return 1.0 - (1.0 - s) * (u - a) / d;
    return s;
  };
  if (t < 0) return 0.0f;
  if (t < hold) return static_cast<float>(held(t));
  const double at = held(hold);
  const double k = 1.0 - (t - hold) / std::max(r, 1e-4);
  return k <= 0 ? 0.0f : static_cast<float>(at * k * k);
}

float perc(double t, double attack, double tau) {
  if (t < 0) return 0.0f;
  if (t < attack) return static_cast<float>(t / attack);
  return static_cast<float>(std::exp(-(t - attack) / tau));
}

Reverb::Reverb(double room, double damp, double width)
    : feedback_(static_cast<float>(room * 0.28 + 0.7)),
      damp_(static_cast<float>(damp * 0.4)),
      width_(static_cast<float>(width)) {
  static const int combs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  static const int aps[4] = {556, 441, 341, 225};
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < 8; ++i) comb_[c][i].buf.assign(combs[i] + c * 23, 0.0f);
    for (int i = 0; i < 4; ++i) ap_[c][i].buf.assign(aps[i] + c * 23, 0.0f);
  }
}

void Reverb::process(float in_l, float in_r, float& out_l, float& out_r) {
  const float input = (in_l + in_r) * 0.015f;
  float out[2] = {0, 0};
  for (int c = 0; c < 2; ++c) {
    for (auto& cb : comb_[c]) {
      const float y = cb.buf[cb.i];
      cb.store = y * (1.0f - damp_) + cb.store * damp_;
      cb.buf[cb.i] = input + cb.store * feedback_;
      if (++cb.i == cb.buf.size()) cb.i = 0;
      out[c] += y;
    }
    for (auto& ap : ap_[c]) {
      const float b = ap.buf[ap.i];
      ap.buf[ap.i] = out[c] + b * 0.5f;
      out[c] = b - out[c];
      if (++ap.i == ap.buf.size()) ap.i = 0;
    }
  }
  const float w1 = width_ / 2 + 0.5f, w2 = (1 - width_) / 2;
  out_l = out[0] * w1 + out[1] * w2;
  out_r = out[1] * w1 + out[0] * w2;
}

Stereo Reverb::run(const Stereo& in, size_t tail) {
  Stereo out(in.size() + tail);
  for (size_t i = 0; i < out.size(); ++i) {
    const float l = i < in.size() ? in.l[i] : 0.0f, r = i < in.size() ? in.r[i] : 0.0f;
    process(l, r, out.l[i], out.r[i]);
  }
  return out;
}

Stereo echo(const Stereo& in, double delay_s, float feedback, float mix_amount, bool pingpong, double damp_hz,
            size_t tail) {
  const size_t d = std::max<size_t>(1, samples(delay_s));
  Stereo out(in.size() + tail);
  std::vector<float> bl(d, 0.0f), br(d, 0.0f);
  OnePole fl(damp_hz), fr(damp_hz);
  size_t k = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const float l = i < in.size() ? in.l[i] : 0.0f, r = i < in.size() ? in.r[i] : 0.0f;
    const float dl = bl[k], dr = br[k];
    out.l[i] = l + dl * mix_amount;
    out.r[i] = r + dr * mix_amount;
    if (pingpong) {
      bl[k] = fl.lp((l + r) * 0.5f + dr * feedback);
      br[k] = fr.lp(dl * feedback);
    } else {
      bl[k] = fl.lp(l + dl * feedback);
      br[k] = fr.lp(r + dr * feedback);
    }
    if (++k == d) k = 0;
  }
  return out;
}

float peak(const Mono& m) {
  float p = 0.0f;
  for (float s : m) p = std::max(p, std::fabs(s));
  return p;
}

float rms(const Mono& m, size_t from, size_t to) {
  to = std::min(to, m.size());
  if (from >= to) return 0.0f;
  double acc = 0.0;
  for (size_t i = from; i < to; ++i) acc += static_cast<double>(m[i]) * m[i];
  return static_cast<float>(std::sqrt(acc / static_cast<double>(to - from)));
}

float gated_rms(const Mono& m) {
  const size_t w = samples(0.05);
  std::vector<double> pw;
  for (size_t i = 0; i < m.size(); i += w) {
    const float r = rms(m, i, i + w);
    pw.push_back(static_cast<double>(r) * r);
  }
  if (pw.empty()) return 0.0f;
  const double mx = *std::max_element(pw.begin(), pw.end());
  double acc = 0.0;
  int n = 0;
  for (double p : pw) {
    if (p >= mx * 0.01) {
      acc += p;
      ++n;
    }
  }
  return static_cast<float>(std::sqrt(acc / std::max(n, 1)));
}

void scale(Mono& m, float g) {
  for (auto& s : m) s *= g;
}

void fade(Mono& m, double in_s, double out_s) {
  const size_t a = std::min(m.size(), samples(in_s)), b = std::min(m.size(), samples(out_s));
  for (size_t i = 0; i < a; ++i) m[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / a));
  for (size_t i = 0; i < b; ++i) m[m.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / b));
}

namespace {

// Gain curve that keeps |x| * g below ceiling, reaching each reduction ahead of time and
// recovering smoothly afterwards.
std::vector<float> limiter_gain(const std::vector<float>& absmax, float ceiling, double release_s) {
  const size_t n = absmax.size();
  std::vector<float> g(n, 1.0f);
  const float rc = static_cast<float>(1.0 - std::exp(-1.0 / (release_s * kRate)));
  float prev = 1.0f;
  for (size_t i = 0; i < n; ++i) {
    const float need = absmax[i] > ceiling ? ceiling / absmax[i] : 1.0f;
    prev = std::min(need, prev + (1.0f - prev) * rc);
    g[i] = prev;
  }
  const float step = 1.0f / static_cast<float>(samples(0.002));
  for (size_t i = n; i-- > 1;) g[i - 1] = std::min(g[i - 1], g[i] + step);
  return g;
}

}  // namespace

void limit(Mono& m, float ceiling, double release_s) {
  std::vector<float> a(m.size());
  for (size_t i = 0; i < m.size(); ++i) a[i] = std::fabs(m[i]);
  const auto g = limiter_gain(a, ceiling, release_s);
  for (size_t i = 0; i < m.size(); ++i) m[i] *= g[i];
}

void limit(Stereo& s, float ceiling, double release_s) {
  std::vector<float> a(s.size());
  for (size_t i = 0; i < s.size(); ++i) a[i] = std::max(std::fabs(s.l[i]), std::fabs(s.r[i]));
  const auto g = limiter_gain(a, ceiling, release_s);
  for (size_t i = 0; i < s.size(); ++i) {
    s.l[i] *= g[i];
    s.r[i] *= g[i];
  }
}

void level(Mono& m, double target_rms_db, double ceiling_db) {
  const float r = gated_rms(m);
  if (r <= 0.0f) return;
  scale(m, db_gain(target_rms_db) / r);
  limit(m, db_gain(ceiling_db));
}

float soft_clip(float x) { return std::tanh(x); }

void trim(Mono& m, float threshold, double pad_s) {
  size_t a = 0, b = m.size();
  while (a < b && std::fabs(m[a]) < threshold) ++a;
  while (b > a && std::fabs(m[b - 1]) < threshold) --b;
  const size_t pad = samples(pad_s);
  a = a > pad ? a - pad : 0;
  b = std::min(m.size(), b + pad);
  m = Mono(m.begin() + static_cast<std::ptrdiff_t>(a), m.begin() + static_cast<std::ptrdiff_t>(b));
}

Mono resample(const Mono& in, double speed) {
  if (in.empty() || speed <= 0) return {};
  const size_t n = static_cast<size_t>(static_cast<double>(in.size()) / speed);
  Mono out(n);
  auto at = [&](std::ptrdiff_t i) -> float {
    return i < 0 || i >= static_cast<std::ptrdiff_t>(in.size()) ? 0.0f : in[static_cast<size_t>(i)];
  };
  for (size_t i = 0; i < n; ++i) {
    const double pos = static_cast<double>(i) * speed;
    const auto k = static_cast<std::ptrdiff_t>(pos);
    const float t = static_cast<float>(pos - static_cast<double>(k));
    const float y0 = at(k - 1), y1 = at(k), y2 = at(k + 1), y3 = at(k + 2);
    const float c1 = 0.5f * (y2 - y0), c2 = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
    const float c3 = 0.5f * (y3 - y0) + 1.5f * (y1 - y2);
    out[i] = ((c3 * t + c2) * t + c1) * t + y1;
  }
  return out;
}

void mix(Mono& dst, const Mono& src, size_t at, float gain) {
  if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

void mix(Stereo& dst, const Mono& src, size_t at, float gain, float pan) {
  if (dst.size() < at + src.size()) dst.resize(at + src.size());
  const double ang = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
  const float gl = static_cast<float>(std::cos(ang) * std::sqrt(2.0)) * gain;
  const float gr = static_cast<float>(std::sin(ang) * std::sqrt(2.0)) * gain;
  for (size_t i = 0; i < src.size(); ++i) {
    dst.l[at + i] += src[i] * gl;
    dst.r[at + i] += src[i] * gr;
  }
}

void mix(Stereo& dst, const Stereo& src, size_t at, float gain) {
  if (dst.size() < at + src.size()) dst.resize(at + src.size());
  for (size_t i = 0; i < src.size(); ++i) {
    dst.l[at + i] += src.l[i] * gain;
    dst.r[at + i] += src.r[i] * gain;
  }
}

Formants vowel(char v) {
  switch (v) {
    case 'a': return {{800, 1200, 2600, 3400}, {90, 110, 160, 250}, {0, -4, -14, -20}};
    case 'e': return {{530, 1840, 2480, 3500}, {70, 100, 150, 250}, {0, -8, -14, -20}};
    case 'i': return {{300, 2300, 3000, 3600}, {60, 100, 150, 250}, {0, -12, -12, -20}};
    case 'o': return {{570, 840, 2410, 3400}, {70, 90, 150, 250}, {0, -3, -20, -26}};
    case 'u': return {{320, 870, 2240, 3400}, {60, 90, 150, 250}, {0, -8, -24, -30}};
    case 'E': return {{700, 1700, 2450, 3400}, {90, 110, 160, 250}, {0, -5, -14, -20}};
    default: return {{640, 1190, 2390, 3400}, {80, 100, 150, 250}, {0, -4, -16, -22}};  // 'U'
  }
}

Mono voice(const std::vector<float>& pitch, const std::vector<float>& amp, const std::vector<float>& breath,
           const Formants& from, const Formants& to, const std::vector<float>& morph, Rng& rng) {
  const size_t n = pitch.size();
  Mono out(n, 0.0f);
  Osc src;
  OnePole tilt(2500.0);
  Biquad res[4];
  float g[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < n; ++i) {
    const float k = morph[i];
    if (i % 32 == 0) {
      for (int f = 0; f < 4; ++f) {
        const double hz = from.f[f] + (to.f[f] - from.f[f]) * k;
        const double bw = from.bw[f] + (to.bw[f] - from.bw[f]) * k;
        res[f].set(Biquad::BandPass, hz, hz / bw);
        g[f] = db_gain(from.gain_db[f] + (to.gain_db[f] - from.gain_db[f]) * k);
      }
    }
    const float glott = tilt.lp(src.saw(pitch[i]) * -1.0f);
    const float noise = rng.bi();
    const float e = glott * (1.0f - breath[i]) + noise * breath[i] * 0.7f;
    float y = 0.0f;
    for (int f = 0; f < 4; ++f) y += res[f].process(e) * g[f];
    out[i] = y * amp[i];
  }
  return out;
}

}  // namespace mediagen::snd
