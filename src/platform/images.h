// Image storage shared by the loader, the rasteriser and the collision test (internal to the platform).
#pragma once

#include <cstdint>
#include <vector>

#include "platform.h"

struct ImageData {
  int cell_w = 0;
  int cell_h = 0;
  float handle_x = 0.0f;
  float handle_y = 0.0f;
  bool filtered = true;  // bilinear when scaled or rotated (flags -1, 1 and 4), else nearest texel

  // Premultiplied 0xAARRGGBB pixels of one cell with a one-pixel border repeating the edge pixels, so the
  // filter never reads outside: (cell_w + 2) x (cell_h + 2), row-major; texel (x, y) is at
  // (y + 1) * (cell_w + 2) + x + 1.
  struct Frame {
    std::vector<uint32_t> pixels;
    // 1 where the texel counts as solid for collisions: its alpha (after masking) exceeds 127.
    std::vector<uint8_t> solid;  // cell_w x cell_h
    // The smallest rectangle holding every solid texel, half-open; empty when the cell has none.
    int solid_x0 = 0, solid_y0 = 0, solid_x1 = 0, solid_y1 = 0;
    // Every texel fully opaque (photos and backgrounds): solid drawing may then take the blending path.
    bool opaque = true;
  };
  std::vector<Frame> frames;

  int stride() const { return cell_w + 2; }
};

namespace platform_detail {

// Back to magenta masking and no automatic centre handle (part of the drawing state's reset).
void images_reset();
// Builds an image from straight (not premultiplied) 0xAARRGGBB pixels, width x height, cut into cells of
// cell_w x cell_h, keeping frames first .. first+count-1 that exist. No image when nothing is left.
Image build_image(int width, int height, const uint32_t* argb, int cell_w, int cell_h, int first, int count,
                  int flags);

}  // namespace platform_detail
