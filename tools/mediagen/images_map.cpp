// The campaign map: the land picture, its four kinds of level points and the arrow at the next level.
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

namespace {

// An island outline from a wobbling radius, scaled to (rx, ry) around (cx, cy).
void blob_path(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed, double rough) {
  Rng rng(seed);
  double ph[4];
  for (double& p : ph) p = rng.uniform(0, 2 * M_PI);
  cairo_new_sub_path(cr);
  for (int i = 0; i <= 180; ++i) {
    const double a = i * 2 * M_PI / 180;
    const double k = 1 + rough * (0.5 * std::sin(3 * a + ph[0]) + 0.3 * std::sin(5 * a + ph[1]) +
                                  0.15 * std::sin(11 * a + ph[2]) + 0.05 * std::sin(23 * a + ph[3]));
    const double x = cx + rx * k * std::cos(a), y = cy + ry * k * std::sin(a);
    if (i == 0) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

Canvas make_map() {
  // Drawn centred over the menu backdrop: an old chart of the land with desert, snow, city and valley regions.
  Canvas c(1024, 768);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 24, 24, 976, 720, 26);
  fill_radial(cr, 512, 384, 640, {{0, hex(0x3f7fb8)}, {1, hex(0x1d3f70)}});
  outline(cr, 5);
  cairo_save(cr);
  rounded_rect(cr, 26, 26, 972, 716, 24);
  cairo_clip(cr);
  // Waves on the sea.
  Rng rng(555);
  for (int i = 0; i < 120; ++i) {
    const double x = rng.uniform(30, 990), y = rng.uniform(30, 740);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 4, y - 3, x + 8, y - 3, x + 12, y);
    set(cr, pal::white, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // Main land mass with a coastline halo.
  soft_shadow(c, [&](cairo_t* k) { blob_path(k, 512, 390, 420, 300, 8, 0.12); cairo_fill(k); }, 0, 0, 10,
              hex(0x9fe3ff), 0.7);
  blob_path(cr, 512, 390, 420, 300, 8, 0.12);
  fill_radial(cr, 512, 390, 480, {{0, hex(0x88b860)}, {1, hex(0x5e9040)}});
  outline(cr, 3, hex(0x2a3a20));
  cairo_save(cr);
  blob_path(cr, 512, 390, 420, 300, 8, 0.12);
  cairo_clip(cr);
  // Regions: snowy north, desert south-west, city east.
  blob_path(cr, 470, 150, 300, 150, 21, 0.18);
  fill_linear(cr, 0, 40, 0, 300, {{0, hex(0xffffff)}, {1, hex(0xcfdcec)}});
  cairo_new_path(cr);
  blob_path(cr, 300, 560, 260, 180, 33, 0.16);
  fill_radial(cr, 300, 560, 280, {{0, hex(0xf0d090)}, {1, hex(0xd8a860)}});
  cairo_new_path(cr);
  blob_path(cr, 790, 470, 150, 130, 44, 0.15);
  set(cr, hex(0x8a8e98));
  cairo_fill(cr);
  // Mountains on the snow.
  for (int i = 0; i < 9; ++i) {
    const double x = 260 + i * 50 + rng.uniform(-10, 10), y = 170 + rng.uniform(-30, 40), h = rng.uniform(30, 50);
    poly(cr, {x - h * 0.7, y + h * 0.4, x, y - h * 0.6, x + h * 0.7, y + h * 0.4});
    fill_linear(cr, x - h, 0, x + h, 0, {{0, hex(0xffffff)}, {0.5, hex(0xd8e2f0)}, {1, hex(0x8a9ab8)}});
    outline(cr, 1.8, hex(0x3a4a68));
  }
  // Dunes.
  for (int i = 0; i < 10; ++i) {
    const double x = 160 + rng.uniform(0, 280), y = 500 + rng.uniform(0, 160);
    cairo_move_to(cr, x - 24, y);
    cairo_curve_to(cr, x - 8, y - 12, x + 8, y - 12, x + 24, y);
    set(cr, hex(0xa87840), 0.7);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
  // City blocks.
  for (int i = 0; i < 26; ++i) {
    const double x = 700 + rng.uniform(0, 170), y = 400 + rng.uniform(0, 140), w = rng.uniform(8, 16), h = rng.uniform(10, 26);
    cairo_rectangle(cr, x, y - h, w, h);
    fill_linear(cr, x, 0, x + w, 0, {{0, hex(0xd0d4dc)}, {1, hex(0x5a5e6a)}});
    outline(cr, 1.2);
  }
  // Forest dots in the valley.
  for (int i = 0; i < 60; ++i) {
    const double x = 430 + rng.uniform(0, 260), y = 330 + rng.uniform(0, 200);
    ellipse(cr, x, y, 6, 6);
    fill_radial(cr, x - 2, y - 2, 8, {{0, hex(0x8ad070)}, {1, hex(0x2f6a2a)}});
    cairo_new_path(cr);
  }
  // A river from the mountains to the sea.
  cairo_move_to(cr, 520, 230);
  cairo_curve_to(cr, 560, 320, 480, 380, 560, 460);
  cairo_curve_to(cr, 620, 520, 600, 620, 660, 700);
  set(cr, hex(0x5fa8e8));
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Small training island in the south-east.
  blob_path(cr, 890, 660, 70, 45, 66, 0.15);
  fill_radial(cr, 890, 660, 80, {{0, hex(0xc8e090)}, {1, hex(0x8ab060)}});
  outline(cr, 2.5, hex(0x2a3a20));
  // Dotted route between the regions.
  cairo_move_to(cr, 880, 650);
  cairo_curve_to(cr, 700, 640, 420, 640, 320, 560);
  cairo_curve_to(cr, 260, 460, 400, 300, 470, 170);
  cairo_curve_to(cr, 560, 260, 760, 330, 790, 460);
  const double dash[] = {2, 10};
  cairo_set_dash(cr, dash, 2, 0);
  set(cr, hex(0x6a2a10), 0.75);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_restore(cr);
  // Compass rose.
  cairo_save(cr);
  cairo_translate(cr, 110, 120);
  star_path(cr, 0, 0, 4, 10, 46);
  fill_radial(cr, 0, 0, 46, {{0, hex(0xfff4d0)}, {1, hex(0xd0a050)}});
  outline(cr, 2);
  star_path(cr, 0, 0, 4, 6, 28, M_PI / 4);
  set(cr, hex(0x8a5020));
  cairo_fill_preserve(cr);
  outline(cr, 1.5);
  cairo_restore(cr);
  caption(c, "N", 22, 110, 56, pal::white, hex(0xffe6a0), 1.6, 0.5);
  // Frame.
  rounded_rect(cr, 24, 24, 976, 720, 26);
  outline(cr, 10, hex(0x6a4a2a));
  rounded_rect(cr, 24, 24, 976, 720, 26);
  outline(cr, 4, hex(0xd0a060));
  return c;
}

// A level point: a round badge with a symbol, dark in the middle so the white level number reads on it.
Canvas make_point(int kind) {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  static const Rgb kRim[4] = {hex(0x4aa0ff), hex(0xf0a030), hex(0xe8f2ff), hex(0xffd040)};
  const Rgb rim = kRim[kind];
  soft_shadow(c, [&](cairo_t* k) { ellipse(k, 32, 32, 27, 27); cairo_fill(k); }, 2, 3, 2, hex(0x000000), 0.6);
  ellipse(cr, 32, 32, 27, 27);
  fill_radial(cr, 26, 22, 34, {{0, shade(rim, 1.5)}, {0.6, rim}, {1, shade(rim, 0.6)}});
  outline(cr, 2.5);
  ellipse(cr, 32, 32, 19, 19);
  fill_radial(cr, 32, 28, 22, {{0, hex(0x3a4868)}, {1, hex(0x141a2c)}});
  outline(cr, 1.8);
  // Symbol around the inner disc.
  cairo_save(cr);
  cairo_translate(cr, 32, 32);
  switch (kind) {
    case 0:  // training: target ticks
      for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 + M_PI / 4;
        cairo_move_to(cr, 20 * std::cos(a), 20 * std::sin(a));
        cairo_line_to(cr, 27 * std::cos(a), 27 * std::sin(a));
      }
      set(cr, pal::white);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    case 1:  // desert: sun rays
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        poly(cr, {20 * std::cos(a - 0.15), 20 * std::sin(a - 0.15), 27 * std::cos(a), 27 * std::sin(a),
                  20 * std::cos(a + 0.15), 20 * std::sin(a + 0.15)});
      }
      set(cr, hex(0xfff0a0));
      cairo_fill(cr);
      break;
    case 2:  // snow: crystal points
      for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 - M_PI / 2;
        cairo_move_to(cr, 19 * std::cos(a), 19 * std::sin(a));
        cairo_line_to(cr, 27 * std::cos(a), 27 * std::sin(a));
      }
      set(cr, hex(0x5a8ad0));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    default:  // bonus: a star crown
      for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        star_path(cr, 23 * std::cos(a), 23 * std::sin(a), 5, 2, 5, a);
      }
      set(cr, pal::white);
      cairo_fill_preserve(cr);
      outline(cr, 1);
      break;
  }
  cairo_restore(cr);
  // Gloss.
  ellipse(cr, 26, 20, 12, 6);
  set(cr, pal::white, 0.25);
  cairo_fill(cr);
  return c;
}

Canvas make_arrow() {
  // Points right; the map turns it towards the next level.
  Canvas c(64, 40);
  cairo_t* cr = c.cr();
  soft_shadow(c, [&](cairo_t* k) { poly(k, {4, 13, 36, 13, 36, 4, 60, 20, 36, 36, 36, 27, 4, 27}); cairo_fill(k); }, 2, 2,
              2, hex(0x000000), 0.5);
  poly(cr, {4, 13, 36, 13, 36, 4, 60, 20, 36, 36, 36, 27, 4, 27});
  fill_linear(cr, 0, 4, 0, 36, {{0, hex(0xfff0a0)}, {0.5, pal::yellow}, {1, pal::orange}});
  outline(cr, 2.5);
  return c;
}

}  // namespace

void write_map(Output& out) {
  save_png(out, "gfx/map.png", make_map());
  static const char* const kPoints[4] = {"button_training", "button_desert", "button_white", "button_bonus"};
  for (int i = 0; i < 4; ++i) save_png(out, std::string("gfx/buttons_map/") + kPoints[i] + ".png", make_point(i));
  save_png(out, "gfx/arrow.png", make_arrow());
}

}  // namespace mediagen::img
