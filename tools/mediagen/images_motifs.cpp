// Motifs shared by several pictures: the rocket, the walking person, the coin and star bursts.
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

void draw_rocket(cairo_t* cr, double len, Rgb body, Rgb fins) {
  const double s = len / 100.0;  // drawn in a 100-long frame
  cairo_save(cr);
  cairo_scale(cr, s, s);
  const double lw = 2.2 / std::max(s, 0.25);
  // Fins (behind the body).
  poly(cr, {-40, -9, -50, -22, -30, -22, -18, -9});
  poly(cr, {-40, 9, -50, 22, -30, 22, -18, 9});
  fill_linear(cr, 0, -22, 0, 22, {{0, shade(fins, 1.3)}, {0.5, fins}, {1, shade(fins, 0.6)}});
  outline(cr, lw);
  // Body with an ogive nose.
  cairo_move_to(cr, -46, -10);
  cairo_line_to(cr, 22, -10);
  cairo_curve_to(cr, 36, -10, 46, -4, 50, 0);
  cairo_curve_to(cr, 46, 4, 36, 10, 22, 10);
  cairo_line_to(cr, -46, 10);
  cairo_close_path(cr);
  fill_body(cr, body, -10, 10);
  outline(cr, lw);
  // Nose cone band and tail nozzle.
  cairo_move_to(cr, 22, -10);
  cairo_curve_to(cr, 36, -10, 46, -4, 50, 0);
  cairo_curve_to(cr, 46, 4, 36, 10, 22, 10);
  cairo_close_path(cr);
  fill_body(cr, fins, -10, 10);
  outline(cr, lw);
  rounded_rect(cr, -52, -7, 8, 14, 2);
  fill_body(cr, pal::steel_dark, -7, 7);
  outline(cr, lw);
  // Centre fin seen edge-on.
  poly(cr, {-40, -2, -52, -2, -52, 2, -40, 2});
  set(cr, shade(fins, 0.7));
  cairo_fill(cr);
  // Highlight.
  cairo_move_to(cr, -38, -5.5);
  cairo_line_to(cr, 20, -5.5);
  set(cr, pal::white, 0.55);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

namespace {
void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double w, Rgb c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  set(cr, pal::ink);
  cairo_set_line_width(cr, w + 3);
  cairo_stroke_preserve(cr);
  set(cr, c);
  cairo_set_line_width(cr, w);
  cairo_stroke(cr);
}
}  // namespace

void draw_person(cairo_t* cr, double phase, Rgb shirt, Rgb trousers, Rgb skin) {
  const bool walking = phase >= 0;
  const double a = walking ? std::sin(phase * 2 * M_PI) : 0.0;
  const double bob = walking ? -std::fabs(std::cos(phase * 2 * M_PI)) * 1.5 : 0.0;
  const double hip = -24 + bob, shoulder = -43 + bob;
  const double stride = 0.5 * a;  // radians
  auto leg = [&](double ang, Rgb c) {
    const double kx = std::sin(ang) * 11, ky = hip + std::cos(ang) * 11;
    const double bend = ang < 0 ? -ang * 0.8 : 0.0;  // the trailing leg bends at the knee
    const double fx = kx + std::sin(ang - bend) * 12, fy = ky + std::cos(ang - bend) * 12;
    limb(cr, 0, hip, kx, ky, fx, std::min(fy, -2.0), 6, c);
    // Shoe.
    rounded_rect(cr, fx - 3, std::min(fy, -2.0) - 2, 9, 5, 2);
    set(cr, hex(0x2b2018));
    cairo_fill_preserve(cr);
    outline(cr, 1.2);
  };
  auto arm = [&](double ang, Rgb c) {
    const double ex = std::sin(ang) * 9, ey = shoulder + 2 + std::cos(ang) * 9;
    const double hx = ex + std::sin(ang + 0.5) * 9, hy = ey + std::cos(ang + 0.5) * 9;
    limb(cr, 0, shoulder + 2, ex, ey, hx, hy, 4.5, c);
    ellipse(cr, hx, hy, 2.6, 2.6);
    set(cr, skin);
    cairo_fill_preserve(cr);
    outline(cr, 1.2);
  };
  arm(stride, shade(shirt, 0.7));
  leg(-stride, shade(trousers, 0.7));
  // Torso.
  rounded_rect(cr, -7, shoulder - 1, 14, hip - shoulder + 5, 5);
  fill_linear(cr, -7, 0, 7, 0, {{0, shade(shirt, 1.25)}, {1, shade(shirt, 0.8)}});
  outline(cr, 1.8);
  leg(stride, trousers);
  arm(-stride, shirt);
  // Head with hair, facing right.
  const double hy = shoulder - 9;
  ellipse(cr, 1, hy, 8, 8.5);
  fill_radial(cr, -1, hy - 3, 10, {{0, shade(skin, 1.2)}, {1, shade(skin, 0.85)}});
  outline(cr, 1.8);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 1, hy, 8, M_PI * 0.95, M_PI * 2.05);
  cairo_close_path(cr);
  set(cr, hex(0x4a2e1a));
  cairo_fill_preserve(cr);
  outline(cr, 1.4);
  ellipse(cr, 5.5, hy + 1, 1.3, 1.5);
  set(cr, pal::ink);
  cairo_fill(cr);
}

void draw_coin(cairo_t* cr, double r) {
  ellipse(cr, 0, 0, r, r);
  fill_radial(cr, -r * 0.3, -r * 0.3, r * 1.3, {{0, hex(0xfff6b0)}, {0.5, hex(0xffc830)}, {1, hex(0xb07010)}});
  outline(cr, std::max(1.0, r * 0.12));
  ellipse(cr, 0, 0, r * 0.7, r * 0.7);
  set(cr, hex(0x9a5e08), 0.6);
  cairo_set_line_width(cr, std::max(0.8, r * 0.08));
  cairo_stroke(cr);
  if (r >= 10) {
    text_path(cr, "$", r * 1.1, 0, 0);
    set(cr, hex(0x8a5006));
    cairo_fill(cr);
  }
}

void star_path(cairo_t* cr, double cx, double cy, int points, double r_in, double r_out, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = turn + i * M_PI / points - M_PI / 2;
    const double r = (i % 2) ? r_in : r_out;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

}  // namespace mediagen::img
