// Image loading and cutting into cells, handles and the per-frame collision masks.
#include "images.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "internal.h"

namespace {

uint32_t g_mask_rgb = 0xFF00FF;
bool g_auto_mid = false;

bool starts_with(const std::vector<unsigned char>& b, std::initializer_list<unsigned char> sig) {
  return b.size() >= sig.size() && std::equal(sig.begin(), sig.end(), b.begin());
}

// Decoders tolerate a missing end (a JPEG decoder pads it with grey), so a file cut short is caught
// here: a PNG must end with its IEND chunk, a JPEG must close its last scan with an end marker.
bool looks_complete(const std::vector<unsigned char>& b) {
  if (starts_with(b, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
    static const unsigned char iend[] = {'I', 'E', 'N', 'D'};
    size_t from = b.size() > 64 ? b.size() - 64 : 0;
    return std::search(b.begin() + static_cast<ptrdiff_t>(from), b.end(), std::begin(iend), std::end(iend)) != b.end();
  }
  if (starts_with(b, {0xFF, 0xD8})) {
    // Inside entropy-coded data 0xFF is always followed by 0x00 or a restart marker, so these markers
    // cannot appear by accident.
    size_t last_scan = 0;
    for (size_t i = 0; i + 1 < b.size(); ++i)
      if (b[i] == 0xFF && b[i + 1] == 0xDA) last_scan = i;
    if (last_scan == 0) return false;
    for (size_t i = last_scan; i + 1 < b.size(); ++i)
      if (b[i] == 0xFF && b[i + 1] == 0xD9) return true;
    return false;
  }
  return !b.empty();
}

// Straight ARGB pixels of a picture file; false when it cannot be read or decoded.
bool decode_file(const std::string& path, int& w, int& h, std::vector<uint32_t>& out) {
  if (file_type(path) != 1) return false;  // a folder named like a picture is no picture
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!looks_complete(bytes)) return false;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return false;
  SDL_Surface* loaded = IMG_Load_RW(rw, 1);
  if (!loaded) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return false;
  w = argb->w;
  h = argb->h;
  out.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  if (SDL_LockSurface(argb) == 0) {
    for (int y = 0; y < h; ++y)
      std::memcpy(out.data() + static_cast<size_t>(y) * static_cast<size_t>(w),
                  static_cast<const unsigned char*>(argb->pixels) + static_cast<ptrdiff_t>(y) * argb->pitch,
                  static_cast<size_t>(w) * 4);
    SDL_UnlockSurface(argb);
  }
  SDL_FreeSurface(argb);
  return w > 0 && h > 0;
}

uint32_t premultiply(uint32_t p) {
  uint32_t a = p >> 24;
  if (a == 255) return p;
  if (a == 0) return 0;  // whatever colour a hidden pixel had, it must not bleed into filtered edges
  auto m = [a](uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | m((p >> 16) & 255u) << 16 | m((p >> 8) & 255u) << 8 | m(p & 255u);
}

}  // namespace

namespace platform_detail {

void images_reset() {
  g_mask_rgb = 0xFF00FF;
  g_auto_mid = false;
}

Image build_image(int width, int height, const uint32_t* argb, int cell_w, int cell_h, int first, int count,
                  int flags) {
  if (width <= 0 || height <= 0 || cell_w <= 0 || cell_h <= 0 || count <= 0 || !argb) return {};
  const int cols = width / cell_w, rows = height / cell_h;
  const int64_t total = int64_t{cols} * rows;
  const int64_t from = std::max<int64_t>(first, 0);
  const int64_t to = std::min<int64_t>(int64_t{first} + count, total);
  if (from >= to) return {};

  auto img = std::make_shared<ImageData>();
  img->cell_w = cell_w;
  img->cell_h = cell_h;
  // Flags are bits: 1 filtered, 2 masked, 4 mipmapped (smooth, so filtered too); -1 sets them all.
  // Every picture is masked except one loaded "mipmapped only", which keeps all its colours.
  img->filtered = (flags & 5) != 0;
  const bool masked = flags != IMAGE_MIPMAPPED;
  if (g_auto_mid) {
    img->handle_x = static_cast<float>(cell_w) * 0.5f;
    img->handle_y = static_cast<float>(cell_h) * 0.5f;
  }
  const int stride = img->stride();
  for (int64_t n = from; n < to; ++n) {
    const int cx = static_cast<int>(n % cols) * cell_w, cy = static_cast<int>(n / cols) * cell_h;
    ImageData::Frame f;
    f.pixels.assign(static_cast<size_t>(stride) * static_cast<size_t>(cell_h + 2), 0);
    f.solid.assign(static_cast<size_t>(cell_w) * static_cast<size_t>(cell_h), 0);
    f.solid_x0 = cell_w;
    f.solid_y0 = cell_h;
    for (int y = 0; y < cell_h; ++y) {
      const uint32_t* src = argb + static_cast<size_t>(cy + y) * static_cast<size_t>(width) + cx;
      uint32_t* dst = f.pixels.data() + static_cast<size_t>(y + 1) * static_cast<size_t>(stride) + 1;
      for (int x = 0; x < cell_w; ++x) {
        uint32_t p = src[x];
        if (masked && (p & 0xFFFFFFu) == g_mask_rgb) p = 0;
        dst[x] = premultiply(p);
        if ((p >> 24) != 255) f.opaque = false;
        if ((p >> 24) > 127) {
          f.solid[static_cast<size_t>(y) * static_cast<size_t>(cell_w) + static_cast<size_t>(x)] = 1;
          f.solid_x0 = std::min(f.solid_x0, x);
          f.solid_y0 = std::min(f.solid_y0, y);
          f.solid_x1 = std::max(f.solid_x1, x + 1);
          f.solid_y1 = std::max(f.solid_y1, y + 1);
        }
      }
      dst[-1] = dst[0];
      dst[cell_w] = dst[cell_w - 1];
    }
    if (f.solid_x1 == 0) f.solid_x0 = f.solid_y0 = 0;
    // Top and bottom border rows repeat the edge rows (corners included).
    std::copy_n(f.pixels.begin() + stride, stride, f.pixels.begin());
    std::copy_n(f.pixels.begin() + static_cast<ptrdiff_t>(stride) * cell_h, stride,
                f.pixels.begin() + static_cast<ptrdiff_t>(stride) * (cell_h + 1));
    img->frames.push_back(std::move(f));
  }
  return img;
}

}  // namespace platform_detail

void set_mask_color(int r, int g, int b) {
  g_mask_rgb = static_cast<uint32_t>(std::clamp(r, 0, 255)) << 16 | static_cast<uint32_t>(std::clamp(g, 0, 255)) << 8 |
               static_cast<uint32_t>(std::clamp(b, 0, 255));
}

Image load_image(const std::string& path, int flags) {
  int w = 0, h = 0;
  std::vector<uint32_t> px;
  if (!decode_file(path, w, h, px)) return {};
  return platform_detail::build_image(w, h, px.data(), w, h, 0, 1, flags);
}

Image load_anim_image(const std::string& path, int cell_w, int cell_h, int first, int count, int flags) {
  if (cell_w <= 0 || cell_h <= 0 || count <= 0) return {};
  int w = 0, h = 0;
  std::vector<uint32_t> px;
  if (!decode_file(path, w, h, px)) return {};
  return platform_detail::build_image(w, h, px.data(), cell_w, cell_h, first, count, flags);
}

Image create_image(int width, int height, const std::vector<uint32_t>& argb, int cell_w, int cell_h, int flags) {
  if (width <= 0 || height <= 0 || argb.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return {};
  if (cell_w <= 0) cell_w = width;
  if (cell_h <= 0) cell_h = height;
  const int cells = (width / cell_w) * (height / cell_h);
  return platform_detail::build_image(width, height, argb.data(), cell_w, cell_h, 0, cells, flags);
}

void set_image_handle(const Image& img, float x, float y) {
  if (!img) return;
  img->handle_x = x;
  img->handle_y = y;
}

void mid_handle_image(const Image& img) {
  if (!img) return;
  img->handle_x = static_cast<float>(img->cell_w) * 0.5f;
  img->handle_y = static_cast<float>(img->cell_h) * 0.5f;
}

void auto_mid_handle(bool on) { g_auto_mid = on; }

int image_width(const Image& img) { return img ? img->cell_w : 0; }
int image_height(const Image& img) { return img ? img->cell_h : 0; }
int image_frames(const Image& img) { return img ? static_cast<int>(img->frames.size()) : 0; }

void get_image_handle(const Image& img, float& x, float& y) {
  x = img ? img->handle_x : 0.0f;
  y = img ? img->handle_y : 0.0f;
}
