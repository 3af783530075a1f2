// Shared drawing kit of the picture generator: canvases, encoders, colours, shapes, lettering and soft shadows.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "mediagen.h"

namespace mediagen::img {

// An ARGB32 drawing surface with its context; starts fully transparent.
class Canvas {
 public:
  Canvas(int w, int h);
  ~Canvas();
  Canvas(Canvas&& o) noexcept;
  Canvas& operator=(Canvas&& o) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return s_; }
  int w() const { return w_; }
  int h() const { return h_; }
  // Paints another canvas with its top-left at (x, y), scaled by sc, at opacity a.
  void paint(const Canvas& src, double x, double y, double sc = 1.0, double a = 1.0) const;
  // Paints another canvas centred on (cx, cy), scaled and turned (degrees, clockwise).
  void paint_centered(const Canvas& src, double cx, double cy, double sc = 1.0, double deg = 0.0,
                      double a = 1.0) const;

 private:
  cairo_surface_t* s_ = nullptr;
  cairo_t* cr_ = nullptr;
  int w_ = 0, h_ = 0;
};

// PNG bytes of a canvas. Pixels that are not fully transparent never come out as exact black or exact
// magenta, because the game loads pictures with one of those as the see-through colour.
std::vector<uint8_t> png_bytes(const Canvas& c);
// Baseline JPEG bytes of a canvas (composited over black).
std::vector<uint8_t> jpg_bytes(const Canvas& c, int quality = 90);
// Decoders for the contact sheet; an empty canvas (0x0) when the bytes do not decode.
Canvas decode_png(const std::vector<uint8_t>& bytes);
Canvas decode_jpg(const std::vector<uint8_t>& bytes);

void save_png(Output& out, const std::string& rel, const Canvas& c);
void save_jpg(Output& out, const std::string& rel, const Canvas& c, int quality = 90);

// Small deterministic generator so every run draws the same pictures.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9e3779b9u) {}
  uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double uniform(double a = 0.0, double b = 1.0) { return a + (b - a) * (next() >> 8) / 16777216.0; }
  int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1)); }

 private:
  uint32_t s_;
};

struct Rgb {
  double r, g, b;
};
constexpr Rgb hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb c, double f);  // f < 1 darker, f > 1 lighter (towards white)

// House palette: one outline colour and a few families every sprite draws from.
namespace pal {
constexpr Rgb ink = hex(0x16182a);      // outlines
constexpr Rgb steel = hex(0x8d9bb0);    // metal bodies
constexpr Rgb steel_dark = hex(0x4d5a70);
constexpr Rgb olive = hex(0x6f7f3a);
constexpr Rgb sand = hex(0xd9b877);
constexpr Rgb red = hex(0xd8392b);
constexpr Rgb orange = hex(0xf08a24);
constexpr Rgb yellow = hex(0xffd84a);
constexpr Rgb sky = hex(0x5fb4ff);
constexpr Rgb glass = hex(0x9fe3ff);
constexpr Rgb green = hex(0x4caf50);
constexpr Rgb white = hex(0xffffff);
}  // namespace pal

void set(cairo_t* cr, Rgb c, double a = 1.0);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Closed polygon from x,y pairs.
void poly(cairo_t* cr, std::initializer_list<double> xy);

struct Stop {
  double at;
  Rgb c;
  double a = 1.0;
};
// Fills the current path with a linear gradient from (x0,y0) to (x1,y1); keeps the path.
void fill_linear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
// Fills the current path with a radial gradient centred on (cx,cy) out to radius r; keeps the path.
void fill_radial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Stop> stops,
                 double fx = -1e9, double fy = -1e9);
// Strokes the current path in the outline colour (consumes the path).
void outline(cairo_t* cr, double width = 2.0, Rgb c = pal::ink, double a = 1.0);
// Body shading used by every sprite: a top-lit vertical gradient of one base colour over the path's height.
void fill_body(cairo_t* cr, Rgb base, double y0, double y1);

// Lettering in DejaVu Sans Bold. text_path adds the outline of `s` to the path with its ink box centred on
// (cx, cy) when centred, else with the baseline origin at (cx, cy). Returns the ink width.
double text_path(cairo_t* cr, const std::string& s, double size, double cx, double cy, bool centred = true);
double text_ink_width(cairo_t* cr, const std::string& s, double size);
// A fully styled caption: soft shadow, dark outline, gradient fill from top to bottom colour.
void caption(const Canvas& c, const std::string& s, double size, double cx, double cy, Rgb top, Rgb bottom,
             double outline_w = 3.0, double shadow = 0.6);

// Blurs a canvas in place (three box passes on premultiplied pixels).
void blur(Canvas& c, int radius);
// Draws a soft shadow of what `shape` paints (any colour) under the canvas contents so far:
// the shape is rendered into a layer, blurred, tinted and composited at (dx, dy).
void soft_shadow(const Canvas& c, const std::function<void(cairo_t*)>& shape, double dx, double dy, int radius,
                 Rgb tint = pal::ink, double alpha = 0.5);
// A glow: like soft_shadow but added with the "add" operator.
void glow(const Canvas& c, const std::function<void(cairo_t*)>& shape, int radius, Rgb tint, double alpha);

}  // namespace mediagen::img
