// The screen: drawing state, the frame, presenting it in a window and pacing the frames.
//
// Both modes draw into the same 1024x768 software frame; the real mode only adds a window that shows it.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "images.h"
#include "internal.h"
#include "raster.h"

namespace {

struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1.0f;
  int blend = BLEND_ALPHA;
  float sx = 1.0f, sy = 1.0f;
  float rotation = 0.0f;
  float ox = 0.0f, oy = 0.0f;
  raster::Box viewport{0, 0, SCREEN_W, SCREEN_H};
  uint32_t clear = 0xFF000000u;
};

struct Window {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
};

DrawState g_state;
std::vector<uint32_t> g_frame(static_cast<size_t>(SCREEN_W) * SCREEN_H, 0xFF000000u);
Window g_win;
bool g_open = false;
bool g_mouse_hidden = false;
int g_hz = 60;
bool g_flipped_before = false;
std::chrono::steady_clock::time_point g_last_flip;

raster::Target target() {
  return raster::Target{g_frame.data(), SCREEN_W, g_state.viewport};
}

raster::Paint paint() {
  return raster::Paint{g_state.blend, g_state.r, g_state.g, g_state.b, g_state.alpha};
}

raster::Placement place_here(float x, float y, float hx, float hy) {
  return raster::place(static_cast<double>(x) + g_state.ox, static_cast<double>(y) + g_state.oy, hx, hy, g_state.sx,
                       g_state.sy, g_state.rotation);
}

void destroy_window() {
  if (g_win.texture) SDL_DestroyTexture(g_win.texture);
  if (g_win.renderer) SDL_DestroyRenderer(g_win.renderer);
  if (g_win.window) {
    SDL_DestroyWindow(g_win.window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  g_win = Window{};
}

bool create_window(int depth) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    SDL_Log("No video: %s", SDL_GetError());
    return false;
  }
  Uint32 flags = SDL_WINDOW_RESIZABLE;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED, w = SCREEN_W, h = SCREEN_H;
  SDL_DisplayMode desktop;
  if (depth != 0) {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    // Already covering the desktop, so the picture fills the screen even where no window manager
    // carries out the full-screen request.
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
      x = y = 0;
      w = desktop.w;
      h = desktop.h;
    }
  }
  g_win.window = SDL_CreateWindow("Pellaron", x, y, w, h, flags);
  if (!g_win.window) {
    SDL_Log("No window: %s", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  // A smooth picture when the 4:3 frame is stretched to a bigger window or screen.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  g_win.renderer = SDL_CreateRenderer(g_win.window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!g_win.renderer) g_win.renderer = SDL_CreateRenderer(g_win.window, -1, SDL_RENDERER_SOFTWARE);
  if (g_win.renderer) {
    SDL_RenderSetLogicalSize(g_win.renderer, SCREEN_W, SCREEN_H);
    g_win.texture = SDL_CreateTexture(g_win.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, SCREEN_W,
                                      SCREEN_H);
  }
  if (!g_win.texture) {
    SDL_Log("No renderer: %s", SDL_GetError());
    destroy_window();
    return false;
  }
  SDL_ShowCursor(g_mouse_hidden ? SDL_DISABLE : SDL_ENABLE);
  return true;
}

void present() {
  if (!g_win.texture) return;
  SDL_UpdateTexture(g_win.texture, nullptr, g_frame.data(), SCREEN_W * 4);
  SDL_SetRenderDrawColor(g_win.renderer, 0, 0, 0, 255);
  SDL_RenderClear(g_win.renderer);  // the borders around the 4:3 picture
  SDL_RenderCopy(g_win.renderer, g_win.texture, nullptr, nullptr);
  SDL_RenderPresent(g_win.renderer);
}

// Vsync may be missing (or the driver may ignore it): sleep away what is left of the frame's time.
void pace() {
  using clock = std::chrono::steady_clock;
  const auto period = std::chrono::microseconds(1000000 / std::max(1, g_hz));
  auto now = clock::now();
  if (g_flipped_before && now - g_last_flip < period) {
    std::this_thread::sleep_for(period - (now - g_last_flip));
    now = clock::now();
  }
  g_last_flip = now;
  g_flipped_before = true;
}

// A picture that covers the whole viewport, drawn solid and untinted from an opaque cell, replaces
// every pixel there: the result depends only on the picture and its placement. The level background
// is drawn like that every frame, so its pixels are kept and copied while nothing about it changes.
struct CoverCache {
  std::weak_ptr<ImageData> img;
  int frame = -1;
  std::array<int64_t, 8> key{};
  raster::Box clip;
  std::vector<uint32_t> pixels;  // the viewport's pixels, row by row
};
CoverCache g_cover;

std::array<int64_t, 8> placement_key(const raster::Placement& p) {
  return {p.ax, p.ay, p.u0, p.dudx, p.dudy, p.v0, p.dvdx, p.dvdy};
}

bool same_box(const raster::Box& a, const raster::Box& b) {
  return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

bool covers(const ImageData& img, const raster::Placement& p, const raster::Box& clip) {
  const int64_t w = int64_t{img.cell_w} << raster::FRAC, h = int64_t{img.cell_h} << raster::FRAC;
  for (int y = clip.y0; y < clip.y1; ++y) {
    int lo, hi;
    raster::span(p, y, 0, w, 0, h, clip.x0, clip.x1, lo, hi);
    if (lo != clip.x0 || hi != clip.x1) return false;
  }
  return true;
}

// Copies between the frame's viewport and the cache; to_frame chooses the direction.
void copy_viewport(const raster::Box& c, bool to_frame) {
  const size_t row = static_cast<size_t>(c.x1 - c.x0);
  if (!to_frame) g_cover.pixels.resize(row * static_cast<size_t>(c.y1 - c.y0));
  for (int y = c.y0; y < c.y1; ++y) {
    uint32_t* screen = g_frame.data() + static_cast<size_t>(y) * SCREEN_W + c.x0;
    uint32_t* kept = g_cover.pixels.data() + static_cast<size_t>(y - c.y0) * row;
    if (to_frame) std::copy_n(kept, row, screen);
    else std::copy_n(screen, row, kept);
  }
}

}  // namespace

namespace platform_detail {

void graphics_reset() {
  if (g_open) close_graphics();
  g_state = DrawState{};
  g_mouse_hidden = false;
  std::fill(g_frame.begin(), g_frame.end(), 0xFF000000u);
  g_cover = CoverCache{};
  images_reset();
}

}  // namespace platform_detail

bool open_graphics(int width, int height, int depth, int hz) {
  (void)width;  // the picture is always SCREEN_W x SCREEN_H logical pixels
  (void)height;
  if (g_open) close_graphics();
  g_hz = hz > 0 ? hz : 60;
  g_flipped_before = false;
  if (platform_mode() == PlatformMode::Real && !create_window(depth)) return false;
  g_open = true;
  return true;
}

void close_graphics() {
  destroy_window();
  g_open = false;
}

int graphics_width() { return SCREEN_W; }
int graphics_height() { return SCREEN_H; }

void set_clear_color(int r, int g, int b) {
  g_state.clear = 0xFF000000u | static_cast<uint32_t>(std::clamp(r, 0, 255)) << 16 |
                  static_cast<uint32_t>(std::clamp(g, 0, 255)) << 8 | static_cast<uint32_t>(std::clamp(b, 0, 255));
}

void clear_screen() { std::fill(g_frame.begin(), g_frame.end(), g_state.clear); }

void flip() {
  if (g_win.window) {
    present();
    pace();
  }
  poll_events();
}

void set_color(int r, int g, int b) {
  g_state.r = std::clamp(r, 0, 255);
  g_state.g = std::clamp(g, 0, 255);
  g_state.b = std::clamp(b, 0, 255);
}

void get_color(int& r, int& g, int& b) {
  r = g_state.r;
  g = g_state.g;
  b = g_state.b;
}

void set_alpha(float a) { g_state.alpha = std::isnan(a) ? 0.0f : std::clamp(a, 0.0f, 1.0f); }
float get_alpha() { return g_state.alpha; }
void set_blend(int mode) { g_state.blend = mode; }
int get_blend() { return g_state.blend; }

void set_scale(float sx, float sy) {
  g_state.sx = sx;
  g_state.sy = sy;
}

void get_scale(float& sx, float& sy) {
  sx = g_state.sx;
  sy = g_state.sy;
}

void set_rotation(float degrees) { g_state.rotation = degrees; }
float get_rotation() { return g_state.rotation; }

void set_origin(float x, float y) {
  g_state.ox = x;
  g_state.oy = y;
}

void get_origin(float& x, float& y) {
  x = g_state.ox;
  y = g_state.oy;
}

void set_viewport(int x, int y, int w, int h) {
  const int64_t x1 = int64_t{x} + std::max(w, 0), y1 = int64_t{y} + std::max(h, 0);
  g_state.viewport = raster::intersect(raster::Box{x, y, static_cast<int>(std::min<int64_t>(x1, SCREEN_W)),
                                                   static_cast<int>(std::min<int64_t>(y1, SCREEN_H))},
                                       raster::Box{0, 0, SCREEN_W, SCREEN_H});
}

void hide_mouse() {
  g_mouse_hidden = true;
  if (g_win.window) SDL_ShowCursor(SDL_DISABLE);
}

void show_mouse() {
  g_mouse_hidden = false;
  if (g_win.window) SDL_ShowCursor(SDL_ENABLE);
}

void draw_image(const Image& img, float x, float y, int frame) {
  if (!img) return;
  const raster::Target t = target();
  const raster::Placement p = place_here(x, y, img->handle_x, img->handle_y);
  const raster::Paint pt = paint();
  const bool replaces = pt.blend == BLEND_SOLID && pt.r >= 255 && pt.g >= 255 && pt.b >= 255 && p.valid &&
                        frame >= 0 && frame < static_cast<int>(img->frames.size()) &&
                        img->frames[static_cast<size_t>(frame)].opaque && !t.clip.empty();
  if (replaces) {
    const auto key = placement_key(p);
    if (g_cover.img.lock() == img && g_cover.frame == frame && g_cover.key == key && same_box(g_cover.clip, t.clip)) {
      copy_viewport(t.clip, true);
      return;
    }
    raster::draw_cell(t, *img, frame, p, pt);
    if (covers(*img, p, t.clip)) {
      g_cover.img = img;
      g_cover.frame = frame;
      g_cover.key = key;
      g_cover.clip = t.clip;
      copy_viewport(t.clip, false);
    }
    return;
  }
  raster::draw_cell(t, *img, frame, p, pt);
}

void draw_rect(float x, float y, float w, float h) {
  raster::draw_rect(target(), place_here(x, y, 0.0f, 0.0f), w, h, paint());
}

void draw_oval(float x, float y, float w, float h) {
  raster::draw_oval(target(), place_here(x, y, 0.0f, 0.0f), w, h, paint());
}

// The first end is the position; the second end is turned and scaled around it like a picture.
void draw_line(float x1, float y1, float x2, float y2) {
  raster::Placement p = place_here(x1, y1, 0.0f, 0.0f);
  if (!p.valid) return;
  const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
  raster::draw_line(target(), p.px, p.py, p.px + p.m00 * dx + p.m01 * dy, p.py + p.m10 * dx + p.m11 * dy, paint());
}

int text_width(const std::string& text) { return 8 * static_cast<int>(text.size()); }
int text_height(const std::string&) { return 16; }

const uint32_t* frame_pixels() { return g_frame.data(); }

bool save_frame_png(const std::string& path) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(g_frame.data(), SCREEN_W, SCREEN_H, 32, SCREEN_W * 4,
                                                      SDL_PIXELFORMAT_ARGB8888);
  if (!s) return false;
  const bool ok = IMG_SavePNG(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}
