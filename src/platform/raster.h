// The software rasteriser: maps screen pixels back into images and shapes and blends them into the frame.
#pragma once

#include <cstdint>

#include "images.h"

namespace raster {

// Texel coordinates are fixed point with this many fraction bits.
constexpr int FRAC = 16;
constexpr int64_t ONE = int64_t{1} << FRAC;

// The inverse placement of a w x h object (an image cell or a shape): for the centre of screen pixel
// (X, Y) it gives the object coordinates u = u0 + (X - ax) * dudx + (Y - ay) * dudy (likewise v), in
// fixed point. Anchoring at a pixel near the object keeps the rounding of the steps from growing with
// the distance to the screen's corner. A pixel belongs to the object when its u and v fall inside the
// object's rectangle; the texel it shows is (u >> FRAC, v >> FRAC).
struct Placement {
  bool valid = false;  // false for a zero scale: nothing is covered
  int64_t ax = 0, ay = 0;
  int64_t u0 = 0, dudx = 0, dudy = 0;
  int64_t v0 = 0, dvdx = 0, dvdy = 0;
  // Forward map, for bounding boxes: screen = p + R * S * (object - handle).
  double px = 0, py = 0, hx = 0, hy = 0, m00 = 0, m01 = 0, m10 = 0, m11 = 0;

  int64_t u_at(int64_t x, int64_t y) const { return u0 + (x - ax) * dudx + (y - ay) * dudy; }
  int64_t v_at(int64_t x, int64_t y) const { return v0 + (x - ax) * dvdx + (y - ay) * dvdy; }
  bool axis_aligned_unit() const { return dudx == ONE && dudy == 0 && dvdx == 0 && dvdy == ONE; }
};

// (px, py): where the handle lands on screen; rotation in degrees, clockwise on screen.
Placement place(double px, double py, double hx, double hy, double sx, double sy, double degrees);

// Screen pixels, half-open: x0 <= X < x1, y0 <= Y < y1.
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};
Box intersect(const Box& a, const Box& b);

// A generous screen box around the object rectangle [ulo, uhi) x [vlo, vhi) (object units, fixed point).
Box bounds(const Placement& p, int64_t ulo, int64_t uhi, int64_t vlo, int64_t vhi);

// The exact half-open run [lo, hi) of pixels on row y whose centres map into [ulo, uhi) x [vlo, vhi);
// lo >= hi when there is none. Clipped to [clip_lo, clip_hi).
void span(const Placement& p, int64_t y, int64_t ulo, int64_t uhi, int64_t vlo, int64_t vhi, int clip_lo, int clip_hi,
          int& lo, int& hi);

// What the current drawing state asks of a source pixel.
struct Paint {
  int blend = 3;
  int r = 255, g = 255, b = 255;
  float alpha = 1.0f;
};

// The frame being drawn into: SCREEN_W x SCREEN_H opaque 0xAARRGGBB pixels.
struct Target {
  uint32_t* pixels = nullptr;
  int stride = 0;
  Box clip;  // viewport, already inside the frame
};

void draw_cell(const Target& t, const ImageData& img, int frame, const Placement& p, const Paint& paint);
// A w x h rectangle or the ellipse inside it, the placement's object coordinates being (0..w, 0..h).
void draw_rect(const Target& t, const Placement& p, double w, double h, const Paint& paint);
void draw_oval(const Target& t, const Placement& p, double w, double h, const Paint& paint);
// One pixel wide, both end pixels included; (x1, y1) and (x2, y2) are screen coordinates.
void draw_line(const Target& t, double x1, double y1, double x2, double y2, const Paint& paint);

}  // namespace raster
