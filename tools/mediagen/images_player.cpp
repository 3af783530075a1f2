// Pictures of the player's side: towers and cannon, crosshairs, HUD rocket, lock halo and the shop buttons.
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

Canvas make_tower() {
  // Mid-handled on the ground at the screen edge; the cannon turns on the image centre, over the tower.
  // The right tower is this picture mirrored.
  Canvas c(100, 160);
  cairo_t* cr = c.cr();
  const double cx = 50, pivot = 80;
  // Antenna mast behind.
  cairo_move_to(cr, 30, pivot - 20);
  cairo_line_to(cr, 30, 8);
  set(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, 30, pivot - 20);
  cairo_line_to(cr, 30, 8);
  set(cr, pal::steel);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  glow(c, [&](cairo_t* k) { ellipse(k, 30, 8, 6, 6); cairo_fill(k); }, 4, pal::red, 0.9);
  ellipse(cr, 30, 8, 3.5, 3.5);
  set(cr, hex(0xff5040));
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
  // Radar dish on the mast.
  cairo_save(cr);
  cairo_translate(cr, 30, 34);
  cairo_rotate(cr, -0.4);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 13, 0, M_PI);
  cairo_close_path(cr);
  fill_body(cr, hex(0xc9d2de), 0, 13);
  outline(cr, 2);
  cairo_restore(cr);
  // Tapered concrete body from the ground up to the turret ring.
  poly(cr, {8, 160, 20, pivot + 4, 80, pivot + 4, 92, 160});
  fill_linear(cr, 8, 0, 92, 0, {{0, hex(0x8f8a80)}, {0.4, hex(0xc9c2b4)}, {1, hex(0x6a655c)}});
  outline(cr, 2.5);
  // Blocks and a door.
  for (int i = 0; i < 4; ++i) {
    const double y = pivot + 22 + i * 15;
    const double half = 30 + (y - pivot) * 0.16;
    cairo_move_to(cr, cx - half, y);
    cairo_line_to(cr, cx + half, y);
  }
  set(cr, pal::ink, 0.3);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  rounded_rect(cr, cx - 10, 132, 20, 28, 8);
  fill_body(cr, hex(0x5a4030), 132, 160);
  outline(cr, 2);
  // Slit window.
  rounded_rect(cr, cx + 8, 110, 14, 6, 3);
  set(cr, hex(0xffe08a));
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
  // Turret platform with a rail, the cannon's seat at the picture centre.
  rounded_rect(cr, 10, pivot - 6, 80, 16, 6);
  fill_body(cr, pal::steel, pivot - 6, pivot + 10);
  outline(cr, 2.5);
  for (int i = 0; i < 6; ++i) {
    rounded_rect(cr, 12 + i * 13.5, pivot - 14, 8, 9, 2);
  }
  fill_body(cr, pal::steel_dark, pivot - 14, pivot - 5);
  outline(cr, 1.8);
  // Hazard stripes on the platform edge.
  cairo_save(cr);
  rounded_rect(cr, 12, pivot + 3, 76, 5, 2);
  cairo_clip(cr);
  for (int x = 0; x < 100; x += 8) poly(cr, {double(x), pivot + 8, x + 4.0, pivot + 8, x + 9.0, pivot + 3, x + 5.0, pivot + 3});
  set(cr, pal::yellow);
  cairo_paint(cr);
  set(cr, pal::ink);
  cairo_fill(cr);
  cairo_restore(cr);
  return c;
}

Canvas make_cannon() {
  // Turned about its centre towards the mouse: hub at the centre, barrel reaching right.
  Canvas c(120, 44);
  cairo_t* cr = c.cr();
  const double cx = 60, cy = 22;
  // Breech block behind the hub.
  rounded_rect(cr, cx - 26, cy - 9, 22, 18, 4);
  fill_body(cr, pal::steel_dark, cy - 9, cy + 9);
  outline(cr, 2);
  // Barrel, slightly tapered, with a muzzle ring.
  poly(cr, {cx, cy - 8, cx + 50, cy - 6, cx + 50, cy + 6, cx, cy + 8});
  fill_body(cr, hex(0x6f7c90), cy - 8, cy + 8);
  outline(cr, 2.2);
  rounded_rect(cr, cx + 46, cy - 9, 12, 18, 3);
  fill_body(cr, pal::steel_dark, cy - 9, cy + 9);
  outline(cr, 2.2);
  cairo_move_to(cr, cx + 6, cy - 3.5);
  cairo_line_to(cr, cx + 44, cy - 2.5);
  set(cr, pal::white, 0.5);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Hub.
  ellipse(cr, cx, cy, 14, 14);
  fill_radial(cr, cx - 4, cy - 5, 18, {{0, hex(0xe2e8f0)}, {0.6, pal::steel}, {1, pal::steel_dark}});
  outline(cr, 2.4);
  ellipse(cr, cx, cy, 5, 5);
  set(cr, pal::red);
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
  return c;
}

Canvas make_aimzone() {
  // The target-picking mask under the mouse: any opaque pixel counts, so a plain disc.
  Canvas c(48, 48);
  ellipse(c.cr(), 24, 24, 22, 22);
  set(c.cr(), pal::white);
  cairo_fill(c.cr());
  return c;
}

namespace {
// Every crosshair stroke is drawn twice: a dark casing and a white core the game tints.
void cased(cairo_t* cr, double w) {
  set(cr, pal::ink, 0.85);
  cairo_set_line_width(cr, w + 3);
  cairo_stroke_preserve(cr);
  set(cr, pal::white);
  cairo_set_line_width(cr, w);
  cairo_stroke(cr);
}
}  // namespace

Canvas make_crosshair(int style) {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  const double m = 32;
  switch (style) {
    case 1:  // ring with four ticks and a dot
      cairo_arc(cr, m, m, 20, 0, 2 * M_PI);
      cased(cr, 2.5);
      for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        cairo_move_to(cr, m + 12 * std::cos(a), m + 12 * std::sin(a));
        cairo_line_to(cr, m + 29 * std::cos(a), m + 29 * std::sin(a));
      }
      cased(cr, 2.5);
      ellipse(cr, m, m, 2.5, 2.5);
      set(cr, pal::white);
      cairo_fill_preserve(cr);
      outline(cr, 1.2);
      break;
    case 2:  // square corners
      for (int i = 0; i < 4; ++i) {
        const double sx = (i & 1) ? 1 : -1, sy = (i & 2) ? 1 : -1;
        cairo_move_to(cr, m + sx * 24, m + sy * 12);
        cairo_line_to(cr, m + sx * 24, m + sy * 24);
        cairo_line_to(cr, m + sx * 12, m + sy * 24);
      }
      cased(cr, 3);
      cairo_move_to(cr, m - 6, m);
      cairo_line_to(cr, m + 6, m);
      cairo_move_to(cr, m, m - 6);
      cairo_line_to(cr, m, m + 6);
      cased(cr, 2);
      break;
    case 3:  // three chevrons pointing in
      for (int i = 0; i < 3; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 3;
        const double ca = std::cos(a), sa = std::sin(a);
        const double px = -sa, py = ca;
        cairo_move_to(cr, m + ca * 28 + px * 8, m + sa * 28 + py * 8);
        cairo_line_to(cr, m + ca * 12, m + sa * 12);
        cairo_line_to(cr, m + ca * 28 - px * 8, m + sa * 28 - py * 8);
      }
      cased(cr, 3);
      cairo_arc(cr, m, m, 4, 0, 2 * M_PI);
      cased(cr, 1.5);
      break;
    case 4:  // dotted ring around a diamond
      for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        ellipse(cr, m + 24 * std::cos(a), m + 24 * std::sin(a), 2.6, 2.6);
        set(cr, pal::white);
        cairo_fill_preserve(cr);
        outline(cr, 1.3);
      }
      poly(cr, {m, m - 11, m + 11, m, m, m + 11, m - 11, m});
      cased(cr, 2.5);
      break;
    default:  // the plain one shown after a game ends: thin cross in a thin ring
      cairo_arc(cr, m, m, 16, 0, 2 * M_PI);
      cased(cr, 1.8);
      cairo_move_to(cr, m - 28, m);
      cairo_line_to(cr, m - 6, m);
      cairo_move_to(cr, m + 6, m);
      cairo_line_to(cr, m + 28, m);
      cairo_move_to(cr, m, m - 28);
      cairo_line_to(cr, m, m - 6);
      cairo_move_to(cr, m, m + 6);
      cairo_line_to(cr, m, m + 28);
      cased(cr, 1.8);
      break;
  }
  return c;
}

Canvas make_bullet() {
  // The HUD's rocket icon: shown at 0.15 scale, 13 pixels apart, so a bold upright rocket.
  Canvas c(72, 160);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 36, 80);
  cairo_rotate(cr, -M_PI / 2);
  draw_rocket(cr, 150, hex(0xe8ecf2), pal::red);
  return c;
}

Canvas make_super_rocket() {
  // Halo of a locked rocket and the turning mark under map points (tinted blue there): a spinning ring.
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  const double m = 64;
  glow(c, [&](cairo_t* k) { cairo_arc(k, m, m, 44, 0, 2 * M_PI); cairo_set_line_width(k, 10); cairo_stroke(k); }, 6,
       hex(0xfff0b0), 0.9);
  cairo_arc(cr, m, m, 44, 0, 2 * M_PI);
  set(cr, pal::white, 0.95);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  // Four curved blades so the turning shows.
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, m, m);
    cairo_rotate(cr, i * M_PI / 2);
    cairo_move_to(cr, 44, 0);
    cairo_curve_to(cr, 56, 10, 58, 26, 50, 38);
    cairo_curve_to(cr, 52, 22, 46, 12, 36, 8);
    cairo_close_path(cr);
    fill_linear(cr, 36, 0, 58, 38, {{0, pal::white}, {1, hex(0xfff0b0)}});
    outline(cr, 1.2, hex(0x806020), 0.6);
    cairo_restore(cr);
  }
  return c;
}

Canvas make_shop_button() {
  // 80x80 so seven of them at 1.5 scale fit the shop row; the price sits on the dark top band.
  Canvas c(80, 80);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 2, 2, 76, 76, 12);
  fill_linear(cr, 0, 2, 0, 78, {{0, hex(0xc8d2e0)}, {0.5, hex(0x7d8aa0)}, {1, hex(0x4a5568)}});
  outline(cr, 2.5);
  rounded_rect(cr, 6, 6, 68, 16, 6);
  fill_linear(cr, 0, 6, 0, 22, {{0, hex(0x1c2436)}, {1, hex(0x2c3854)}});
  outline(cr, 1.2, pal::ink, 0.8);
  rounded_rect(cr, 8, 25, 64, 47, 8);
  fill_radial(cr, 40, 44, 40, {{0, hex(0x4a6fa8)}, {1, hex(0x1a2a48)}});
  outline(cr, 1.5, pal::ink, 0.8);
  // Gloss.
  rounded_rect(cr, 10, 27, 60, 14, 6);
  set(cr, pal::white, 0.12);
  cairo_fill(cr);
  return c;
}

namespace {

void plus_badge(cairo_t* cr, double x, double y, Rgb col) {
  ellipse(cr, x, y, 17, 17);
  fill_radial(cr, x - 4, y - 5, 20, {{0, shade(col, 1.5)}, {1, shade(col, 0.8)}});
  outline(cr, 2.5);
  poly(cr, {x - 10, y - 3, x - 3, y - 3, x - 3, y - 10, x + 3, y - 10, x + 3, y - 3, x + 10, y - 3, x + 10, y + 3,
            x + 3, y + 3, x + 3, y + 10, x - 3, y + 10, x - 3, y + 3, x - 10, y + 3});
  set(cr, pal::white);
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
}

void heart(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x, y + s * 0.9);
  cairo_curve_to(cr, x - s * 1.4, y - s * 0.1, x - s * 0.8, y - s * 1.1, x, y - s * 0.45);
  cairo_curve_to(cr, x + s * 0.8, y - s * 1.1, x + s * 1.4, y - s * 0.1, x, y + s * 0.9);
  cairo_close_path(cr);
  fill_radial(cr, x - s * 0.4, y - s * 0.4, s * 1.4, {{0, hex(0xff9a8a)}, {0.6, pal::red}, {1, hex(0x8a1a10)}});
  outline(cr, 2.5);
}

void speed_lines(cairo_t* cr, double x, double y) {
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, x - 30 + std::abs(i) * 8, y + i * 14);
    cairo_line_to(cr, x, y + i * 14);
  }
  set(cr, pal::ink);
  cairo_set_line_width(cr, 7);
  cairo_stroke_preserve(cr);
  set(cr, hex(0x9fe3ff));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void gear(cairo_t* cr, double x, double y, double r, double turn) {
  cairo_new_sub_path(cr);
  const int teeth = 10;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = turn + i * 2 * M_PI / (teeth * 4);
    const double rr = (i % 4 < 2) ? r : r * 0.78;
    if (i == 0) cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    else cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, x, y, r * 0.35, 2 * M_PI, 0);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  fill_radial(cr, x - r * 0.3, y - r * 0.3, r * 1.3, {{0, hex(0xf0f4f8)}, {0.6, pal::steel}, {1, pal::steel_dark}});
  outline(cr, 2.5);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

}  // namespace

Canvas make_shop_icon(int index) {
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  const Rgb shirt = hex(0x3f7fd8), trousers = hex(0x4a4f63), skin = hex(0xf2c9a0);
  auto person = [&](double x, double feet, double sc) {
    cairo_save(cr);
    cairo_translate(cr, x, feet);
    cairo_scale(cr, sc, sc);
    draw_person(cr, -1, shirt, trousers, skin);
    cairo_restore(cr);
  };
  auto rocket = [&](double x, double y, double len, double deg) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, deg * M_PI / 180);
    draw_rocket(cr, len, hex(0xe8ecf2), pal::red);
    cairo_restore(cr);
  };
  switch (index) {
    case 0:  // one more human
      person(56, 122, 1.75);
      plus_badge(cr, 98, 34, pal::green);
      break;
    case 1:  // tougher humans
      person(50, 122, 1.75);
      heart(cr, 94, 40, 22);
      break;
    case 2:  // more income per human
      person(46, 122, 1.75);
      cairo_save(cr);
      cairo_translate(cr, 94, 86);
      draw_coin(cr, 22);
      cairo_restore(cr);
      cairo_save(cr);
      cairo_translate(cr, 100, 40);
      draw_coin(cr, 18);
      cairo_restore(cr);
      break;
    case 3:  // one more rocket
      rocket(58, 70, 110, -45);
      plus_badge(cr, 100, 96, pal::green);
      break;
    case 4:  // stronger rockets
      star_path(cr, 92, 36, 9, 16, 34, 0.2);
      fill_radial(cr, 92, 36, 34, {{0, hex(0xfffbe0)}, {0.4, pal::yellow}, {1, pal::orange}});
      outline(cr, 2.5);
      rocket(52, 78, 110, -35);
      break;
    case 5:  // faster rockets
      speed_lines(cr, 44, 64);
      rocket(74, 64, 100, 0);
      break;
    case 6: {  // faster locking: crosshair over a stopwatch
      ellipse(cr, 64, 70, 44, 44);
      fill_radial(cr, 54, 56, 56, {{0, hex(0xffffff)}, {0.7, hex(0xdfe6f0)}, {1, hex(0x98a4b8)}});
      outline(cr, 3);
      rounded_rect(cr, 56, 14, 16, 12, 3);
      fill_body(cr, pal::steel, 14, 26);
      outline(cr, 2);
      for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, 64 + 34 * std::cos(a), 70 + 34 * std::sin(a));
        cairo_line_to(cr, 64 + 40 * std::cos(a), 70 + 40 * std::sin(a));
      }
      set(cr, pal::ink);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      cairo_move_to(cr, 64, 70);
      cairo_line_to(cr, 64, 40);
      cairo_move_to(cr, 64, 70);
      cairo_line_to(cr, 84, 80);
      set(cr, pal::ink);
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
      cairo_arc(cr, 64, 70, 22, 0, 2 * M_PI);
      set(cr, pal::red);
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
      for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        cairo_move_to(cr, 64 + 14 * std::cos(a), 70 + 14 * std::sin(a));
        cairo_line_to(cr, 64 + 30 * std::cos(a), 70 + 30 * std::sin(a));
      }
      cairo_stroke(cr);
      break;
    }
    case 7: {  // next wave: a bold arrow with GO
      poly(cr, {10, 42, 70, 42, 70, 14, 120, 64, 70, 114, 70, 86, 10, 86});
      fill_linear(cr, 0, 14, 0, 114, {{0, hex(0xa8f0a0)}, {0.5, pal::green}, {1, hex(0x1f6a22)}});
      outline(cr, 3.5);
      caption(c, "GO", 34, 52, 64, hex(0xffffff), hex(0xe0ffe0), 2.0, 0.5);
      break;
    }
    default: {  // automatic buying: two meshing gears
      gear(cr, 50, 54, 36, 0.0);
      gear(cr, 92, 92, 26, 0.3);
      caption(c, "AUTO", 26, 64, 112, hex(0xffffff), hex(0xffe6a0), 1.8, 0.5);
      break;
    }
  }
  return c;
}

Canvas make_shop_locked() {
  // Laid over a button the player cannot afford, tinted red at 0.7: a light padlock with a bar.
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  cairo_new_sub_path(cr);
  cairo_arc(cr, 64, 56, 24, M_PI, 2 * M_PI);
  set(cr, pal::ink);
  cairo_set_line_width(cr, 15);
  cairo_stroke(cr);
  cairo_arc(cr, 64, 56, 24, M_PI, 2 * M_PI);
  set(cr, hex(0xf0f0f0));
  cairo_set_line_width(cr, 9);
  cairo_stroke(cr);
  rounded_rect(cr, 30, 56, 68, 54, 10);
  fill_linear(cr, 0, 56, 0, 110, {{0, hex(0xffffff)}, {1, hex(0xc0c4cc)}});
  outline(cr, 3.5);
  ellipse(cr, 64, 78, 7, 7);
  poly(cr, {59, 82, 69, 82, 72, 100, 56, 100});
  set(cr, pal::ink);
  cairo_fill(cr);
  return c;
}

void write_player(Output& out) {
  save_png(out, "gfx/tower.png", make_tower());
  save_png(out, "gfx/cannon.png", make_cannon());
  save_png(out, "gfx/aimzone.png", make_aimzone());
  save_png(out, "gfx/crosshair.png", make_crosshair(0));
  for (int i = 1; i <= 4; ++i) save_png(out, "gfx/crosshair" + std::to_string(i) + ".png", make_crosshair(i));
  save_png(out, "gfx/bullet.png", make_bullet());
  save_png(out, "gfx/super_rocket.png", make_super_rocket());
  save_png(out, "gfx/buttons/button.png", make_shop_button());
  static const char* const kIcons[9] = {"button_human",        "button_human_power", "button_human_money",
                                        "button_rocket",       "button_rocket_power", "button_rocket_speed",
                                        "button_aim",          "button_go",           "button_auto"};
  for (int i = 0; i < 9; ++i) save_png(out, std::string("gfx/buttons/") + kIcons[i] + ".png", make_shop_icon(i));
  save_png(out, "gfx/buttons/button_locked.png", make_shop_locked());
}

}  // namespace mediagen::img
