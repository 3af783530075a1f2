// Pictures of the game shell: bitmap font, pointer, logos, boss bar, menu backdrop, shade and lock overlay.
#include <cmath>
#include <string>

#include "images_art.h"

namespace mediagen::img {

namespace {

constexpr int kCell = 64;
constexpr double kFontSize = 52.0;
constexpr double kBaseline = 50.5;  // cap band 12.5..50.5 keeps capitals centred in the cell

// The game advances text by a quarter of the cell width per character, so glyphs are condensed to fit
// the middle half of their cell; they stay tall for legibility.
constexpr double kCondense = 0.62;
constexpr double kMaxInk = 30.0;

// Adds glyph n to the path, centred horizontally in its cell.
void glyph_path(cairo_t* cr, int n) {
  const std::string s(1, static_cast<char>(n));
  const double cx = (n % 16) * kCell + kCell / 2.0;
  const double top = (n / 16) * kCell;
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, kFontSize);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  double sx = kCondense;
  if (e.width * sx > kMaxInk) sx = kMaxInk / e.width;
  cairo_save(cr);
  cairo_translate(cr, cx, top + kBaseline);
  cairo_scale(cr, sx, 1.0);
  cairo_move_to(cr, -e.x_bearing - e.width / 2, 0);
  cairo_text_path(cr, s.c_str());
  cairo_restore(cr);
}

void all_glyphs(cairo_t* cr) {
  for (int n = 33; n < 127; ++n) glyph_path(cr, n);
}

}  // namespace

Canvas make_kewlfont() {
  Canvas c(16 * kCell, 8 * kCell);
  cairo_t* cr = c.cr();
  soft_shadow(
      c,
      [](cairo_t* k) {
        all_glyphs(k);
        cairo_set_line_width(k, 3.0);
        cairo_fill_preserve(k);
        cairo_stroke(k);
      },
      1.5, 2.5, 2, hex(0x000000), 0.6);
  all_glyphs(cr);
  outline(cr, 3.2, pal::ink);
  for (int n = 33; n < 127; ++n) {
    const double top = (n / 16) * kCell;
    cairo_new_path(cr);
    glyph_path(cr, n);
    // Near-white chrome: the game tints the font by multiplying, so the fill must stay light.
    fill_linear(cr, 0, top + 12, 0, top + 52,
                {{0.0, hex(0xffffff)}, {0.46, hex(0xf1f4fb)}, {0.54, hex(0xcfd7e8)}, {1.0, hex(0xf4f7fc)}});
  }
  cairo_new_path(cr);
  return c;
}

Canvas make_hand() {
  // An arrow pointer; the game draws it at half size with the tip exactly on the mouse.
  Canvas c(48, 48);
  cairo_t* cr = c.cr();
  auto shape = [](cairo_t* k) {
    poly(k, {1.2, 1.2, 1.2, 38, 10.5, 29.5, 17.5, 45, 25, 41.5, 18, 26.5, 30, 26.5});
  };
  soft_shadow(
      c, [&](cairo_t* k) { shape(k); cairo_fill(k); }, 2.5, 3, 2, hex(0x000000), 0.5);
  shape(cr);
  fill_linear(cr, 0, 0, 28, 40, {{0, hex(0xfff6c8)}, {0.45, pal::yellow}, {1, pal::orange}});
  outline(cr, 2.4);
  // Glint along the left edge.
  cairo_move_to(cr, 5, 10);
  cairo_line_to(cr, 5, 28);
  set(cr, pal::white, 0.8);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  return c;
}

namespace {

// The flame-and-chrome letter fill shared by the two logos.
void logo_letters(const Canvas& c, const std::string& s, double size, double cx, double cy) {
  cairo_t* cr = c.cr();
  soft_shadow(
      c,
      [&](cairo_t* k) {
        text_path(k, s, size, cx, cy);
        cairo_set_line_width(k, 8);
        cairo_fill_preserve(k);
        cairo_stroke(k);
      },
      3, 5, 4, hex(0x000000), 0.6);
  text_path(cr, s, size, cx, cy);
  outline(cr, 9, pal::ink);
  text_path(cr, s, size, cx, cy);
  outline(cr, 4, hex(0x6b2a12));
  text_path(cr, s, size, cx, cy);
  const double h = size * 0.73;
  fill_linear(cr, 0, cy - h / 2, 0, cy + h / 2,
              {{0.0, hex(0xfffbe0)},
               {0.3, hex(0xffe066)},
               {0.49, hex(0xffb020)},
               {0.51, hex(0xe0601a)},
               {0.8, hex(0xc0281a)},
               {1.0, hex(0xffb040)}});
  cairo_new_path(cr);
  // A thin highlight line across the upper half of the letters.
  cairo_save(cr);
  text_path(cr, s, size, cx, cy);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, cy - h * 0.5, c.w(), h * 0.18);
  set(cr, pal::white, 0.35);
  cairo_fill(cr);
  cairo_restore(cr);
}

// A swooping rocket trail below lettering, with the rocket at its right end.
void rocket_swoosh(const Canvas& c, double x0, double x1, double y) {
  cairo_t* cr = c.cr();
  auto trail = [&](cairo_t* k) {
    cairo_move_to(k, x0, y + 4);
    cairo_curve_to(k, x0 + (x1 - x0) * 0.3, y + 14, x0 + (x1 - x0) * 0.7, y + 8, x1, y - 10);
  };
  glow(c, [&](cairo_t* k) { trail(k); cairo_set_line_width(k, 10); cairo_stroke(k); }, 5, pal::orange, 0.8);
  trail(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.5, 0.1, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 0.6, 1, 0.7, 0.2, 0.8);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 0.85, 1);
  cairo_set_source(cr, p);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_pattern_destroy(p);
  // The rocket, nose up-right.
  cairo_save(cr);
  cairo_translate(cr, x1, y - 10);
  cairo_rotate(cr, -0.55);
  rounded_rect(cr, -14, -5, 24, 10, 5);
  poly(cr, {8, -5, 18, 0, 8, 5});
  fill_body(cr, pal::steel, -5, 5);
  outline(cr, 2);
  poly(cr, {-14, -5, -19, -10, -8, -5});
  poly(cr, {-14, 5, -19, 10, -8, 5});
  set(cr, pal::red);
  cairo_fill_preserve(cr);
  outline(cr, 1.6);
  cairo_restore(cr);
}

}  // namespace

Canvas make_logo() {
  Canvas c(512, 128);
  rocket_swoosh(c, 24, 488, 104);
  logo_letters(c, "PELLARON", 74, 248, 56);
  return c;
}

Canvas make_logo_load() {
  // The loading screen darkens this picture from left to right as progress, so it is bright and wide.
  Canvas c(512, 256);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 8, 8, 496, 240, 28);
  fill_linear(cr, 0, 8, 0, 248, {{0, hex(0x2b3f66)}, {0.55, hex(0x142038)}, {1, hex(0x0b1222)}});
  outline(cr, 4, hex(0x8fb3ff), 0.8);
  // Radiating stripes behind the lettering.
  cairo_save(cr);
  rounded_rect(cr, 10, 10, 492, 236, 26);
  cairo_clip(cr);
  for (int i = 0; i < 24; ++i) {
    const double a0 = i * M_PI / 12, a1 = a0 + M_PI / 24;
    cairo_move_to(cr, 256, 128);
    cairo_line_to(cr, 256 + 600 * std::cos(a0), 128 + 600 * std::sin(a0));
    cairo_line_to(cr, 256 + 600 * std::cos(a1), 128 + 600 * std::sin(a1));
    cairo_close_path(cr);
  }
  set(cr, hex(0x5f8fff), 0.08);
  cairo_fill(cr);
  cairo_restore(cr);
  rocket_swoosh(c, 50, 470, 168);
  logo_letters(c, "PELLARON", 76, 252, 100);
  caption(c, "LOADING", 26, 256, 214, hex(0xdfe9ff), hex(0x8fb3ff), 2.0, 0.5);
  return c;
}

Canvas make_team_logo() {
  // Drawn twice as large on the splash between "A Game by" and the credit line.
  Canvas c(256, 192);
  cairo_t* cr = c.cr();
  const double cx = 128, cy = 84;
  // Badge disc with a sky inside.
  soft_shadow(c, [&](cairo_t* k) { ellipse(k, cx, cy, 74, 74); cairo_fill(k); }, 3, 4, 4, hex(0x000000), 0.6);
  ellipse(cr, cx, cy, 74, 74);
  fill_linear(cr, 0, cy - 74, 0, cy + 74, {{0, hex(0xd9e4f5)}, {0.5, hex(0x8d9bb0)}, {1, hex(0x4d5a70)}});
  outline(cr, 3);
  ellipse(cr, cx, cy, 62, 62);
  fill_linear(cr, 0, cy - 62, 0, cy + 62, {{0, hex(0x0e1c3c)}, {0.7, hex(0x2f5fa8)}, {1, hex(0xf0a040)}});
  outline(cr, 2.5);
  cairo_save(cr);
  ellipse(cr, cx, cy, 61, 61);
  cairo_clip(cr);
  // Stars.
  Rng rng(77);
  for (int i = 0; i < 26; ++i) {
    ellipse(cr, rng.uniform(60, 196), rng.uniform(22, 90), 0.9, 0.9);
    set(cr, pal::white, rng.uniform(0.4, 1.0));
    cairo_fill(cr);
  }
  // Ground and two little towers.
  cairo_rectangle(cr, 40, 124, 180, 30);
  set(cr, hex(0x20283a));
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    const double tx = cx + side * 40;
    poly(cr, {tx - 9, 125, tx - 6, 100, tx + 6, 100, tx + 9, 125});
    set(cr, hex(0x20283a));
    cairo_fill(cr);
  }
  // The rocket climbing with its flame trail.
  cairo_move_to(cr, cx - 40, 100);
  cairo_curve_to(cr, cx - 30, 70, cx - 5, 55, cx + 14, 40);
  set(cr, pal::orange, 0.9);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 40, 100);
  cairo_curve_to(cr, cx - 30, 70, cx - 5, 55, cx + 14, 40);
  set(cr, pal::yellow);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx + 18, 37);
  cairo_rotate(cr, -0.65);
  rounded_rect(cr, -12, -5, 20, 10, 5);
  poly(cr, {6, -5, 16, 0, 6, 5});
  fill_body(cr, pal::steel, -5, 5);
  outline(cr, 1.8);
  cairo_restore(cr);
  // A little bursting plane on the right.
  cairo_save(cr);
  cairo_translate(cr, cx + 36, 62);
  for (int i = 0; i < 10; ++i) {
    const double a = i * M_PI / 5;
    const double r = (i % 2) ? 7 : 15;
    if (i == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
    else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
  }
  cairo_close_path(cr);
  fill_radial(cr, 0, 0, 15, {{0, hex(0xfffbe0)}, {0.5, pal::yellow}, {1, pal::orange}});
  outline(cr, 1.5);
  cairo_restore(cr);
  cairo_restore(cr);
  // Ribbon with the team name across the bottom.
  poly(cr, {14, 140, 242, 140, 232, 158, 242, 176, 14, 176, 24, 158});
  fill_linear(cr, 0, 140, 0, 176, {{0, hex(0xf06a4a)}, {0.5, pal::red}, {1, hex(0x8a1e16)}});
  outline(cr, 2.5);
  caption(c, "PELLARON TEAM", 20, 128, 158, hex(0xffffff), hex(0xffe6a0), 1.6, 0.5);
  return c;
}

Canvas make_hp_crossbar() {
  // The boss bar: drawn white, then its left share again in the bar colour, so the body stays light.
  Canvas c(400, 32);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 2, 4, 396, 24, 12);
  fill_linear(cr, 0, 4, 0, 28, {{0, hex(0xdfe5ee)}, {0.5, hex(0x9aa6b8)}, {1, hex(0x6d7a8e)}});
  outline(cr, 2.5);
  rounded_rect(cr, 9, 9, 382, 14, 7);
  fill_linear(cr, 0, 9, 0, 23, {{0, hex(0xffffff)}, {0.45, hex(0xf2f4f8)}, {0.55, hex(0xd8dde6)}, {1, hex(0xeef1f6)}});
  outline(cr, 1.5, pal::ink, 0.7);
  // Tick marks at every tenth.
  for (int i = 1; i < 10; ++i) {
    const double x = 9 + 382.0 * i / 10;
    cairo_move_to(cr, x, 11);
    cairo_line_to(cr, x, 21);
  }
  set(cr, pal::ink, 0.35);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Crossed end pieces.
  for (int side = 0; side < 2; ++side) {
    const double x = side ? 384 : 16;
    cairo_move_to(cr, x - 7, 3);
    cairo_line_to(cr, x + 7, 29);
    cairo_move_to(cr, x + 7, 3);
    cairo_line_to(cr, x - 7, 29);
    set(cr, pal::ink);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    set(cr, hex(0xe8ecf2));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
  return c;
}

Canvas make_menu_shade() {
  // Spun, enlarged ten times and tinted behind the menus: soft light rays with a bright core.
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6, w = M_PI / 20;
    cairo_move_to(cr, 64, 64);
    cairo_line_to(cr, 64 + 64 * std::cos(a - w), 64 + 64 * std::sin(a - w));
    cairo_line_to(cr, 64 + 64 * std::cos(a + w), 64 + 64 * std::sin(a + w));
    cairo_close_path(cr);
  }
  cairo_pattern_t* p = cairo_pattern_create_radial(64, 64, 0, 64, 64, 64);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.9);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  ellipse(cr, 64, 64, 64, 64);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  return c;
}

Canvas make_menu_back() {
  // The menu backdrop: a dusk sky over the battlefield with the two towers' silhouettes.
  Canvas c(1024, 768);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 1024, 768);
  fill_linear(cr, 0, 0, 0, 768,
              {{0, hex(0x070b1e)}, {0.45, hex(0x1d2a5a)}, {0.75, hex(0x6a3d6e)}, {0.9, hex(0xd0704a)}, {1, hex(0xf0a050)}});
  cairo_new_path(cr);
  Rng rng(4242);
  for (int i = 0; i < 220; ++i) {
    const double y = rng.uniform(0, 420);
    ellipse(cr, rng.uniform(0, 1024), y, 1.1, 1.1);
    set(cr, pal::white, rng.uniform(0.2, 0.9) * (1 - y / 500));
    cairo_fill(cr);
  }
  // Grid of faint radar rings around the centre.
  for (int r = 120; r < 700; r += 110) {
    ellipse(cr, 512, 420, r, r * 0.75);
    set(cr, hex(0x8fb3ff), 0.06);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // Far hills.
  cairo_move_to(cr, 0, 768);
  for (int x = 0; x <= 1024; x += 16)
    cairo_line_to(cr, x, 640 - 40 * std::sin(x * 0.006) - 18 * std::sin(x * 0.021 + 1));
  cairo_line_to(cr, 1024, 768);
  cairo_close_path(cr);
  set(cr, hex(0x2a1e3a));
  cairo_fill(cr);
  cairo_move_to(cr, 0, 768);
  for (int x = 0; x <= 1024; x += 16) cairo_line_to(cr, x, 700 - 14 * std::sin(x * 0.013 + 2));
  cairo_line_to(cr, 1024, 768);
  cairo_close_path(cr);
  set(cr, hex(0x140e20));
  cairo_fill(cr);
  // Tower silhouettes with beacons.
  for (int side = 0; side < 2; ++side) {
    const double x = side ? 960 : 64;
    poly(cr, {x - 34, 768, x - 24, 560, x + 24, 560, x + 34, 768});
    rounded_rect(cr, x - 36, 540, 72, 28, 6);
    set(cr, hex(0x0c0814));
    cairo_fill(cr);
    glow(c, [&](cairo_t* k) { ellipse(k, x, 530, 8, 8); cairo_fill(k); }, 10, pal::red, 1.0);
    ellipse(cr, x, 530, 4, 4);
    set(cr, hex(0xff8060));
    cairo_fill(cr);
  }
  // Searchlight beams.
  for (int side = 0; side < 2; ++side) {
    const double x = side ? 960 : 64;
    const double tx = side ? 560 : 470;
    cairo_move_to(cr, x, 550);
    cairo_line_to(cr, tx - 60, 0);
    cairo_line_to(cr, tx + 60, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 550, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.8, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.95, 0.8, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  return c;
}

Canvas make_locked() {
  // Drawn 30 % larger than a thumbnail box over a locked level: a padlock on a dimming veil.
  Canvas c(256, 256);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 40, 40, 176, 176, 20);
  set(cr, hex(0x101424), 0.55);
  cairo_fill(cr);
  soft_shadow(c, [&](cairo_t* k) { rounded_rect(k, 78, 112, 100, 80, 14); cairo_fill(k); }, 3, 5, 4, hex(0x000000), 0.6);
  // Shackle.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 128, 112, 30, M_PI, 2 * M_PI);
  set(cr, pal::ink);
  cairo_set_line_width(cr, 18);
  cairo_stroke(cr);
  cairo_arc(cr, 128, 112, 30, M_PI, 2 * M_PI);
  set(cr, hex(0xc8d0dc));
  cairo_set_line_width(cr, 11);
  cairo_stroke(cr);
  // Body.
  rounded_rect(cr, 78, 112, 100, 80, 14);
  fill_linear(cr, 0, 112, 0, 192, {{0, hex(0xffe27a)}, {0.5, hex(0xf0b030)}, {1, hex(0xa86a10)}});
  outline(cr, 3.5);
  // Keyhole.
  ellipse(cr, 128, 142, 9, 9);
  poly(cr, {122, 146, 134, 146, 138, 172, 118, 172});
  set(cr, pal::ink);
  cairo_fill(cr);
  return c;
}

void write_shell(Output& out) {
  save_png(out, "gfx/kewlfont.png", make_kewlfont());
  save_png(out, "gfx/hand.png", make_hand());
  save_png(out, "gfx/logo.png", make_logo());
  save_png(out, "gfx/hp_crossbar.png", make_hp_crossbar());
  save_png(out, "gfx/team_logo.png", make_team_logo());
  save_png(out, "gfx/logo_load.png", make_logo_load());
  save_png(out, "gfx/menu_shade.png", make_menu_shade());
  save_jpg(out, "gfx/menu.jpg", make_menu_back());
  save_png(out, "gfx/thumbs/locked.png", make_locked());
}

}  // namespace mediagen::img
