// Enemy aircraft, bosses and every projectile, drawn facing right (heading 0) and upright.
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

namespace {

constexpr Rgb kEnemyRed = hex(0xc8302a);

void part(cairo_t* cr, Rgb base, double y0, double y1, double lw = 2.2) {
  fill_body(cr, base, y0, y1);
  outline(cr, lw);
}

void canopy(cairo_t* cr, double x, double y, double w, double h) {
  ellipse(cr, x, y, w, h);
  fill_linear(cr, 0, y - h, 0, y + h, {{0, hex(0xe8fbff)}, {0.4, pal::glass}, {1, hex(0x2f6a9a)}});
  outline(cr, 2);
  ellipse(cr, x - w * 0.25, y - h * 0.35, w * 0.35, h * 0.22);
  set(cr, pal::white, 0.8);
  cairo_fill(cr);
}

void roundel(cairo_t* cr, double x, double y, double r) {
  ellipse(cr, x, y, r, r);
  set(cr, hex(0x1a1a1a));
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
  ellipse(cr, x, y, r * 0.7, r * 0.7);
  set(cr, pal::yellow);
  cairo_fill(cr);
  ellipse(cr, x, y, r * 0.4, r * 0.4);
  set(cr, kEnemyRed);
  cairo_fill(cr);
}

// A spinning propeller seen from the side: a pale blurred disc in front of the nose.
void prop_disc(cairo_t* cr, double x, double y, double h) {
  ellipse(cr, x, y, h * 0.12, h);
  set(cr, hex(0xdde4ee), 0.45);
  cairo_fill_preserve(cr);
  outline(cr, 1.2, pal::ink, 0.4);
  ellipse(cr, x, y, h * 0.15, h * 0.16);
  set(cr, pal::steel_dark);
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
}

// Spinning rotor above a helicopter: a thin translucent ellipse with blade streaks.
void rotor(cairo_t* cr, double x, double y, double r) {
  ellipse(cr, x, y, r, r * 0.07);
  set(cr, hex(0xdde4ee), 0.35);
  cairo_fill_preserve(cr);
  outline(cr, 1.2, pal::ink, 0.35);
  cairo_move_to(cr, x - r * 0.95, y);
  cairo_line_to(cr, x + r * 0.95, y);
  set(cr, pal::ink, 0.55);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  rounded_rect(cr, x - 5, y - 3, 10, 12, 3);
  part(cr, pal::steel_dark, y - 3, y + 9, 1.6);
}

// A streamlined fuselage from nose (right) to tail (left) with given top and bottom profiles.
void fuselage(cairo_t* cr, double x0, double x1, double cy, double half, double nose, double tail_up) {
  cairo_move_to(cr, x1, cy);
  cairo_curve_to(cr, x1, cy - half * 0.7, x1 - nose * 0.5, cy - half, x1 - nose, cy - half);
  cairo_line_to(cr, x0 + (x1 - x0) * 0.3, cy - half);
  cairo_curve_to(cr, x0 + (x1 - x0) * 0.15, cy - half, x0 + 10, cy - half - tail_up * 0.6, x0, cy - half - tail_up);
  cairo_line_to(cr, x0, cy - half - tail_up + half * 0.6);
  cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, cy + half * 0.4, x0 + (x1 - x0) * 0.3, cy + half, x0 + (x1 - x0) * 0.45,
                 cy + half);
  cairo_line_to(cr, x1 - nose, cy + half);
  cairo_curve_to(cr, x1 - nose * 0.5, cy + half, x1, cy + half * 0.7, x1, cy);
  cairo_close_path(cr);
}

Canvas fighter() {
  Canvas c(200, 90);
  cairo_t* cr = c.cr();
  const Rgb body = hex(0x7f90a8);
  // Far wing and tailplane.
  poly(cr, {86, 48, 120, 48, 98, 28, 84, 28});
  part(cr, shade(body, 0.7), 28, 48);
  // Tail fin.
  poly(cr, {16, 42, 30, 12, 48, 12, 58, 42});
  part(cr, body, 12, 42);
  fuselage(cr, 12, 194, 50, 13, 48, 4);
  part(cr, body, 37, 63);
  // Camouflage patches.
  cairo_save(cr);
  fuselage(cr, 12, 194, 50, 13, 48, 4);
  cairo_clip(cr);
  ellipse(cr, 70, 58, 22, 8);
  ellipse(cr, 120, 40, 18, 6);
  set(cr, hex(0x55657e), 0.7);
  cairo_fill(cr);
  cairo_rectangle(cr, 150, 30, 10, 40);
  set(cr, kEnemyRed);
  cairo_fill(cr);
  cairo_restore(cr);
  canopy(cr, 140, 38, 22, 8);
  // Near wing and tailplane.
  poly(cr, {82, 54, 124, 54, 96, 80, 74, 80});
  part(cr, body, 54, 80);
  poly(cr, {18, 50, 46, 50, 36, 62, 14, 62});
  part(cr, body, 50, 62);
  roundel(cr, 92, 70, 6);
  // Exhaust.
  rounded_rect(cr, 6, 45, 10, 12, 3);
  part(cr, pal::steel_dark, 45, 57, 1.8);
  return c;
}

Canvas bomber() {
  Canvas c(240, 110);
  cairo_t* cr = c.cr();
  const Rgb body = pal::olive;
  poly(cr, {20, 48, 34, 12, 58, 12, 70, 48});
  part(cr, body, 12, 48);
  fuselage(cr, 16, 228, 58, 18, 40, 6);
  part(cr, body, 40, 76);
  // Glass nose.
  cairo_save(cr);
  fuselage(cr, 16, 228, 58, 18, 40, 6);
  cairo_clip(cr);
  ellipse(cr, 228, 58, 30, 22);
  fill_linear(cr, 0, 36, 0, 80, {{0, hex(0xe8fbff)}, {0.5, pal::glass}, {1, hex(0x2f6a9a)}});
  cairo_new_path(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 204 + i * 9, 40);
    cairo_line_to(cr, 204 + i * 9, 76);
  }
  set(cr, pal::ink, 0.5);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  canopy(cr, 176, 42, 16, 7);
  // Wing with an engine nacelle.
  poly(cr, {100, 62, 150, 62, 130, 98, 104, 98});
  part(cr, shade(body, 1.05), 62, 98);
  rounded_rect(cr, 118, 62, 50, 16, 7);
  part(cr, shade(body, 0.85), 62, 78);
  prop_disc(cr, 170, 70, 20);
  poly(cr, {22, 58, 58, 58, 50, 70, 18, 70});
  part(cr, body, 58, 70);
  roundel(cr, 84, 56, 8);
  // Bomb bay doors.
  rounded_rect(cr, 90, 72, 60, 5, 2);
  set(cr, pal::ink, 0.4);
  cairo_fill(cr);
  return c;
}

Canvas heavy_bomber() {
  Canvas c(320, 140);
  cairo_t* cr = c.cr();
  const Rgb body = hex(0x5a6470);
  // An engine pod on a wing whose leading edge is at (x, y), with its propeller in front.
  auto engine = [&](double x, double y, double sh, bool prop) {
    rounded_rect(cr, x - 34, y - 7, 44, 14, 6);
    part(cr, shade(body, sh), y - 7, y + 7);
    if (prop) prop_disc(cr, x + 12, y, 15);
  };
  // Tail fin.
  poly(cr, {20, 60, 30, 10, 60, 10, 80, 60});
  part(cr, shade(body, 0.8), 10, 60);
  // Far wing rising behind the body, with its two engines.
  poly(cr, {136, 62, 204, 62, 184, 20, 160, 20});
  part(cr, shade(body, 0.7), 20, 62);
  engine(198, 52, 0.6, true);
  engine(190, 34, 0.6, true);
  fuselage(cr, 14, 306, 72, 24, 50, 8);
  part(cr, body, 48, 96);
  cairo_save(cr);
  fuselage(cr, 14, 306, 72, 24, 50, 8);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 84, 320, 14);
  set(cr, hex(0x2a2e36), 0.6);
  cairo_fill(cr);
  for (int i = 0; i < 9; ++i) {
    ellipse(cr, 100 + i * 16, 66, 3.5, 3.5);
    set(cr, hex(0xffe08a));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  canopy(cr, 262, 56, 20, 9);
  // Dorsal gun turret.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 120, 48, 10, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  fill_linear(cr, 0, 38, 0, 48, {{0, hex(0xe8fbff)}, {1, pal::glass}});
  outline(cr, 1.8);
  cairo_move_to(cr, 124, 42);
  cairo_line_to(cr, 146, 36);
  outline(cr, 3);
  // Near wing sweeping down towards the viewer, with its two engines.
  poly(cr, {132, 80, 208, 80, 182, 134, 152, 134});
  part(cr, body, 80, 134);
  engine(202, 94, 0.85, true);
  engine(192, 118, 0.85, true);
  // Tailplane.
  poly(cr, {24, 72, 70, 72, 60, 88, 18, 88});
  part(cr, body, 72, 88);
  roundel(cr, 104, 78, 9);
  return c;
}

Canvas transport() {
  Canvas c(300, 130);
  cairo_t* cr = c.cr();
  const Rgb body = hex(0x9aa07a);
  poly(cr, {18, 52, 28, 8, 60, 8, 82, 52});
  part(cr, body, 8, 52);
  // Fat cargo body.
  cairo_move_to(cr, 290, 72);
  cairo_curve_to(cr, 290, 44, 270, 36, 240, 36);
  cairo_line_to(cr, 90, 36);
  cairo_curve_to(cr, 60, 36, 30, 44, 14, 52);
  cairo_line_to(cr, 14, 66);
  cairo_curve_to(cr, 40, 72, 60, 104, 100, 106);
  cairo_line_to(cr, 250, 106);
  cairo_curve_to(cr, 276, 106, 290, 96, 290, 72);
  cairo_close_path(cr);
  part(cr, body, 36, 106);
  // Cargo door and windows.
  rounded_rect(cr, 120, 56, 40, 36, 4);
  outline(cr, 2, pal::ink, 0.6);
  for (int i = 0; i < 5; ++i) {
    ellipse(cr, 180 + i * 16, 58, 4, 4);
    set(cr, pal::glass);
    cairo_fill_preserve(cr);
    outline(cr, 1.2);
  }
  canopy(cr, 268, 52, 14, 8);
  // High wing on top with an engine.
  poly(cr, {110, 38, 210, 38, 206, 30, 116, 30});
  part(cr, shade(body, 1.1), 30, 38);
  rounded_rect(cr, 180, 38, 46, 16, 7);
  part(cr, shade(body, 0.85), 38, 54);
  prop_disc(cr, 228, 46, 22);
  poly(cr, {22, 60, 66, 60, 58, 72, 16, 72});
  part(cr, body, 60, 72);
  roundel(cr, 92, 72, 9);
  // Landing gear pods.
  rounded_rect(cr, 130, 100, 40, 12, 6);
  part(cr, shade(body, 0.7), 100, 112);
  return c;
}

Canvas helicopter_body(bool attack) {
  Canvas c(attack ? 240 : 220, 100);
  cairo_t* cr = c.cr();
  const Rgb body = attack ? hex(0x4f5a3a) : hex(0x3f78b8);
  const double w = c.w();
  // Tail boom and rotor.
  poly(cr, {10, 40, 100, 46, 100, 60, 14, 52});
  part(cr, body, 40, 60);
  poly(cr, {8, 52, 14, 26, 28, 26, 26, 52});
  part(cr, body, 26, 52);
  ellipse(cr, 18, 34, 14, 14);
  set(cr, hex(0xdde4ee), 0.35);
  cairo_fill_preserve(cr);
  outline(cr, 1.2, pal::ink, 0.4);
  if (attack) {
    // Narrow tandem cockpit body.
    cairo_move_to(cr, w - 8, 62);
    cairo_curve_to(cr, w - 14, 46, w - 60, 34, w - 100, 34);
    cairo_line_to(cr, 96, 40);
    cairo_line_to(cr, 92, 66);
    cairo_line_to(cr, w - 60, 74);
    cairo_curve_to(cr, w - 30, 74, w - 8, 70, w - 8, 62);
    cairo_close_path(cr);
    part(cr, body, 34, 74);
    canopy(cr, w - 56, 44, 30, 9);
    // Stub wing with a rocket pod and the chin gun.
    poly(cr, {126, 60, 170, 60, 164, 70, 130, 70});
    part(cr, shade(body, 0.85), 60, 70);
    rounded_rect(cr, 130, 68, 40, 12, 5);
    part(cr, pal::steel_dark, 68, 80);
    for (int i = 0; i < 3; ++i) {
      ellipse(cr, 170, 71 + i * 3.5, 1.5, 1.5);
      set(cr, kEnemyRed);
      cairo_fill(cr);
    }
    cairo_move_to(cr, w - 30, 74);
    cairo_line_to(cr, w - 6, 82);
    outline(cr, 4);
    rounded_rect(cr, w - 40, 70, 14, 10, 3);
    part(cr, pal::steel_dark, 70, 80, 1.6);
    rotor(cr, 150, 24, 96);
    cairo_move_to(cr, 150, 24);
    cairo_line_to(cr, 150, 36);
    outline(cr, 4);
  } else {
    // Round bubble cabin.
    ellipse(cr, 150, 54, 62, 28);
    part(cr, body, 26, 82);
    cairo_save(cr);
    ellipse(cr, 150, 54, 62, 28);
    cairo_clip(cr);
    ellipse(cr, 196, 48, 30, 22);
    fill_linear(cr, 0, 26, 0, 70, {{0, hex(0xe8fbff)}, {0.5, pal::glass}, {1, hex(0x2f6a9a)}});
    cairo_new_path(cr);
    cairo_rectangle(cr, 80, 64, 160, 6);
    set(cr, pal::white, 0.8);
    cairo_fill(cr);
    cairo_restore(cr);
    ellipse(cr, 150, 54, 62, 28);
    outline(cr, 2.2);
    roundel(cr, 124, 50, 8);
    // Skids.
    cairo_move_to(cr, 120, 82);
    cairo_line_to(cr, 116, 94);
    cairo_move_to(cr, 176, 82);
    cairo_line_to(cr, 180, 94);
    cairo_move_to(cr, 100, 94);
    cairo_line_to(cr, 200, 94);
    cairo_curve_to(cr, 206, 94, 208, 90, 210, 88);
    outline(cr, 3.5);
    rotor(cr, 150, 18, 100);
    cairo_move_to(cr, 150, 20);
    cairo_line_to(cr, 150, 28);
    outline(cr, 4);
  }
  return c;
}

Canvas helicopter() { return helicopter_body(false); }
Canvas attack_helicopter() { return helicopter_body(true); }

Canvas parachutist() {
  Canvas c(80, 120);
  cairo_t* cr = c.cr();
  // Canopy.
  cairo_move_to(cr, 4, 40);
  cairo_curve_to(cr, 4, 6, 76, 6, 76, 40);
  for (int i = 3; i >= 0; --i) {
    const double x0 = 4 + (i + 1) * 18, x1 = 4 + i * 18;
    cairo_curve_to(cr, x0 - 4, 34, x1 + 4, 34, x1, 40);
  }
  cairo_close_path(cr);
  fill_linear(cr, 0, 8, 0, 40, {{0, hex(0xffffff)}, {1, hex(0xd8dce4)}});
  outline(cr, 2);
  cairo_save(cr);
  cairo_move_to(cr, 4, 40);
  cairo_curve_to(cr, 4, 6, 76, 6, 76, 40);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int i = 0; i < 4; i += 2) {
    cairo_rectangle(cr, 4 + i * 18 + 9, 0, 18, 40);
  }
  set(cr, kEnemyRed, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  // Lines.
  for (int i = 0; i <= 4; ++i) {
    cairo_move_to(cr, 4 + i * 18, 40);
    cairo_line_to(cr, 40, 78);
  }
  set(cr, pal::ink, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 40, 118);
  cairo_scale(cr, 0.66, 0.66);
  draw_person(cr, -1, hex(0x5a6a3a), hex(0x3a4428), hex(0xf2c9a0));
  cairo_restore(cr);
  return c;
}

Canvas carpet() {
  Canvas c(180, 96);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 0, 16);
  // The rider stands on the carpet.
  cairo_save(cr);
  cairo_translate(cr, 96, 60);
  cairo_scale(cr, 1.05, 1.05);
  draw_person(cr, -1, hex(0x8a3ab8), hex(0x3a2a60), hex(0xd8a878));
  cairo_restore(cr);
  // Turban with a jewel.
  ellipse(cr, 97, 60 - 52 * 1.05 - 5, 11, 7);
  fill_radial(cr, 94, 60 - 52 * 1.05 - 8, 12, {{0, pal::white}, {1, hex(0xd0d4e0)}});
  outline(cr, 1.5);
  ellipse(cr, 104, 60 - 52 * 1.05 - 5, 2.5, 2.5);
  set(cr, hex(0x40d0a0));
  cairo_fill_preserve(cr);
  outline(cr, 1);
  // Rippling carpet.
  cairo_move_to(cr, 10, 56);
  cairo_curve_to(cr, 50, 48, 90, 64, 170, 54);
  cairo_line_to(cr, 172, 64);
  cairo_curve_to(cr, 92, 74, 52, 58, 12, 66);
  cairo_close_path(cr);
  fill_linear(cr, 0, 48, 0, 70, {{0, hex(0xf06040)}, {0.5, hex(0xb8201a)}, {1, hex(0x701010)}});
  outline(cr, 2);
  cairo_move_to(cr, 14, 60);
  cairo_curve_to(cr, 52, 52, 92, 68, 168, 58);
  set(cr, pal::yellow);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    cairo_move_to(cr, 10 - i * 0.5, 56 + i * 2.5);
    cairo_line_to(cr, 2, 58 + i * 3);
    cairo_move_to(cr, 171, 54 + i * 2.5);
    cairo_line_to(cr, 178, 54 + i * 3);
  }
  set(cr, pal::yellow);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  return c;
}

// A wing from its root at (rx, ry) out to the tip (tx, ty), with a scalloped trailing edge of `n` feathers.
void feathered_wing(cairo_t* cr, double rx, double ry, double tx, double ty, double width, int n) {
  const double dx = tx - rx, dy = ty - ry, len = std::hypot(dx, dy);
  const double nx = -dy / len, ny = dx / len;  // points to the leading-edge side
  cairo_new_sub_path(cr);
  cairo_move_to(cr, rx + nx * width * 0.5, ry + ny * width * 0.5);
  cairo_curve_to(cr, rx + dx * 0.4 + nx * width * 0.7, ry + dy * 0.4 + ny * width * 0.7, tx + nx * width * 0.2,
                 ty + ny * width * 0.2, tx, ty);
  // Feathers back along the trailing edge, from the tip to the root.
  for (int i = 1; i <= n; ++i) {
    const double t0 = 1.0 - (i - 1.0) / n, t1 = 1.0 - double(i) / n;
    const double w1 = width * (0.35 + 0.65 * (1 - t1));
    const double x1 = rx + dx * t1 - nx * w1 * 0.5, y1 = ry + dy * t1 - ny * w1 * 0.5;
    const double xm = rx + dx * (t0 + t1) / 2 - nx * w1 * 0.8, ym = ry + dy * (t0 + t1) / 2 - ny * w1 * 0.8;
    cairo_curve_to(cr, xm, ym, xm, ym, x1, y1);
  }
  cairo_close_path(cr);
}

void bird_shape(cairo_t* cr, double s, Rgb body, Rgb wing, bool angry) {
  cairo_save(cr);
  cairo_scale(cr, s, s);
  const double lw = 2.0 / s;
  // Far wing raised behind the body.
  feathered_wing(cr, 56, 44, 30, 4, 16, 5);
  part(cr, shade(wing, 0.7), 4, 44, lw);
  // Tail fan.
  poly(cr, {22, 48, 2, 38, 0, 50, 2, 62, 22, 56});
  part(cr, shade(body, 0.8), 38, 62, lw);
  // Body with a light belly.
  ellipse(cr, 52, 50, 36, 14);
  part(cr, body, 36, 64, lw);
  cairo_save(cr);
  ellipse(cr, 52, 50, 36, 14);
  cairo_clip(cr);
  ellipse(cr, 60, 62, 30, 9);
  set(cr, shade(body, 1.5), 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
  ellipse(cr, 52, 50, 36, 14);
  outline(cr, lw);
  // Feet tucked under.
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 44 + i * 8, 62);
    cairo_line_to(cr, 38 + i * 8, 68);
    cairo_line_to(cr, 34 + i * 8, 68);
  }
  set(cr, angry ? pal::yellow : pal::orange);
  cairo_set_line_width(cr, 2.2 / s * (angry ? 1.6 : 1.0));
  cairo_stroke(cr);
  // Head and beak.
  ellipse(cr, 90, 40, 13, 12);
  part(cr, body, 28, 52, lw);
  poly(cr, {100, 35, 118, 42, 100, 47});
  part(cr, pal::orange, 35, 47, 1.6 / s);
  ellipse(cr, 94, 37, 3.2, 3.2);
  set(cr, angry ? hex(0xffe060) : pal::white);
  cairo_fill(cr);
  ellipse(cr, 95, 37, 1.6, 1.6);
  set(cr, angry ? kEnemyRed : pal::ink);
  cairo_fill(cr);
  if (angry) {
    cairo_move_to(cr, 87, 30);
    cairo_line_to(cr, 100, 34);
    outline(cr, 2.6 / s);
  }
  // Near wing raised in the downstroke's start.
  feathered_wing(cr, 60, 46, 40, 2, 20, 6);
  part(cr, wing, 2, 46, lw);
  cairo_restore(cr);
}

Canvas bird() {
  Canvas c(120, 80);
  cairo_translate(c.cr(), 0, 6);
  bird_shape(c.cr(), 1.0, hex(0x8a6a48), hex(0x6a4a30), false);
  return c;
}

Canvas boss_bird() {
  Canvas c(360, 240);
  cairo_t* cr = c.cr();
  glow(c, [&](cairo_t* k) { cairo_translate(k, 0, 16); bird_shape(k, 3.0, pal::white, pal::white, true); }, 8,
       hex(0xff6030), 0.5);
  // Crest of fiery feathers behind the head.
  for (int i = 0; i < 4; ++i) poly(cr, {256.0 + i * 9, 112, 236.0 + i * 6, 66.0 - i * 7, 268.0 + i * 9, 102});
  fill_linear(cr, 0, 50, 0, 112, {{0, pal::yellow}, {1, pal::red}});
  outline(cr, 2);
  cairo_translate(cr, 0, 16);
  bird_shape(cr, 3.0, hex(0x4a3a5a), hex(0x2e2240), true);
  return c;
}

Canvas boss_triplane() {
  Canvas c(300, 180);
  cairo_t* cr = c.cr();
  const Rgb body = hex(0xc8281e);
  // Three stacked wings with struts, far parts first.
  for (int i = 0; i < 3; ++i) {
    const double y = 40 + i * 40;
    rounded_rect(cr, 128, y, 110, 12, 5);
    part(cr, shade(body, 1.05 - i * 0.1), y, y + 12);
  }
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 146 + i * 70, 52);
    cairo_line_to(cr, 146 + i * 70, 120);
  }
  outline(cr, 3.5);
  // Tail.
  poly(cr, {14, 80, 26, 44, 56, 44, 66, 80});
  part(cr, body, 44, 80);
  fuselage(cr, 14, 270, 92, 20, 40, 4);
  part(cr, body, 72, 112);
  // Black cross markings.
  for (double x : {60.0, 190.0}) {
    poly(cr, {x - 4, 80, x + 4, 80, x + 4, 88, x + 12, 88, x + 12, 96, x + 4, 96, x + 4, 104, x - 4, 104, x - 4, 96,
              x - 12, 96, x - 12, 88, x - 4, 88});
    set(cr, pal::white);
    cairo_fill_preserve(cr);
    outline(cr, 2);
  }
  // Engine cowling and propeller.
  rounded_rect(cr, 250, 76, 24, 32, 8);
  part(cr, pal::steel_dark, 76, 108);
  prop_disc(cr, 280, 92, 40);
  // Pilot with scarf.
  ellipse(cr, 214, 68, 10, 10);
  part(cr, hex(0x6a4a30), 58, 78);
  ellipse(cr, 218, 66, 5, 3);
  set(cr, pal::glass);
  cairo_fill_preserve(cr);
  outline(cr, 1.2);
  cairo_move_to(cr, 206, 74);
  cairo_curve_to(cr, 190, 70, 180, 64, 168, 66);
  set(cr, pal::white);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // Wheels.
  cairo_move_to(cr, 200, 112);
  cairo_line_to(cr, 210, 152);
  cairo_move_to(cr, 230, 112);
  cairo_line_to(cr, 214, 152);
  outline(cr, 3);
  ellipse(cr, 212, 156, 12, 12);
  part(cr, hex(0x2a2a2a), 144, 168);
  // The lowest wing in front.
  rounded_rect(cr, 128, 120, 110, 12, 5);
  part(cr, body, 120, 132);
  return c;
}

Canvas boss_gunship() {
  Canvas c(380, 180);
  cairo_t* cr = c.cr();
  const Rgb body = hex(0x4a5058);
  // Twin rotors.
  rotor(cr, 110, 20, 100);
  rotor(cr, 270, 20, 100);
  // Armoured hull.
  poly(cr, {10, 60, 60, 40, 320, 40, 370, 80, 350, 130, 60, 130, 20, 96});
  part(cr, body, 40, 130, 3);
  cairo_save(cr);
  poly(cr, {10, 60, 60, 40, 320, 40, 370, 80, 350, 130, 60, 130, 20, 96});
  cairo_clip(cr);
  // Armour plates and rivets.
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, 70 + i * 48, 40);
    cairo_line_to(cr, 70 + i * 48, 130);
  }
  set(cr, pal::ink, 0.35);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 30; ++i) {
    ellipse(cr, 66 + (i % 15) * 19, i < 15 ? 48 : 122, 1.8, 1.8);
    set(cr, hex(0xb0b8c4));
    cairo_fill(cr);
  }
  // Hazard stripe.
  for (int x = 0; x < 400; x += 20) poly(cr, {double(x), 112, x + 10.0, 112, x + 20.0, 100, x + 10.0, 100});
  set(cr, pal::yellow, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_move_to(cr, 20, 100);
  cairo_line_to(cr, 360, 100);
  cairo_move_to(cr, 20, 112);
  cairo_line_to(cr, 356, 112);
  outline(cr, 1.5);
  // Armoured cockpit slits.
  poly(cr, {300, 52, 340, 60, 350, 76, 300, 72});
  fill_linear(cr, 0, 52, 0, 76, {{0, hex(0xffd0a0)}, {1, hex(0xc04020)}});
  outline(cr, 2);
  // Cannons under the hull.
  for (int i = 0; i < 2; ++i) {
    const double x = 150 + i * 90;
    rounded_rect(cr, x - 18, 128, 36, 20, 6);
    part(cr, pal::steel_dark, 128, 148);
    rounded_rect(cr, x + 10, 134, 44, 8, 3);
    part(cr, pal::steel, 134, 142, 1.8);
  }
  roundel(cr, 90, 80, 14);
  // Rotor masts.
  cairo_move_to(cr, 110, 24);
  cairo_line_to(cr, 110, 42);
  cairo_move_to(cr, 270, 24);
  cairo_line_to(cr, 270, 42);
  outline(cr, 6);
  return c;
}

Canvas boss_mothership() {
  Canvas c(400, 200);
  cairo_t* cr = c.cr();
  // Tractor beam glow below.
  poly(cr, {170, 120, 230, 120, 290, 200, 110, 200});
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 120, 0, 200);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.6, 1, 0.7, 0.5);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.6, 1, 0.7, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  glow(c, [&](cairo_t* k) { ellipse(k, 200, 104, 190, 40); cairo_fill(k); }, 8, hex(0x60ff90), 0.4);
  // Dome.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 200, 84, 70, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  fill_radial(cr, 200, 84, 80, {{0, hex(0xc8ffd8), 0.95}, {0.7, hex(0x60c890), 0.85}, {1, hex(0x2a7050), 0.9}}, 170, 40);
  outline(cr, 3);
  // The pilot inside.
  ellipse(cr, 200, 60, 20, 22);
  fill_radial(cr, 194, 52, 24, {{0, hex(0xb0ff90)}, {1, hex(0x3a9a40)}});
  outline(cr, 2);
  for (int s = -1; s <= 1; s += 2) {
    ellipse(cr, 200 + s * 8, 58, 6, 8);
    set(cr, pal::ink);
    cairo_fill(cr);
  }
  // Saucer rim.
  ellipse(cr, 200, 104, 190, 34);
  fill_linear(cr, 0, 70, 0, 138, {{0, hex(0xf0f4fa)}, {0.45, hex(0xa8b4c8)}, {0.55, hex(0x6a7890)}, {1, hex(0x3a4458)}});
  outline(cr, 3);
  ellipse(cr, 200, 98, 150, 14);
  set(cr, pal::ink, 0.25);
  cairo_fill(cr);
  // Running lights.
  for (int i = 0; i < 11; ++i) {
    const double a = M_PI * (0.08 + 0.84 * i / 10.0);
    const double x = 200 - 170 * std::cos(a), y = 112 + 14 * std::sin(a);
    glow(c, [&](cairo_t* k) { ellipse(k, x, y, 6, 6); cairo_fill(k); }, 3, i % 2 ? pal::yellow : hex(0x60ffb0), 0.8);
    ellipse(cr, x, y, 5, 5);
    set(cr, i % 2 ? pal::yellow : hex(0x80ffc0));
    cairo_fill_preserve(cr);
    outline(cr, 1.5);
  }
  // Emitter underneath.
  ellipse(cr, 200, 134, 34, 10);
  fill_radial(cr, 200, 134, 34, {{0, pal::white}, {0.5, hex(0x90ffb0)}, {1, hex(0x2a8050)}});
  outline(cr, 2);
  return c;
}

// ---- projectiles ----

Canvas plain_bomb(int w, int h, Rgb body, Rgb band, int bands) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const double cy = h / 2.0, r = h * 0.36;
  // Tail fins.
  poly(cr, {2, cy - h * 0.45, w * 0.25, cy - r * 0.6, w * 0.25, cy + r * 0.6, 2, cy + h * 0.45});
  part(cr, shade(body, 0.8), cy - h * 0.45, cy + h * 0.45, 1.8);
  // Body.
  cairo_move_to(cr, w * 0.18, cy - r * 0.55);
  cairo_curve_to(cr, w * 0.35, cy - r, w * 0.6, cy - r, w * 0.75, cy - r);
  cairo_curve_to(cr, w * 0.92, cy - r, w - 2, cy - r * 0.4, w - 2, cy);
  cairo_curve_to(cr, w - 2, cy + r * 0.4, w * 0.92, cy + r, w * 0.75, cy + r);
  cairo_curve_to(cr, w * 0.6, cy + r, w * 0.35, cy + r, w * 0.18, cy + r * 0.55);
  cairo_close_path(cr);
  part(cr, body, cy - r, cy + r, 2);
  for (int i = 0; i < bands; ++i) {
    const double x = w * (0.45 + i * 0.12);
    rounded_rect(cr, x, cy - r + 1, w * 0.05, 2 * r - 2, 1);
    set(cr, band);
    cairo_fill(cr);
  }
  return c;
}

Canvas bomb() { return plain_bomb(64, 28, hex(0x4a5238), pal::yellow, 1); }
Canvas cluster_bomb() { return plain_bomb(76, 32, hex(0x5a5e66), hex(0xf08a24), 3); }
Canvas bomblet() {
  Canvas c(28, 16);
  cairo_t* cr = c.cr();
  ellipse(cr, 15, 8, 10, 6);
  part(cr, hex(0x5a5e66), 2, 14, 1.6);
  poly(cr, {2, 3, 8, 6, 8, 10, 2, 13});
  part(cr, pal::orange, 3, 13, 1.4);
  return c;
}

Canvas gas_bomb() {
  Canvas c(64, 30);
  cairo_t* cr = c.cr();
  poly(cr, {2, 2, 14, 9, 14, 21, 2, 28});
  part(cr, hex(0x5a7a2a), 2, 28, 1.8);
  rounded_rect(cr, 10, 6, 50, 18, 8);
  part(cr, hex(0x8ac040), 6, 24);
  // Hazard mark.
  ellipse(cr, 36, 15, 6.5, 6.5);
  set(cr, pal::yellow);
  cairo_fill_preserve(cr);
  outline(cr, 1.2);
  for (int i = 0; i < 3; ++i) {
    const double a = i * 2 * M_PI / 3 - M_PI / 2;
    cairo_move_to(cr, 36, 15);
    cairo_arc(cr, 36, 15, 5.5, a - 0.4, a + 0.4);
    cairo_close_path(cr);
  }
  set(cr, pal::ink);
  cairo_fill(cr);
  rounded_rect(cr, 56, 10, 6, 10, 2);
  part(cr, pal::steel, 10, 20, 1.4);
  return c;
}

Canvas fire_bomb() {
  Canvas c(64, 30);
  cairo_t* cr = c.cr();
  poly(cr, {2, 2, 14, 9, 14, 21, 2, 28});
  part(cr, hex(0x8a2a10), 2, 28, 1.8);
  cairo_move_to(cr, 10, 8);
  cairo_line_to(cr, 46, 6);
  cairo_curve_to(cr, 58, 6, 62, 12, 62, 15);
  cairo_curve_to(cr, 62, 18, 58, 24, 46, 24);
  cairo_line_to(cr, 10, 22);
  cairo_close_path(cr);
  part(cr, hex(0xd84a20), 6, 24);
  // Flame decal.
  cairo_move_to(cr, 22, 20);
  cairo_curve_to(cr, 18, 14, 26, 12, 24, 8);
  cairo_curve_to(cr, 30, 11, 34, 14, 32, 20);
  cairo_close_path(cr);
  fill_linear(cr, 0, 8, 0, 20, {{0, pal::yellow}, {1, pal::orange}});
  outline(cr, 1);
  return c;
}

Canvas enemy_rocket() {
  Canvas c(84, 26);
  cairo_save(c.cr());
  cairo_translate(c.cr(), 44, 13);
  draw_rocket(c.cr(), 76, hex(0x3a3e48), kEnemyRed);
  cairo_restore(c.cr());
  return c;
}

Canvas player_rocket() {
  Canvas c(84, 28);
  cairo_save(c.cr());
  cairo_translate(c.cr(), 44, 14);
  draw_rocket(c.cr(), 78, hex(0xe8ecf2), pal::red);
  cairo_restore(c.cr());
  return c;
}

Canvas burger() {
  Canvas c(52, 44);
  cairo_t* cr = c.cr();
  // Bottom bun, patty, cheese, lettuce, top bun with sesame.
  rounded_rect(cr, 6, 32, 40, 9, 4);
  part(cr, hex(0xd89a50), 32, 41, 1.6);
  rounded_rect(cr, 4, 25, 44, 9, 4);
  part(cr, hex(0x6a3a1e), 25, 34, 1.6);
  poly(cr, {6, 25, 46, 25, 42, 30, 34, 26, 28, 31, 20, 26, 12, 30});
  set(cr, hex(0xffc830));
  cairo_fill_preserve(cr);
  outline(cr, 1.2);
  cairo_move_to(cr, 4, 23);
  for (int i = 0; i <= 8; ++i) cairo_line_to(cr, 4 + i * 5.5, i % 2 ? 27 : 22);
  set(cr, hex(0x5ac040));
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 5, 22);
  cairo_curve_to(cr, 5, 2, 47, 2, 47, 22);
  cairo_close_path(cr);
  part(cr, hex(0xe8a858), 4, 22, 1.8);
  Rng rng(99);
  for (int i = 0; i < 7; ++i) {
    ellipse(cr, rng.uniform(12, 40), rng.uniform(9, 17), 1.8, 1.1);
    set(cr, hex(0xfff4d0));
    cairo_fill(cr);
  }
  return c;
}

}  // namespace

const std::vector<Sprite>& airplane_sprites() {
  static const std::vector<Sprite> kSet = {
      {"fighter.png", fighter},
      {"bomber.png", bomber},
      {"heavy_bomber.png", heavy_bomber},
      {"transport.png", transport},
      {"helicopter.png", helicopter},
      {"attack_helicopter.png", attack_helicopter},
      {"parachutist.png", parachutist},
      {"carpet.png", carpet},
      {"bird.png", bird},
      {"boss_bird.png", boss_bird},
      {"boss_triplane.png", boss_triplane},
      {"boss_gunship.png", boss_gunship},
      {"boss_mothership.png", boss_mothership},
  };
  return kSet;
}

const std::vector<Sprite>& bomb_sprites() {
  static const std::vector<Sprite> kSet = {
      {"bomb.png", bomb},           {"cluster_bomb.png", cluster_bomb}, {"bomblet.png", bomblet},
      {"gas_bomb.png", gas_bomb},   {"fire_bomb.png", fire_bomb},       {"enemy_rocket.png", enemy_rocket},
      {"rocket.png", player_rocket}, {"burger.png", burger},
  };
  return kSet;
}

Canvas make_sprite(const std::vector<Sprite>& set, const std::string& file) {
  for (const Sprite& s : set)
    if (file == s.file) return s.make();
  return Canvas(1, 1);
}

void write_aircraft(Output& out) {
  for (const Sprite& s : airplane_sprites()) save_png(out, std::string("gfx/AIRPLANES/") + s.file, s.make());
  for (const Sprite& s : bomb_sprites()) save_png(out, std::string("gfx/BOMBS/") + s.file, s.make());
}

}  // namespace mediagen::img
