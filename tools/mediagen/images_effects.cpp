// Animated strips of the battlefield: walking humans, explosions, the mushroom cloud, gas, fire and particles.
#include <algorithm>
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

Canvas make_humans() {
  // Cells 3-5 walk right, 6-8 stand, 9-11 walk left; 0-2 (unused by the game) stand as well.
  constexpr int W = 48, H = 64;
  Canvas c(12 * W, H);
  cairo_t* cr = c.cr();
  const Rgb shirt = hex(0x3f8fe0), trousers = hex(0x4a4f63), skin = hex(0xf2c9a0);
  for (int cell = 0; cell < 12; ++cell) {
    cairo_save(cr);
    cairo_rectangle(cr, cell * W, 0, W, H);
    cairo_clip(cr);
    cairo_translate(cr, cell * W + W / 2.0, H - 1.5);
    // Three walking poses: one foot forward, legs passing, the other foot forward.
    static const double kPhase[3] = {0.178, 0.5, 0.822};
    double phase = -1;
    if (cell >= 3 && cell <= 5) phase = kPhase[cell - 3];
    if (cell >= 9) phase = kPhase[cell - 9];
    if (cell >= 9) cairo_scale(cr, -1, 1);
    if (cell == 7) cairo_translate(cr, 0, -0.6);  // a little breathing while standing
    draw_person(cr, phase, shirt, trousers, skin);
    cairo_restore(cr);
  }
  return c;
}

namespace {

// Colour of burning matter by temperature: 1 white-hot, 0.75 yellow, 0.5 orange, 0.3 red, below that smoke.
Rgb heat(double t) {
  struct K {
    double t;
    Rgb c;
  };
  static const K ramp[] = {{0.0, hex(0x3a3634)}, {0.18, hex(0x5a4a40)}, {0.3, hex(0xb02a10)}, {0.5, hex(0xf06a18)},
                           {0.75, hex(0xffc838)}, {1.0, hex(0xfffbe8)}};
  t = std::clamp(t, 0.0, 1.0);
  for (size_t i = 1; i < std::size(ramp); ++i)
    if (t <= ramp[i].t) return mix(ramp[i - 1].c, ramp[i].c, (t - ramp[i - 1].t) / (ramp[i].t - ramp[i - 1].t));
  return ramp[std::size(ramp) - 1].c;
}

// A soft ball of gas or fire: opaque core, feathered edge.
void puff(cairo_t* cr, double x, double y, double r, Rgb col, double a) {
  if (r <= 0.2 || a <= 0.0) return;
  ellipse(cr, x, y, r, r);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.35, 0, x, y, r);
  const Rgb hi = shade(col, 1.25), lo = shade(col, 0.75);
  cairo_pattern_add_color_stop_rgba(p, 0.0, hi.r, hi.g, hi.b, a);
  cairo_pattern_add_color_stop_rgba(p, 0.6, col.r, col.g, col.b, a);
  cairo_pattern_add_color_stop_rgba(p, 0.85, lo.r, lo.g, lo.b, a * 0.75);
  cairo_pattern_add_color_stop_rgba(p, 1.0, lo.r, lo.g, lo.b, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

Canvas make_explosion() {
  // 12 cells of 96x96 from flash to fading smoke; drawn at random turns, so no up or down.
  constexpr int S = 96;
  Canvas c(12 * S, S);
  cairo_t* cr = c.cr();
  struct Blob {
    double ang, dist, r, jitter;
  };
  Rng rng(1212);
  std::vector<Blob> blobs;
  for (int i = 0; i < 16; ++i) blobs.push_back({rng.uniform(0, 2 * M_PI), rng.uniform(0.2, 1.0), rng.uniform(11, 19), rng.uniform(-0.1, 0.1)});
  std::vector<std::pair<double, double>> sparks;
  for (int i = 0; i < 12; ++i) sparks.push_back({rng.uniform(0, 2 * M_PI), rng.uniform(0.7, 1.0)});
  for (int f = 0; f < 12; ++f) {
    const double t = f / 11.0, e = 1 - (1 - t) * (1 - t) * (1 - t);
    const double cx = f * S + S / 2.0, cy = S / 2.0;
    cairo_save(cr);
    cairo_rectangle(cr, f * S, 0, S, S);
    cairo_clip(cr);
    const double fade = t < 0.55 ? 1.0 : std::max(0.0, 1 - (t - 0.55) / 0.45);
    // Heat haze around the young fireball.
    if (t < 0.6) {
      const double hr = 22 + e * 24;
      ellipse(cr, cx, cy, hr, hr);
      cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, hr);
      cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.85, 0.4, 0.7 * (1 - t / 0.6));
      cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.5, 0.1, 0.0);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
    // Shock ring in the first frames.
    if (f >= 1 && f <= 4) {
      cairo_arc(cr, cx, cy, 12 + f * 9, 0, 2 * M_PI);
      set(cr, hex(0xfff2c0), 0.5 - f * 0.1);
      cairo_set_line_width(cr, 5 - f);
      cairo_stroke(cr);
    }
    // Sparks flying out.
    if (f <= 6) {
      for (auto [a, k] : sparks) {
        const double r0 = 8 + e * 40 * k, r1 = r0 + 8 - f;
        cairo_move_to(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a));
        cairo_line_to(cr, cx + r1 * std::cos(a), cy + r1 * std::sin(a));
      }
      set(cr, hex(0xffe890), 1 - f / 7.0);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    // Outer (cooler, darker) blobs first, the hot core last.
    for (int layer = 0; layer < 2; ++layer)
      for (const Blob& b : blobs) {
        const double d = b.dist * (4 + e * 28) * (layer ? 0.45 : 1.0);
        const double r = b.r * (0.45 + 0.85 * e) * (layer ? 0.75 : 1.0);
        const double temp = (layer ? 1.05 : 0.85) - t * 1.15 + b.jitter - b.dist * 0.15;
        puff(cr, cx + d * std::cos(b.ang), cy + d * std::sin(b.ang) - t * 6, r, heat(temp), fade);
      }
    cairo_restore(cr);
  }
  return c;
}

Canvas make_explosion_nuke() {
  // 27 cells of 78x120: a ground fireball that climbs into a mushroom cloud and drifts apart.
  // The first five cells double as flames on burning humans.
  constexpr int W = 78, H = 120;
  Canvas c(27 * W, H);
  cairo_t* cr = c.cr();
  Rng rng(2727);
  struct Blob {
    double ang, dist, r, jit;
  };
  std::vector<Blob> cap, stem;
  for (int i = 0; i < 22; ++i) cap.push_back({rng.uniform(0, 2 * M_PI), rng.uniform(0.1, 1.0), rng.uniform(9, 14), rng.uniform(-0.08, 0.08)});
  for (int i = 0; i < 18; ++i) stem.push_back({rng.uniform(-1, 1), i / 17.0, rng.uniform(7, 9), rng.uniform(-0.08, 0.08)});
  for (int f = 0; f < 27; ++f) {
    const double t = f / 26.0;
    const double cx = f * W + W / 2.0;
    const double ground = H - 6;
    cairo_save(cr);
    cairo_rectangle(cr, f * W, 0, W, H);
    cairo_clip(cr);
    const double rise = 1 - std::pow(1 - std::min(t * 1.6, 1.0), 2);  // eases to the top by 60 % of the life
    const double cap_y = ground - 14 - rise * 68;
    const double cap_w = 10 + 20 * std::min(t * 1.8, 1.0);
    const double fade = t < 0.7 ? 1.0 : std::max(0.0, 1 - (t - 0.7) / 0.3);
    // Dust skirt on the ground.
    if (t > 0.08) {
      for (int i = -3; i <= 3; ++i) {
        const double spread = std::min(t * 2.5, 1.0);
        puff(cr, cx + i * 5.5 * spread * 1.8, ground - 2, 5 + 3 * spread, hex(0x8a7058), fade * 0.9);
      }
    }
    // Stem.
    for (const Blob& b : stem) {
      const double y = ground - (ground - cap_y) * b.dist;
      const double temp = 0.88 - t * 1.1 + b.jit + (1 - b.dist) * 0.1;
      puff(cr, cx + b.ang * 3, y, b.r * (0.7 + 0.4 * (1 - b.dist)), heat(temp), fade);
    }
    // Cap.
    for (const Blob& b : cap) {
      const double x = cx + std::cos(b.ang) * b.dist * cap_w;
      const double y = cap_y + std::sin(b.ang) * b.dist * cap_w * 0.45;
      const double temp = 0.92 - t * 1.05 + b.jit - b.dist * 0.2 + (std::sin(b.ang) < 0 ? -0.05 : 0.08);
      puff(cr, x, y, b.r * (0.55 + 0.6 * std::min(t * 1.8, 1.0)), heat(temp), fade);
    }
    // White-hot core early on.
    if (t < 0.3) puff(cr, cx, cap_y + 2, 9 * (1 - t * 2), hex(0xfff0b0), 1.0);
    cairo_restore(cr);
  }
  return c;
}

Canvas make_gas_cloud() {
  // 4 cells of 96x96 of toxic gas, cycled every 200 ms; black is the see-through colour here.
  constexpr int S = 96;
  Canvas c(4 * S, S);
  cairo_t* cr = c.cr();
  Rng rng(404);
  struct Blob {
    double x, y, r, ph;
  };
  std::vector<Blob> blobs;
  for (int i = 0; i < 14; ++i) {
    const double a = rng.uniform(0, 2 * M_PI), d = rng.uniform(0, 24);
    blobs.push_back({d * std::cos(a), d * std::sin(a) * 0.8, rng.uniform(11, 18), rng.uniform(0, 2 * M_PI)});
  }
  for (int f = 0; f < 4; ++f) {
    const double cx = f * S + S / 2.0, cy = S / 2.0;
    const double ph = f * M_PI / 2;
    for (size_t i = 0; i < blobs.size(); ++i) {
      const Blob& b = blobs[i];
      const double wob = std::sin(ph + b.ph);
      const Rgb col = mix(hex(0x9ad040), hex(0xd8e860), 0.5 + 0.5 * std::sin(b.ph + ph * 0.5));
      puff(cr, cx + b.x + 2.5 * wob, cy + b.y + 2.5 * std::cos(ph + b.ph), b.r + 1.5 * wob, col, 0.7);
    }
    // A few bubbles of brighter gas.
    for (int k = 0; k < 3; ++k) {
      const double a = ph + k * 2.1;
      puff(cr, cx + 16 * std::cos(a), cy + 12 * std::sin(a), 6, hex(0xf0ff90), 0.6);
    }
  }
  return c;
}

Canvas make_fire() {
  // 5 cells of 29x67: flame tongues licking up from the cell's lower part.
  constexpr int W = 29, H = 67;
  Canvas c(5 * W, H);
  cairo_t* cr = c.cr();
  for (int f = 0; f < 5; ++f) {
    const double cx = f * W + W / 2.0;
    const double ph = f * 2 * M_PI / 5;
    cairo_save(cr);
    cairo_rectangle(cr, f * W, 0, W, H);
    cairo_clip(cr);
    auto tongue = [&](double w, double top, double sway) {
      cairo_new_path(cr);
      cairo_move_to(cr, cx, H - 3);
      cairo_curve_to(cr, cx - w, H - 6, cx - w * 1.1, H - 26, cx - w * 0.3 + sway * 0.5, H - 38);
      cairo_curve_to(cr, cx + sway * 0.8, top + 14, cx + sway, top + 6, cx + sway * 1.2, top);
      cairo_curve_to(cr, cx + w * 0.7 + sway * 0.6, top + 18, cx + w * 1.1, H - 24, cx + w, H - 8);
      cairo_curve_to(cr, cx + w * 0.8, H - 3, cx + 3, H - 2, cx, H - 3);
      cairo_close_path(cr);
    };
    const double sway = 4 * std::sin(ph);
    tongue(12.5, 4 + 3 * std::sin(ph * 2), sway);
    fill_linear(cr, 0, H, 0, 4, {{0, hex(0xb02a10)}, {0.35, hex(0xf06a18)}, {0.8, hex(0xff9a28)}, {1, hex(0xffc040)}});
    set(cr, hex(0x7a1a08), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    tongue(8, 20 + 3 * std::cos(ph * 2), -sway * 0.7);
    fill_linear(cr, 0, H, 0, 20, {{0, hex(0xffa030)}, {0.6, hex(0xffd848)}, {1, hex(0xffeea0)}});
    cairo_new_path(cr);
    tongue(4.5, 36 + 2 * std::sin(ph * 3), sway * 0.4);
    set(cr, hex(0xfffbe0));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  return c;
}

Canvas make_particles() {
  // 16 cells of 32x32: 0-3 blood, 4-7 metal fragments (light, the game tints some yellow), 8-11 smoke puffs
  // (light, drawn additively and sometimes tinted yellow), 12 a spark, 13 a coin, 14-15 spare.
  constexpr int S = 32;
  Canvas c(16 * S, S);
  cairo_t* cr = c.cr();
  Rng rng(1616);
  for (int n = 0; n < 16; ++n) {
    const double cx = n * S + S / 2.0, cy = S / 2.0;
    cairo_save(cr);
    cairo_rectangle(cr, n * S, 0, S, S);
    cairo_clip(cr);
    if (n < 4) {
      // Blood: a drop and a few droplets.
      const double r = 7 + n;
      cairo_move_to(cr, cx, cy - r * 1.5);
      cairo_curve_to(cr, cx + r * 0.3, cy - r * 0.6, cx + r, cy - r * 0.2, cx + r, cy + r * 0.35);
      cairo_curve_to(cr, cx + r, cy + r * 1.0, cx - r, cy + r * 1.0, cx - r, cy + r * 0.35);
      cairo_curve_to(cr, cx - r, cy - r * 0.2, cx - r * 0.3, cy - r * 0.6, cx, cy - r * 1.5);
      cairo_close_path(cr);
      fill_radial(cr, cx - r * 0.3, cy, r * 1.4, {{0, hex(0xf04040)}, {0.6, hex(0xb01010)}, {1, hex(0x600808)}});
      outline(cr, 1.2, hex(0x3a0404), 0.8);
      ellipse(cr, cx - r * 0.35, cy + r * 0.1, r * 0.22, r * 0.3);
      set(cr, pal::white, 0.6);
      cairo_fill(cr);
      for (int k = 0; k < 2 + n % 2; ++k) {
        ellipse(cr, cx + rng.uniform(-12, 12), cy + rng.uniform(-12, 12), 1.6, 1.6);
        set(cr, hex(0xb01010));
        cairo_fill(cr);
      }
    } else if (n < 8) {
      // Metal: a jagged light shard with a bright edge.
      const int k = 5 + n % 3;
      cairo_new_sub_path(cr);
      for (int i = 0; i < k; ++i) {
        const double a = i * 2 * M_PI / k + rng.uniform(-0.3, 0.3);
        const double r = rng.uniform(6, 13);
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a) * 0.7);
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a) * 0.7);
      }
      cairo_close_path(cr);
      fill_linear(cr, cx - 10, cy - 10, cx + 10, cy + 10, {{0, hex(0xf4f6fa)}, {0.5, hex(0xc4ccd8)}, {1, hex(0x8a96a8)}});
      outline(cr, 1.5);
    } else if (n < 12) {
      // Smoke: soft light puffs.
      for (int k = 0; k < 3; ++k) {
        const double a = (n * 1.7 + k * 2.1);
        puff(cr, cx + 5 * std::cos(a), cy + 5 * std::sin(a), 9 + k, hex(0xe8e8ec), 0.85);
      }
    } else if (n == 12) {
      // Spark.
      glow(c, [&](cairo_t* k2) { ellipse(k2, cx, cy, 8, 8); cairo_fill(k2); }, 4, hex(0xffd060), 1.0);
      star_path(cr, cx, cy, 4, 2.5, 14);
      fill_radial(cr, cx, cy, 14, {{0, hex(0xffffff)}, {0.5, hex(0xfff0a0)}, {1, hex(0xffb030)}});
      cairo_new_path(cr);
    } else if (n == 13) {
      cairo_translate(cr, cx, cy);
      draw_coin(cr, 13);
    }
    cairo_restore(cr);
  }
  return c;
}

void write_effects(Output& out) {
  save_png(out, "gfx/human.png", make_humans());
  save_png(out, "gfx/explosion.png", make_explosion());
  save_png(out, "gfx/explosion_nuke.png", make_explosion_nuke());
  save_png(out, "gfx/cloud.png", make_gas_cloud());
  save_png(out, "gfx/fire.png", make_fire());
  save_png(out, "gfx/particle.png", make_particles());
}

}  // namespace mediagen::img
