// The software rasteriser: maps screen pixels back into images and shapes and blends them into the frame.
//
// Every drawing walks the rows of the object's screen box and, per row, the exact run of pixels whose
// centres fall inside the object (integer arithmetic, so a sprite covers the same pixels whatever the
// row order or clipping). Pixels are blended by small inlined operations chosen once per drawing.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {
namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int64_t COORD_LIMIT = int64_t{1} << 30;

// Quarter turns are exact, so a sprite turned by 90 degrees lands on whole pixels.
void sin_cos_degrees(double degrees, double& s, double& c) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0) r += 360.0;
  if (r == 0.0) { s = 0; c = 1; return; }
  if (r == 90.0) { s = 1; c = 0; return; }
  if (r == 180.0) { s = 0; c = -1; return; }
  if (r == 270.0) { s = -1; c = 0; return; }
  s = std::sin(r * PI / 180.0);
  c = std::cos(r * PI / 180.0);
}

int64_t floor_div(int64_t a, int64_t b) {  // b > 0
  int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}
int64_t ceil_div(int64_t a, int64_t b) { return -floor_div(-a, b); }

int64_t fixed(double v) { return std::llround(v * static_cast<double>(ONE)); }

// The k (pixels from the anchor) with lo <= r + k * d < hi, as [klo, khi).
void run_1d(int64_t r, int64_t d, int64_t lo, int64_t hi, int64_t& klo, int64_t& khi) {
  if (d == 0) {
    if (lo <= r && r < hi) {
      klo = std::numeric_limits<int64_t>::min() / 4;
      khi = std::numeric_limits<int64_t>::max() / 4;
    } else {
      klo = khi = 0;
    }
  } else if (d > 0) {
    klo = ceil_div(lo - r, d);
    khi = ceil_div(hi - r, d);
  } else {
    klo = floor_div(r - hi, -d) + 1;
    khi = floor_div(r - lo, -d) + 1;
  }
}

inline uint32_t div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// Colour and alpha as multipliers 0..256 of the premultiplied source.
struct Mod {
  uint32_t a = 256, r = 256, g = 256, b = 256;
};
Mod make_mod(const Paint& p) {
  double alpha = std::clamp(static_cast<double>(p.alpha), 0.0, 1.0);
  auto ch = [&](int c) { return static_cast<uint32_t>(std::lround(std::clamp(c, 0, 255) / 255.0 * alpha * 256.0)); };
  Mod m;
  m.a = static_cast<uint32_t>(std::lround(alpha * 256.0));
  m.r = ch(p.r);
  m.g = ch(p.g);
  m.b = ch(p.b);
  return m;
}

inline uint32_t mod_uniform(uint32_t s, uint32_t m) {
  uint32_t rb = (((s & 0xFF00FFu) * m + 0x800080u) >> 8) & 0xFF00FFu;
  uint32_t ag = ((((s >> 8) & 0xFF00FFu) * m + 0x800080u) >> 8) & 0xFF00FFu;
  return rb | (ag << 8);
}
inline uint32_t mod_full(uint32_t s, const Mod& m) {
  uint32_t a = ((s >> 24) * m.a + 128) >> 8;
  uint32_t r = (((s >> 16) & 255u) * m.r + 128) >> 8;
  uint32_t g = (((s >> 8) & 255u) * m.g + 128) >> 8;
  uint32_t b = ((s & 255u) * m.b + 128) >> 8;
  return a << 24 | r << 16 | g << 8 | b;
}

// Premultiplied "over": d = s + d * (1 - alpha(s)).
inline void over(uint32_t& d, uint32_t s) {
  uint32_t a = s >> 24;
  if (a == 0) return;
  if (a == 255) { d = s; return; }
  uint32_t inv = 255 - a;
  uint32_t rb = (d & 0xFF00FFu) * inv + 0x800080u;
  rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  uint32_t ag = ((d >> 8) & 0xFF00FFu) * inv + 0x800080u;
  ag = (ag + ((ag >> 8) & 0xFF00FFu)) & 0xFF00FF00u;
  d = s + rb + ag;
}

struct OpAlphaPlain {
  static constexpr bool skip_clear = true;
  void operator()(uint32_t& d, uint32_t s) const { over(d, s); }
};
struct OpAlphaFaded {
  static constexpr bool skip_clear = true;
  uint32_t m;
  void operator()(uint32_t& d, uint32_t s) const { over(d, mod_uniform(s, m)); }
};
struct OpAlphaTinted {
  static constexpr bool skip_clear = true;
  Mod m;
  void operator()(uint32_t& d, uint32_t s) const { over(d, mod_full(s, m)); }
};
struct OpLight {
  static constexpr bool skip_clear = true;
  Mod m;
  void operator()(uint32_t& d, uint32_t s) const {
    s = mod_full(s, m);
    uint32_t rb = (d & 0xFF00FFu) + (s & 0xFF00FFu);
    rb = (rb | (((rb >> 8) & 0x10001u) * 0xFFu)) & 0xFF00FFu;
    uint32_t g = ((d >> 8) & 255u) + ((s >> 8) & 255u);
    if (g > 255) g = 255;
    d = 0xFF000000u | rb | g << 8;
  }
};
struct OpShade {
  static constexpr bool skip_clear = true;
  Mod m;
  void operator()(uint32_t& d, uint32_t s) const {
    s = mod_full(s, m);
    uint32_t keep = 255 - (s >> 24);
    uint32_t r = div255(((d >> 16) & 255u) * (((s >> 16) & 255u) + keep));
    uint32_t g = div255(((d >> 8) & 255u) * (((s >> 8) & 255u) + keep));
    uint32_t b = div255((d & 255u) * ((s & 255u) + keep));
    d = 0xFF000000u | r << 16 | g << 8 | b;
  }
};
// Solid and mask write the straight colour of the source, tinted, with no blending.
inline uint32_t straight_tinted(uint32_t s, int cr, int cg, int cb) {
  uint32_t a = s >> 24;
  if (a == 0) return 0xFF000000u;
  auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
  uint32_t r = div255(un((s >> 16) & 255u) * static_cast<uint32_t>(cr));
  uint32_t g = div255(un((s >> 8) & 255u) * static_cast<uint32_t>(cg));
  uint32_t b = div255(un(s & 255u) * static_cast<uint32_t>(cb));
  return 0xFF000000u | r << 16 | g << 8 | b;
}
struct OpSolid {
  static constexpr bool skip_clear = false;
  int cr, cg, cb;
  void operator()(uint32_t& d, uint32_t s) const { d = straight_tinted(s, cr, cg, cb); }
};
struct OpMask {
  static constexpr bool skip_clear = true;
  int cr, cg, cb;
  uint32_t ma;
  void operator()(uint32_t& d, uint32_t s) const {
    if ((((s >> 24) * ma + 128) >> 8) > 127) d = straight_tinted(s, cr, cg, cb);
  }
};

template <class F>
void with_op(const Paint& p, F&& f) {
  Mod m = make_mod(p);
  int cr = std::clamp(p.r, 0, 255), cg = std::clamp(p.g, 0, 255), cb = std::clamp(p.b, 0, 255);
  switch (p.blend) {
    case 1: f(OpMask{cr, cg, cb, m.a}); return;
    case 2: f(OpSolid{cr, cg, cb}); return;
    case 4: f(OpLight{m}); return;
    case 5: f(OpShade{m}); return;
    default:
      if (cr == 255 && cg == 255 && cb == 255) {
        if (m.a >= 256) f(OpAlphaPlain{});
        else if (m.a > 0) f(OpAlphaFaded{m.a});
      } else if (m.a > 0) {
        f(OpAlphaTinted{m});
      }
      return;
  }
}

inline uint32_t lerp_px(uint32_t a, uint32_t b, uint32_t f) {  // f 0..255
  uint32_t nf = 256 - f;
  uint32_t rb = (((a & 0xFF00FFu) * nf + (b & 0xFF00FFu) * f) >> 8) & 0xFF00FFu;
  uint32_t ag = ((((a >> 8) & 0xFF00FFu) * nf + ((b >> 8) & 0xFF00FFu) * f) >> 8) & 0xFF00FFu;
  return rb | (ag << 8);
}

enum class Sampling { Unit, Nearest, Bilinear };

#if defined(__SSE2__)
template <class Op>
constexpr bool kVectorLight = std::is_same_v<Op, OpLight>;
template <class Op>
constexpr bool kVectorOver = std::is_same_v<Op, OpAlphaPlain> || std::is_same_v<Op, OpAlphaFaded> ||
                             std::is_same_v<Op, OpAlphaTinted> || kVectorLight<Op>;
// Multipliers (0..256) of the blue, green, red and alpha lanes.
inline __m128i mod_vector(const OpAlphaPlain&) { return _mm_set1_epi16(256); }
inline __m128i mod_vector(const OpAlphaFaded& o) { return _mm_set1_epi16(static_cast<short>(o.m)); }
inline __m128i mod_vector(const OpAlphaTinted& o) {
  // Both pixels of a pair are tinted alike.
  const short b = static_cast<short>(o.m.b), g = static_cast<short>(o.m.g), r = static_cast<short>(o.m.r),
              a = static_cast<short>(o.m.a);
  return _mm_setr_epi16(b, g, r, a, b, g, r, a);
}
inline __m128i mod_vector(const OpLight& o) {
  const short b = static_cast<short>(o.m.b), g = static_cast<short>(o.m.g), r = static_cast<short>(o.m.r),
              a = static_cast<short>(o.m.a);
  return _mm_setr_epi16(b, g, r, a, b, g, r, a);
}
#else
template <class Op>
constexpr bool kVectorOver = false;
#endif

template <Sampling S, class Op>
void cell_rows(const Target& t, const ImageData::Frame& f, int stride, const Placement& p, const Box& b, int64_t w,
               int64_t h, Op op) {
  const uint32_t* src = f.pixels.data();
  for (int y = b.y0; y < b.y1; ++y) {
    int lo, hi;
    span(p, y, 0, w, 0, h, b.x0, b.x1, lo, hi);
    if (lo >= hi) continue;
    uint32_t* d = t.pixels + static_cast<ptrdiff_t>(y) * t.stride;
    // Sprites are narrow and tall against a frame far bigger than the cache: fetch the next row's
    // pixels while this row is being blended.
    if (y + 1 < b.y1) {
      const uint32_t* next = d + t.stride;
      for (int x = lo & ~15; x < hi + 16; x += 16) __builtin_prefetch(next + std::min(x, b.x1 - 1), 1);
    }
    int64_t u = p.u_at(lo, y), v = p.v_at(lo, y);
    if constexpr (S == Sampling::Unit) {
      const uint32_t* s = src + ((v >> FRAC) + 1) * stride + (u >> FRAC) + 1;
      for (int x = lo; x < hi; ++x) {
        uint32_t px = s[x - lo];
        if (Op::skip_clear && px == 0) continue;
        op(d[x], px);
      }
    } else if constexpr (S == Sampling::Nearest) {
      for (int x = lo; x < hi; ++x, u += p.dudx, v += p.dvdx) {
        uint32_t px = src[((v >> FRAC) + 1) * stride + (u >> FRAC) + 1];
        if (Op::skip_clear && px == 0) continue;
        op(d[x], px);
      }
    } else if constexpr (kVectorOver<Op>) {
#if defined(__SSE2__)
      // The common case (alpha blending of a turned or scaled sprite), four channels at a time in
      // 16-bit lanes: filter, tint, then "over".
      u -= ONE / 2;
      v -= ONE / 2;
      const __m128i zero = _mm_setzero_si128(), c128 = _mm_set1_epi16(128), c255 = _mm_set1_epi16(255);
      const __m128i c256 = _mm_set1_epi16(256);
      const __m128i left_sign = _mm_setr_epi16(-1, -1, -1, -1, 0, 0, 0, 0);
      const __m128i left_full = _mm_setr_epi16(256, 256, 256, 256, 0, 0, 0, 0);
      const __m128i mod = mod_vector(op);
      // The four texels around a pixel centre: top pair, bottom pair and the weights.
      struct Taps {
        uint64_t top, bottom;
        int fx, fy;
      };
      auto taps = [&](int64_t uu, int64_t vv) {
        const uint32_t* q = src + ((vv >> FRAC) + 1) * stride + (uu >> FRAC) + 1;
        Taps t;
        std::memcpy(&t.top, q, 8);
        std::memcpy(&t.bottom, q + stride, 8);
        t.fx = static_cast<int>((uu >> (FRAC - 8)) & 255);
        t.fy = static_cast<int>((vv >> (FRAC - 8)) & 255);
        return t;
      };
      // One filtered pixel, times 256, in lanes 0..3 (the upper lanes hold junk): columns first, then across.
      auto filtered = [&](const Taps& t) {
        const __m128i top = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(t.top)), zero);
        const __m128i bottom = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(t.bottom)), zero);
        const __m128i wy = _mm_set1_epi16(static_cast<short>(t.fy));
        const __m128i column = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(top, _mm_sub_epi16(c256, wy)), _mm_mullo_epi16(bottom, wy)), 8);
        const __m128i wx = _mm_add_epi16(
            left_full, _mm_sub_epi16(_mm_xor_si128(_mm_set1_epi16(static_cast<short>(t.fx)), left_sign), left_sign));
        const __m128i prod = _mm_mullo_epi16(column, wx);
        return _mm_add_epi16(prod, _mm_srli_si128(prod, 8));
      };
      // Premultiplied "over" of two pixels (lanes 0..3 and 4..7) onto two screen pixels. A clear source
      // leaves the screen exactly as it was, so no test is needed.
      auto blend_pair = [&](__m128i sum2, __m128i dst) {
        __m128i px = _mm_srli_epi16(sum2, 8);
        px = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(px, mod), c128), 8);
        if constexpr (kVectorLight<Op>) {
          // Additive light: the tinted source adds to the screen, saturating; the screen stays opaque.
          const __m128i sum = _mm_adds_epu16(px, dst);
          const __m128i opaque = _mm_setr_epi16(0, 0, 0, 255, 0, 0, 0, 255);
          const __m128i out = _mm_or_si128(sum, opaque);
          return _mm_packus_epi16(out, out);
        }
        const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(px, 0xFF), 0xFF);
        __m128i keep = _mm_add_epi16(_mm_mullo_epi16(dst, _mm_sub_epi16(c255, alpha)), c128);
        keep = _mm_srli_epi16(_mm_add_epi16(keep, _mm_srli_epi16(keep, 8)), 8);
        const __m128i out = _mm_add_epi16(px, keep);
        return _mm_packus_epi16(out, out);
      };
      int x = lo;
      for (; x + 1 < hi; x += 2, u += 2 * p.dudx, v += 2 * p.dvdx) {
        const Taps ta = taps(u, v), tb = taps(u + p.dudx, v + p.dvdx);
        if ((ta.top | ta.bottom | tb.top | tb.bottom) == 0) continue;  // the clear margin of a sprite
        const __m128i a = filtered(ta), b = filtered(tb);
        uint64_t pair;
        std::memcpy(&pair, d + x, 8);
        const __m128i dst = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(pair)), zero);
        const __m128i res = blend_pair(_mm_unpacklo_epi64(a, b), dst);
        pair = static_cast<uint64_t>(_mm_cvtsi128_si64(res));
        std::memcpy(d + x, &pair, 8);
      }
      if (x < hi) {
        const __m128i dst = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(d[x])), zero);
        d[x] = static_cast<uint32_t>(_mm_cvtsi128_si32(blend_pair(filtered(taps(u, v)), dst)));
      }
#endif
    } else {
      // Bilinear around the pixel centre; the border texels make the edge taps safe.
      u -= ONE / 2;
      v -= ONE / 2;
      for (int x = lo; x < hi; ++x, u += p.dudx, v += p.dvdx) {
        const uint32_t* q = src + ((v >> FRAC) + 1) * stride + (u >> FRAC) + 1;
        uint32_t p00 = q[0], p01 = q[1], p10 = q[stride], p11 = q[stride + 1];
        if (Op::skip_clear && (p00 | p01 | p10 | p11) == 0) continue;
        uint32_t fx = static_cast<uint32_t>(u >> (FRAC - 8)) & 255u;
        uint32_t fy = static_cast<uint32_t>(v >> (FRAC - 8)) & 255u;
        uint32_t px = lerp_px(lerp_px(p00, p01, fx), lerp_px(p10, p11, fx), fy);
        if (Op::skip_clear && px == 0) continue;
        op(d[x], px);
      }
    }
  }
}

int clamp_coord(double v) {
  if (!(v > -static_cast<double>(COORD_LIMIT))) return static_cast<int>(-COORD_LIMIT);
  if (!(v < static_cast<double>(COORD_LIMIT))) return static_cast<int>(COORD_LIMIT);
  return static_cast<int>(std::floor(v));
}

}  // namespace

Placement place(double px, double py, double hx, double hy, double sx, double sy, double degrees) {
  Placement p;
  const double far = 1e7;
  if (!std::isfinite(px) || !std::isfinite(py) || !std::isfinite(hx) || !std::isfinite(hy) || !std::isfinite(sx) ||
      !std::isfinite(sy) || !std::isfinite(degrees))
    return p;
  if (std::fabs(sx) < 1e-4 || std::fabs(sy) < 1e-4 || std::fabs(px) > far || std::fabs(py) > far ||
      std::fabs(hx) > far || std::fabs(hy) > far)
    return p;
  double s, c;
  sin_cos_degrees(degrees, s, c);
  p.valid = true;
  p.px = px;
  p.py = py;
  p.hx = hx;
  p.hy = hy;
  p.m00 = c * sx;
  p.m01 = -s * sy;
  p.m10 = s * sx;
  p.m11 = c * sy;
  p.ax = static_cast<int64_t>(std::floor(px));
  p.ay = static_cast<int64_t>(std::floor(py));
  double dx = static_cast<double>(p.ax) + 0.5 - px;
  double dy = static_cast<double>(p.ay) + 0.5 - py;
  p.u0 = fixed(hx + (c * dx + s * dy) / sx);
  p.v0 = fixed(hy + (-s * dx + c * dy) / sy);
  p.dudx = fixed(c / sx);
  p.dudy = fixed(s / sx);
  p.dvdx = fixed(-s / sy);
  p.dvdy = fixed(c / sy);
  return p;
}

Box intersect(const Box& a, const Box& b) {
  return Box{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Box bounds(const Placement& p, int64_t ulo, int64_t uhi, int64_t vlo, int64_t vhi) {
  if (!p.valid || ulo >= uhi || vlo >= vhi) return Box{};
  const double one = static_cast<double>(ONE);
  double us[2] = {static_cast<double>(ulo) / one - p.hx, static_cast<double>(uhi) / one - p.hx};
  double vs[2] = {static_cast<double>(vlo) / one - p.hy, static_cast<double>(vhi) / one - p.hy};
  double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
  for (double u : us) {
    for (double v : vs) {
      double x = p.px + p.m00 * u + p.m01 * v;
      double y = p.py + p.m10 * u + p.m11 * v;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  // The margin covers the rounding of the fixed-point steps; spans decide the exact pixels.
  return Box{clamp_coord(x0) - 2, clamp_coord(y0) - 2, clamp_coord(x1) + 3, clamp_coord(y1) + 3};
}

void span(const Placement& p, int64_t y, int64_t ulo, int64_t uhi, int64_t vlo, int64_t vhi, int clip_lo, int clip_hi,
          int& lo, int& hi) {
  lo = hi = clip_lo;
  if (!p.valid || clip_lo >= clip_hi) return;
  int64_t ur = p.u0 + (y - p.ay) * p.dudy;
  int64_t vr = p.v0 + (y - p.ay) * p.dvdy;
  int64_t a0, a1, b0, b1;
  run_1d(ur, p.dudx, ulo, uhi, a0, a1);
  run_1d(vr, p.dvdx, vlo, vhi, b0, b1);
  int64_t k0 = std::max(a0, b0), k1 = std::min(a1, b1);
  int64_t x0 = std::max<int64_t>(p.ax + k0, clip_lo);
  int64_t x1 = std::min<int64_t>(p.ax + k1, clip_hi);
  if (x0 >= x1) return;
  lo = static_cast<int>(x0);
  hi = static_cast<int>(x1);
}

void draw_cell(const Target& t, const ImageData& img, int frame, const Placement& p, const Paint& paint) {
  if (!p.valid || frame < 0 || frame >= static_cast<int>(img.frames.size())) return;
  const ImageData::Frame& f = img.frames[static_cast<size_t>(frame)];
  int64_t w = int64_t{img.cell_w} << FRAC, h = int64_t{img.cell_h} << FRAC;
  Box b = intersect(bounds(p, 0, w, 0, h), t.clip);
  if (b.empty()) return;
  const int stride = img.stride();
  // Solid drawing of an untinted, fully opaque picture is exactly "over" with full alpha, which has a
  // vector path: the full-screen backgrounds are drawn this way every frame.
  Paint effective = paint;
  if (paint.blend == 2 && f.opaque && paint.r >= 255 && paint.g >= 255 && paint.b >= 255) {
    effective.blend = 3;
    effective.alpha = 1.0f;
  }
  with_op(effective, [&](auto op) {
    if (p.axis_aligned_unit())
      cell_rows<Sampling::Unit>(t, f, stride, p, b, w, h, op);
    else if (img.filtered)
      cell_rows<Sampling::Bilinear>(t, f, stride, p, b, w, h, op);
    else
      cell_rows<Sampling::Nearest>(t, f, stride, p, b, w, h, op);
  });
}

namespace {
// Rectangle [0, w) x [0, h) in object units, whichever way w and h point.
void shape_range(double w, double h, int64_t& ulo, int64_t& uhi, int64_t& vlo, int64_t& vhi) {
  int64_t fw = fixed(std::clamp(w, -1e7, 1e7)), fh = fixed(std::clamp(h, -1e7, 1e7));
  ulo = std::min<int64_t>(0, fw);
  uhi = std::max<int64_t>(0, fw);
  vlo = std::min<int64_t>(0, fh);
  vhi = std::max<int64_t>(0, fh);
}
}  // namespace

void draw_rect(const Target& t, const Placement& p, double w, double h, const Paint& paint) {
  if (!p.valid || !std::isfinite(w) || !std::isfinite(h)) return;
  int64_t ulo, uhi, vlo, vhi;
  shape_range(w, h, ulo, uhi, vlo, vhi);
  Box b = intersect(bounds(p, ulo, uhi, vlo, vhi), t.clip);
  if (b.empty()) return;
  with_op(paint, [&](auto op) {
    for (int y = b.y0; y < b.y1; ++y) {
      int lo, hi;
      span(p, y, ulo, uhi, vlo, vhi, b.x0, b.x1, lo, hi);
      uint32_t* d = t.pixels + static_cast<ptrdiff_t>(y) * t.stride;
      for (int x = lo; x < hi; ++x) op(d[x], 0xFFFFFFFFu);
    }
  });
}

void draw_oval(const Target& t, const Placement& p, double w, double h, const Paint& paint) {
  if (!p.valid || !std::isfinite(w) || !std::isfinite(h)) return;
  int64_t ulo, uhi, vlo, vhi;
  shape_range(w, h, ulo, uhi, vlo, vhi);
  Box b = intersect(bounds(p, ulo, uhi, vlo, vhi), t.clip);
  if (b.empty()) return;
  const double cu = 0.5 * static_cast<double>(ulo + uhi), cv = 0.5 * static_cast<double>(vlo + vhi);
  const double ru = 0.5 * static_cast<double>(uhi - ulo), rv = 0.5 * static_cast<double>(vhi - vlo);
  with_op(paint, [&](auto op) {
    for (int y = b.y0; y < b.y1; ++y) {
      int lo, hi;
      span(p, y, ulo, uhi, vlo, vhi, b.x0, b.x1, lo, hi);
      uint32_t* d = t.pixels + static_cast<ptrdiff_t>(y) * t.stride;
      for (int x = lo; x < hi; ++x) {
        double du = (static_cast<double>(p.u_at(x, y)) - cu) / ru;
        double dv = (static_cast<double>(p.v_at(x, y)) - cv) / rv;
        if (du * du + dv * dv <= 1.0) op(d[x], 0xFFFFFFFFu);
      }
    }
  });
}

void draw_line(const Target& t, double x1, double y1, double x2, double y2, const Paint& paint) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) || t.clip.empty()) return;
  // Cut the segment to the viewport (one pixel of slack) so far-away ends cost nothing.
  const double bx0 = t.clip.x0 - 1.0, by0 = t.clip.y0 - 1.0, bx1 = t.clip.x1 + 1.0, by1 = t.clip.y1 + 1.0;
  double t0 = 0.0, t1 = 1.0, dx = x2 - x1, dy = y2 - y1;
  auto clip = [&](double q, double r) {  // keeps the part where q * t <= r
    if (q == 0.0) return r >= 0.0;
    double k = r / q;
    if (q < 0.0) {
      if (k > t1) return false;
      t0 = std::max(t0, k);
    } else {
      if (k < t0) return false;
      t1 = std::min(t1, k);
    }
    return true;
  };
  if (!clip(-dx, x1 - bx0) || !clip(dx, bx1 - x1) || !clip(-dy, y1 - by0) || !clip(dy, by1 - y1)) return;
  int ix = static_cast<int>(std::floor(x1 + t0 * dx)), iy = static_cast<int>(std::floor(y1 + t0 * dy));
  const int ex = static_cast<int>(std::floor(x1 + t1 * dx)), ey = static_cast<int>(std::floor(y1 + t1 * dy));
  const int adx = std::abs(ex - ix), ady = std::abs(ey - iy);
  const int stepx = ex > ix ? 1 : -1, stepy = ey > iy ? 1 : -1;
  with_op(paint, [&](auto op) {
    int x = ix, y = iy, err = adx - ady;
    for (;;) {
      if (x >= t.clip.x0 && x < t.clip.x1 && y >= t.clip.y0 && y < t.clip.y1)
        op(t.pixels[static_cast<ptrdiff_t>(y) * t.stride + x], 0xFFFFFFFFu);
      if (x == ex && y == ey) break;
      int e2 = 2 * err;
      if (e2 > -ady) { err -= ady; x += stepx; }
      if (e2 < adx) { err += adx; y += stepy; }
    }
  });
}

}  // namespace raster
