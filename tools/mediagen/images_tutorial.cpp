// The "How to play" pages: battle scenes built from the game's own sprites with lettered explanations.
#include <cmath>
#include <string>
#include <vector>

#include "images_art.h"

namespace mediagen::img {

namespace {

// A rounded dark panel for text.
void panel(cairo_t* cr, double x, double y, double w, double h) {
  rounded_rect(cr, x, y, w, h, 14);
  set(cr, hex(0x0c1224), 0.72);
  cairo_fill_preserve(cr);
  outline(cr, 2.5, hex(0x8fb3ff), 0.8);
}

// Left-aligned lines of plain lettering with a thin dark edge.
void lines(const Canvas& c, double x, double y, double size, const std::vector<std::string>& text, Rgb col) {
  cairo_t* cr = c.cr();
  for (size_t i = 0; i < text.size(); ++i) {
    const double by = y + i * size * 1.45;
    text_path(cr, text[i], size, x, by, false);
    outline(cr, 3, pal::ink);
    text_path(cr, text[i], size, x, by, false);
    set(cr, col);
    cairo_fill(cr);
  }
}

void heading(const Canvas& c, const std::string& s, double y) {
  caption(c, s, 54, 512, y, hex(0xfffbe0), hex(0xf0a020), 3.5, 0.7);
}

// The battlefield backdrop: landscape, ground and both towers with their cannons aimed at (ax, ay).
Canvas scene(Land land, double ax, double ay) {
  Canvas c = make_background(land);
  c.paint(make_ground(land), 0, 768 - 96);
  Canvas tower = make_tower(), cannon = make_cannon();
  const double ty = 718 - tower.h() / 2.0;
  const double lx = tower.w() / 2.0 + 5, rx = 1024 - tower.w() / 2.0 - 5;
  c.paint_centered(tower, lx, ty);
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, rx, ty);
  cairo_scale(cr, -1, 1);
  cairo_set_source_surface(cr, tower.surface(), -tower.w() / 2.0, -tower.h() / 2.0);
  cairo_paint(cr);
  cairo_restore(cr);
  c.paint_centered(cannon, lx, ty, 1.0, std::atan2(ay - ty, ax - lx) * 180 / M_PI);
  c.paint_centered(cannon, rx, ty, 1.0, std::atan2(ay - ty, ax - rx) * 180 / M_PI);
  // Humans along the ground.
  Canvas humans = make_humans();
  const int cells[] = {4, 7, 10, 3, 8, 11, 5};
  for (int i = 0; i < 7; ++i) {
    Canvas one(48, 64);
    one.paint(humans, -cells[i] * 48.0, 0);
    c.paint_centered(one, 200 + i * 100 + (i % 2) * 20, 718 - 32);
  }
  return c;
}

// A rocket with its smoke trail from (x0, y0) to (x1, y1).
void rocket_shot(const Canvas& c, double x0, double y0, double x1, double y1, bool locked) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, y0 + (y1 - y0) * 0.6, x0 + (x1 - x0) * 0.6, y1 + 30, x1, y1);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  const Rgb tr = locked ? hex(0xffe060) : hex(0xe8e8ec);
  cairo_pattern_add_color_stop_rgba(p, 0, tr.r, tr.g, tr.b, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 1, tr.r, tr.g, tr.b, 0.8);
  cairo_set_source(cr, p);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  cairo_pattern_destroy(p);
  const double ang = std::atan2(y1 - (y1 + 30), x1 - (x0 + (x1 - x0) * 0.6)) * 180 / M_PI;
  Canvas r = make_sprite(bomb_sprites(), "rocket.png");
  c.paint_centered(r, x1, y1, 0.6, ang);
  if (locked) c.paint_centered(make_super_rocket(), x1, y1, 0.35, 0, 0.9);
}

// A white sprite tinted by multiplying, as the game tints the crosshair.
Canvas tinted(const Canvas& src, Rgb col) {
  Canvas t(src.w(), src.h());
  t.paint(src, 0, 0);
  cairo_t* cr = t.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
  set(cr, col);
  cairo_paint(cr);
  // Restore the original coverage.
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
  cairo_set_source_surface(cr, src.surface(), 0, 0);
  cairo_paint(cr);
  return t;
}

Canvas page_aiming() {
  const double ax = 600, ay = 250;
  Canvas c = scene(Land::Desert, ax, ay);
  cairo_t* cr = c.cr();
  c.paint_centered(make_sprite(airplane_sprites(), "bomber.png"), ax, ay, 0.8);
  c.paint_centered(make_sprite(airplane_sprites(), "fighter.png"), 300, 170, 0.6);
  c.paint_centered(make_sprite(bomb_sprites(), "bomb.png"), 330, 330, 0.7, 80);
  c.paint_centered(make_crosshair(1), ax, ay);
  rocket_shot(c, 55, 630, 500, 330, false);
  c.paint_centered(make_explosion_frame(), 820, 300, 1.2);
  heading(c, "HOW TO PLAY", 60);
  panel(cr, 122, 410, 780, 196);
  lines(c, 150, 450, 24,
        {"Move the MOUSE to aim both cannons.", "LEFT button or LEFT arrow: the left tower fires.",
         "RIGHT button or RIGHT arrow: the right tower fires.", "Hold the button to keep firing."},
        pal::white);
  lines(c, 150, 585, 21, {"Shoot planes and their bombs before they hit the humans!"}, pal::yellow);
  // Labels on the two towers.
  caption(c, "LEFT", 26, 55, 540, pal::white, hex(0xbfe0ff), 2, 0.6);
  caption(c, "RIGHT", 26, 965, 540, pal::white, hex(0xbfe0ff), 2, 0.6);
  return c;
}

Canvas page_lock() {
  const double ax = 560, ay = 280;
  Canvas c = scene(Land::Valley, ax, ay);
  cairo_t* cr = c.cr();
  heading(c, "LOCK ON AND CHAIN KILLS", 60);
  // The three crosshair stages.
  Canvas cross = make_crosshair(1), plane = make_sprite(airplane_sprites(), "helicopter.png");
  const char* const kStage[3] = {"AIM", "LOCKING", "LOCKED"};
  const Rgb kCol[3] = {pal::white, hex(0x4060ff), hex(0xff2020)};
  for (int i = 0; i < 3; ++i) {
    const double x = 200 + i * 310, y = 190;
    c.paint_centered(plane, x, y, 0.6);
    c.paint_centered(tinted(cross, kCol[i]), x, y, i == 2 ? 1.5 : 1.0 + 0.25 * i, i * 90);
    caption(c, kStage[i], 26, x, y + 70, shade(kCol[i], 1.3), kCol[i], 2, 0.6);
    if (i < 2) {
      poly(cr, {x + 110, y - 8, x + 180, y - 8, x + 180, y - 18, x + 205, y, x + 180, y + 18, x + 180, y + 8, x + 110, y + 8});
      fill_linear(cr, 0, y - 18, 0, y + 18, {{0, hex(0xfff0a0)}, {1, pal::orange}});
      outline(cr, 2);
    }
  }
  rocket_shot(c, 969, 630, 820, 200, true);
  panel(cr, 120, 300, 784, 300);
  lines(c, 145, 340, 23,
        {"Keep the crosshair on one enemy: it turns BLUE while locking", "and RED when locked. A rocket fired then homes in",
         "on its target and hits harder.", "", "Kills less than 3 seconds apart make a KILL CHAIN:",
         "DOUBLE KILL, TRIPLE KILL, MULTI KILL ... each pays a bonus."},
        pal::white);
  lines(c, 145, 580, 22, {"Every human alive at the end of a wave brings income."}, pal::yellow);
  return c;
}

Canvas page_shop() {
  Canvas c = scene(Land::Snow, 512, 200);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 1024, 768);
  set(cr, hex(0x000000), 0.35);
  cairo_fill(cr);
  heading(c, "THE SHOP", 60);
  panel(cr, 40, 120, 944, 520);
  Canvas button = make_shop_button();
  const char* const kName[7] = {"HUMAN", "HEALTH", "INCOME", "ROCKET", "SPEED", "POWER", "AIM"};
  const int kIcon[7] = {0, 1, 2, 3, 5, 4, 6};
  for (int i = 0; i < 7; ++i) {
    const double x = 512 + (i - 3) * 132, y = 230;
    c.paint_centered(button, x, y, 1.4);
    c.paint_centered(make_shop_icon(kIcon[i]), x, y + 7, 0.62);
    caption(c, std::to_string(i + 1), 22, x, y - 43, pal::white, pal::white, 1.5, 0.0);
    caption(c, kName[i], 18, x, y + 75, pal::white, hex(0xbfe0ff), 1.5, 0.5);
  }
  lines(c, 80, 370, 23,
        {"Between waves, spend your money on upgrades:", "more humans, tougher humans, more income,",
         "more rockets, faster and stronger rockets, quicker lock-on.", "", "Keys 1 to 7 buy, SPACE starts the next wave,",
         "8 buys automatically (costs 10 seconds)."},
        pal::white);
  c.paint_centered(make_shop_icon(7), 880, 560, 0.8);
  c.paint_centered(make_shop_icon(8), 760, 560, 0.8);
  return c;
}

}  // namespace

Canvas make_explosion_frame() {
  Canvas strip = make_explosion();
  Canvas one(96, 96);
  one.paint(strip, -4 * 96.0, 0);
  return one;
}

void write_tutorial(Output& out) {
  save_jpg(out, "gfx/tutorial/first.jpg", page_aiming(), 90);
  save_jpg(out, "gfx/tutorial/second.jpg", page_lock(), 90);
  save_jpg(out, "gfx/tutorial/third.jpg", page_shop(), 90);
}

}  // namespace mediagen::img
