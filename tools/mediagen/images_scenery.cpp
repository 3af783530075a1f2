// Landscapes and weather: level backgrounds and ground strips, drifting clouds, rain, snow and the night mask.
#include <algorithm>
#include <cmath>

#include "images_art.h"

namespace mediagen::img {

namespace {

// A ridge line across the picture from summed sines; fills everything below it.
void ridge(cairo_t* cr, double base, double amp, double f1, double f2, double ph, double bottom = 768) {
  cairo_move_to(cr, 0, bottom);
  for (int x = 0; x <= 1024; x += 8)
    cairo_line_to(cr, x, base - amp * (0.6 * std::sin(x * f1 + ph) + 0.4 * std::sin(x * f2 + ph * 2.3)));
  cairo_line_to(cr, 1024, bottom);
  cairo_close_path(cr);
}

void sky(cairo_t* cr, Rgb top, Rgb mid, Rgb horizon) {
  cairo_rectangle(cr, 0, 0, 1024, 768);
  fill_linear(cr, 0, 0, 0, 720, {{0, top}, {0.6, mid}, {1, horizon}});
  cairo_new_path(cr);
}

void soft_disc(const Canvas& c, double x, double y, double r, Rgb col, double glow_r) {
  glow(c, [&](cairo_t* k) { ellipse(k, x, y, r, r); cairo_fill(k); }, static_cast<int>(glow_r), col, 0.6);
  ellipse(c.cr(), x, y, r, r);
  fill_radial(c.cr(), x - r * 0.3, y - r * 0.3, r * 1.2, {{0, shade(col, 1.5)}, {1, col}});
  cairo_new_path(c.cr());
}

void sky_clouds(const Canvas& c, uint32_t seed, int n, Rgb col, double alpha, double ymax) {
  Rng rng(seed);
  cairo_t* cr = c.cr();
  for (int i = 0; i < n; ++i) {
    const double x = rng.uniform(-50, 1074), y = rng.uniform(40, ymax), w = rng.uniform(60, 160);
    for (int k = 0; k < 6; ++k) {
      const double bx = x + rng.uniform(-w / 2, w / 2), by = y + rng.uniform(-8, 6);
      ellipse(cr, bx, by, rng.uniform(w * 0.2, w * 0.35), rng.uniform(10, 20));
    }
    set(cr, col, alpha);
    cairo_fill(cr);
  }
}

}  // namespace

Canvas make_background(Land land) {
  Canvas c(1024, 768);
  cairo_t* cr = c.cr();
  Rng rng(static_cast<uint32_t>(land) * 97 + 5);
  switch (land) {
    case Land::Desert:
    case Land::Training: {
      const bool training = land == Land::Training;
      sky(cr, training ? hex(0x3a7ad8) : hex(0x2e6fc8), training ? hex(0x8cc4f0) : hex(0x9cc8ec),
          training ? hex(0xdceef8) : hex(0xf8e0b0));
      soft_disc(c, 780, 150, 46, hex(0xfff2b0), 30);
      sky_clouds(c, 11, 9, pal::white, 0.55, 300);
      // Mesas far away, dunes nearer.
      if (!training) {
        poly(cr, {120, 640, 150, 560, 260, 555, 290, 640});
        poly(cr, {640, 640, 660, 585, 720, 580, 745, 640});
        set(cr, hex(0xc89070), 0.8);
        cairo_fill(cr);
      }
      ridge(cr, 620, 18, 0.006, 0.017, 1.0);
      set(cr, training ? hex(0x8aa868) : hex(0xe2b878));
      cairo_fill(cr);
      ridge(cr, 670, 14, 0.009, 0.023, 2.0);
      set(cr, training ? hex(0x6e9450) : hex(0xd6a060));
      cairo_fill(cr);
      ridge(cr, 705, 8, 0.012, 0.031, 3.0);
      set(cr, training ? hex(0x5a8040) : hex(0xc88c50));
      cairo_fill(cr);
      // A few cacti or target boards.
      for (int i = 0; i < 6; ++i) {
        const double x = rng.uniform(60, 960), y = rng.uniform(660, 700);
        if (training) {
          ellipse(cr, x, y - 18, 10, 10);
          fill_radial(cr, x, y - 18, 10, {{0, pal::red}, {0.4, pal::white}, {0.7, pal::red}, {1, pal::white}});
          outline(cr, 1.5);
          cairo_move_to(cr, x, y - 8);
          cairo_line_to(cr, x, y);
          outline(cr, 2.5, hex(0x5a4030));
        } else {
          rounded_rect(cr, x - 4, y - 34, 8, 34, 4);
          rounded_rect(cr, x - 14, y - 24, 6, 14, 3);
          rounded_rect(cr, x + 8, y - 28, 6, 12, 3);
          set(cr, hex(0x5a7a3a));
          cairo_fill_preserve(cr);
          outline(cr, 1.5, hex(0x2a3a1a));
        }
      }
      break;
    }
    case Land::Snow: {
      sky(cr, hex(0x5a78a8), hex(0xa8bcd8), hex(0xe8eef6));
      soft_disc(c, 260, 170, 34, hex(0xfff8e8), 24);
      sky_clouds(c, 23, 12, hex(0xf4f6fa), 0.6, 280);
      // Snowy peaks.
      for (int layer = 0; layer < 3; ++layer) {
        const double base = 560 + layer * 60;
        const Rgb rock = mix(hex(0x7a8aa8), hex(0xd6e0ee), layer * 0.35);
        cairo_move_to(cr, 0, 768);
        double x = -40;
        std::vector<std::pair<double, double>> peaks;
        while (x < 1100) {
          const double w = rng.uniform(110, 200), h = rng.uniform(110, 230) - layer * 40;
          cairo_line_to(cr, x, base);
          cairo_line_to(cr, x + w / 2, base - h);
          peaks.push_back({x + w / 2, base - h});
          x += w;
        }
        cairo_line_to(cr, x, base);
        cairo_line_to(cr, 1100, 768);
        cairo_close_path(cr);
        set(cr, rock);
        cairo_fill(cr);
        for (auto [px, py] : peaks) {
          poly(cr, {px, py, px + 26, py + 40, px + 10, py + 34, px, py + 46, px - 12, py + 32, px - 26, py + 40});
          set(cr, hex(0xffffff), 0.9);
          cairo_fill(cr);
        }
      }
      ridge(cr, 700, 6, 0.01, 0.03, 0.5);
      set(cr, hex(0xf2f6fb));
      cairo_fill(cr);
      // Pines.
      for (int i = 0; i < 14; ++i) {
        const double x = rng.uniform(20, 1000), y = rng.uniform(690, 712), h = rng.uniform(26, 44);
        poly(cr, {x, y - h, x + h * 0.3, y, x - h * 0.3, y});
        set(cr, hex(0x2e4a3a));
        cairo_fill(cr);
        poly(cr, {x, y - h, x + h * 0.12, y - h * 0.6, x - h * 0.12, y - h * 0.6});
        set(cr, pal::white, 0.9);
        cairo_fill(cr);
      }
      break;
    }
    case Land::City: {
      sky(cr, hex(0x04061a), hex(0x101a40), hex(0x3a2a58));
      for (int i = 0; i < 180; ++i) {
        ellipse(cr, rng.uniform(0, 1024), rng.uniform(0, 450), 1, 1);
        set(cr, pal::white, rng.uniform(0.3, 0.9));
        cairo_fill(cr);
      }
      soft_disc(c, 820, 130, 30, hex(0xf0f0e0), 30);
      ellipse(cr, 810, 122, 6, 5);
      ellipse(cr, 830, 140, 4, 4);
      set(cr, hex(0xc8c8b8));
      cairo_fill(cr);
      // Two rows of towers with lit windows.
      for (int row = 0; row < 2; ++row) {
        double x = -10;
        while (x < 1030) {
          const double w = rng.uniform(40, 90), h = rng.uniform(90, 260) - row * 60;
          const double top = 720 - h;
          cairo_rectangle(cr, x, top, w, h);
          set(cr, row ? hex(0x161a30) : hex(0x23284a));
          cairo_fill(cr);
          if (rng.next() % 3 == 0) {
            cairo_move_to(cr, x + w / 2, top);
            cairo_line_to(cr, x + w / 2, top - 24);
            outline(cr, 2, row ? hex(0x161a30) : hex(0x23284a));
            ellipse(cr, x + w / 2, top - 24, 2.5, 2.5);
            set(cr, hex(0xff4030));
            cairo_fill(cr);
          }
          for (double wy = top + 8; wy < 712; wy += 14)
            for (double wx = x + 6; wx < x + w - 8; wx += 12)
              if (rng.next() % 5 < 2) {
                cairo_rectangle(cr, wx, wy, 6, 8);
                set(cr, rng.next() % 4 ? hex(0xffd878) : hex(0x9fd8ff), row ? 0.9 : 0.55);
                cairo_fill(cr);
              }
          x += w + rng.uniform(2, 12);
        }
      }
      // Searchlights.
      for (int i = 0; i < 2; ++i) {
        const double x = i ? 760 : 240, tx = i ? 640 : 380;
        cairo_move_to(cr, x, 720);
        cairo_line_to(cr, tx - 40, 0);
        cairo_line_to(cr, tx + 40, 0);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 720, 0, 0);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.9, 0.95, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 0.95, 1, 0.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
      }
      break;
    }
    case Land::Valley: {
      sky(cr, hex(0x4a90e0), hex(0x98d0f4), hex(0xe8f6ff));
      soft_disc(c, 180, 130, 40, hex(0xfff4c0), 30);
      sky_clouds(c, 31, 10, pal::white, 0.7, 320);
      ridge(cr, 520, 60, 0.005, 0.013, 0.7);
      set(cr, hex(0x8aa8c0));
      cairo_fill(cr);
      ridge(cr, 600, 40, 0.007, 0.019, 1.7);
      set(cr, hex(0x6fa860));
      cairo_fill(cr);
      ridge(cr, 660, 26, 0.01, 0.027, 2.9);
      set(cr, hex(0x4f9444));
      cairo_fill(cr);
      // A river winding to the horizon.
      cairo_move_to(cr, 470, 600);
      cairo_curve_to(cr, 520, 630, 420, 660, 500, 700);
      cairo_curve_to(cr, 560, 730, 480, 760, 520, 768);
      set(cr, hex(0x7fc0f0), 0.9);
      cairo_set_line_width(cr, 10);
      cairo_stroke(cr);
      ridge(cr, 705, 10, 0.013, 0.035, 4.1);
      set(cr, hex(0x3f7f38));
      cairo_fill(cr);
      // Round trees.
      for (int i = 0; i < 16; ++i) {
        const double x = rng.uniform(20, 1000), y = rng.uniform(650, 705), r = rng.uniform(8, 16);
        cairo_rectangle(cr, x - 2, y, 4, r);
        set(cr, hex(0x5a4030));
        cairo_fill(cr);
        ellipse(cr, x, y - r * 0.3, r, r);
        fill_radial(cr, x - r * 0.3, y - r * 0.6, r * 1.3, {{0, hex(0x8ad070)}, {1, hex(0x2f6a2a)}});
        outline(cr, 1.2, hex(0x1f3a1a), 0.7);
      }
      break;
    }
  }
  return c;
}

Canvas make_ground(Land land) {
  // 1024x96 with its bottom centre at the screen's bottom centre: the surface line sits on the ground line,
  // 50 pixels above the bottom; tufts and stones may stick out above it.
  Canvas c(1024, 96);
  cairo_t* cr = c.cr();
  const double surface = 46;
  Rng rng(static_cast<uint32_t>(land) * 31 + 7);
  Rgb top, deep, tuft;
  switch (land) {
    case Land::Snow: top = hex(0xf4f8fc); deep = hex(0x8a9ab0); tuft = hex(0xffffff); break;
    case Land::City: top = hex(0x5a5e6a); deep = hex(0x22242c); tuft = hex(0x8a8e9a); break;
    case Land::Valley:
    case Land::Training: top = hex(0x6cc048); deep = hex(0x5a3e26); tuft = hex(0x8ad860); break;
    default: top = hex(0xe8c488); deep = hex(0x9a6a3a); tuft = hex(0xc8a060); break;
  }
  // Body of the ground with a slightly bumpy top.
  cairo_move_to(cr, 0, 96);
  for (int x = 0; x <= 1024; x += 8) cairo_line_to(cr, x, surface - 1.5 * std::sin(x * 0.05) - std::sin(x * 0.013));
  cairo_line_to(cr, 1024, 96);
  cairo_close_path(cr);
  fill_linear(cr, 0, surface - 3, 0, 96, {{0, top}, {0.18, mix(top, deep, 0.5)}, {1, deep}});
  outline(cr, 2.5);
  // Strata and pebbles.
  for (int i = 0; i < 90; ++i) {
    ellipse(cr, rng.uniform(0, 1024), rng.uniform(surface + 10, 92), rng.uniform(2, 6), rng.uniform(1.5, 3.5));
    set(cr, shade(deep, rng.uniform(0.6, 1.3)), 0.7);
    cairo_fill(cr);
  }
  if (land == Land::City) {
    // Road with lane marks.
    cairo_rectangle(cr, 0, surface + 4, 1024, 4);
    set(cr, hex(0x9a9ea8));
    cairo_fill(cr);
    for (int x = 0; x < 1024; x += 64) {
      cairo_rectangle(cr, x + 10, surface + 22, 34, 4);
      set(cr, hex(0xffd040));
      cairo_fill(cr);
    }
  } else {
    // Tufts of grass, dry brush or snow drifts along the top.
    for (int i = 0; i < 140; ++i) {
      const double x = rng.uniform(0, 1024), h = rng.uniform(4, land == Land::Snow ? 6 : 11);
      if (land == Land::Snow) {
        ellipse(cr, x, surface, rng.uniform(8, 20), h * 0.6);
        set(cr, tuft, 0.9);
        cairo_fill(cr);
      } else {
        cairo_move_to(cr, x - 3, surface + 2);
        cairo_line_to(cr, x - 1, surface - h);
        cairo_line_to(cr, x + 1, surface + 2);
        cairo_move_to(cr, x + 1, surface + 2);
        cairo_line_to(cr, x + 4, surface - h * 0.7);
        cairo_line_to(cr, x + 5, surface + 2);
        set(cr, shade(tuft, rng.uniform(0.7, 1.1)));
        cairo_fill(cr);
      }
    }
  }
  return c;
}

Canvas make_thumb(Land land) {
  // Level picture for the campaign page: the landscape with its ground, framed, 200x200.
  Canvas c(200, 200);
  cairo_t* cr = c.cr();
  Canvas bg = make_background(land), gr = make_ground(land);
  bg.paint(gr, 0, 768 - 96);
  rounded_rect(cr, 4, 4, 192, 192, 16);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // Take the lower middle of the landscape, where its features are.
  const double sc = 200.0 / 520.0;
  c.paint(bg, -252 * sc, -248 * sc, sc);
  cairo_restore(cr);
  outline(cr, 4, hex(0xe8ecf2));
  rounded_rect(cr, 1.5, 1.5, 197, 197, 18);
  outline(cr, 3);
  return c;
}

namespace {

Canvas make_cloud_sprite() {
  // A drifting cloud, shown at 0.3 to 2 scale; black is the see-through colour for this one.
  Canvas c(256, 128);
  cairo_t* cr = c.cr();
  struct B {
    double x, y, r;
  };
  const B blobs[] = {{70, 80, 34}, {110, 58, 44}, {160, 62, 38}, {196, 82, 30}, {130, 88, 36}, {48, 92, 22}, {220, 96, 18}};
  auto shape = [&](cairo_t* k) {
    for (const B& b : blobs) ellipse(k, b.x, b.y, b.r, b.r);
    cairo_rectangle(k, 48, 90, 172, 22);
  };
  shape(cr);
  fill_linear(cr, 0, 14, 0, 112, {{0, hex(0xffffff)}, {0.6, hex(0xf0f4fa)}, {1, hex(0xb8c4d4)}});
  cairo_new_path(cr);
  // Lit upper rims.
  for (const B& b : blobs) {
    cairo_arc(cr, b.x, b.y, b.r - 4, M_PI * 1.1, M_PI * 1.7);
    set(cr, pal::white, 0.8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  blur(c, 1);
  return c;
}

Canvas make_night() {
  // Darkness with a light cone in the middle; drawn black at twice the size, centred on the mouse,
  // so it must reach past the far screen edge from any pointer position.
  Canvas c(1024, 768);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 1024, 768);
  cairo_pattern_t* p = cairo_pattern_create_radial(512, 384, 0, 512, 384, 240);
  cairo_pattern_add_color_stop_rgba(p, 0.0, 0.02, 0.02, 0.05, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 0.25, 0.02, 0.02, 0.05, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 0.55, 0.02, 0.02, 0.05, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1.0, 0.02, 0.02, 0.05, 1.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  return c;
}

Canvas make_raindrop() {
  // A white streak the game tints blue and shows at 0.05 to 0.5 scale.
  Canvas c(12, 64);
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 6, 2);
  cairo_curve_to(cr, 9, 30, 10, 52, 6, 62);
  cairo_curve_to(cr, 2, 52, 3, 30, 6, 2);
  cairo_close_path(cr);
  fill_linear(cr, 0, 2, 0, 62, {{0, pal::white, 0.0}, {0.6, pal::white, 0.7}, {1, pal::white, 1.0}});
  cairo_new_path(cr);
  return c;
}

Canvas make_snowflake() {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  glow(c, [&](cairo_t* k) { ellipse(k, 32, 32, 14, 14); cairo_fill(k); }, 6, pal::white, 0.8);
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, i * M_PI / 3);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, -26);
    cairo_move_to(cr, 0, -14);
    cairo_line_to(cr, -7, -21);
    cairo_move_to(cr, 0, -14);
    cairo_line_to(cr, 7, -21);
    cairo_restore(cr);
  }
  set(cr, hex(0x9fb8d8));
  cairo_set_line_width(cr, 5.5);
  cairo_stroke_preserve(cr);
  set(cr, pal::white);
  cairo_set_line_width(cr, 3.2);
  cairo_stroke(cr);
  return c;
}

struct LandFiles {
  Land land;
  const char* background;  // under gfx/backgrounds/
  const char* ground;
  const char* thumb;  // under gfx/thumbs/
};
constexpr LandFiles kLands[] = {
    {Land::Desert, "desert.jpg", "ground.png", "desert.png"},
    {Land::Snow, "snow.jpg", "ground_snow.png", "snow.png"},
    {Land::City, "city.jpg", "ground_city.png", "city.png"},
    {Land::Valley, "valley.jpg", "ground_valley.png", "valley.png"},
    {Land::Training, "training.jpg", "ground_training.png", "training.png"},
};

}  // namespace

void write_scenery(Output& out) {
  for (const LandFiles& l : kLands) {
    save_jpg(out, std::string("gfx/backgrounds/") + l.background, make_background(l.land), 88);
    save_png(out, std::string("gfx/backgrounds/") + l.ground, make_ground(l.land));
    save_png(out, std::string("gfx/thumbs/") + l.thumb, make_thumb(l.land));
  }
  save_png(out, "gfx/clouds_background.png", make_cloud_sprite());
  save_png(out, "gfx/nightshot.png", make_night());
  save_png(out, "gfx/raindrop.png", make_raindrop());
  save_png(out, "gfx/snowflake.png", make_snowflake());
}

}  // namespace mediagen::img
