// Shared drawing kit of the picture generator: canvases, PNG/JPEG coding, gradients, lettering and shadows.
#include "images_common.h"

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace mediagen::img {

Canvas::Canvas(int w, int h) : w_(w), h_(h) {
  s_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1));
  cr_ = cairo_create(s_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  if (cr_) cairo_destroy(cr_);
  if (s_) cairo_surface_destroy(s_);
}

Canvas::Canvas(Canvas&& o) noexcept : s_(o.s_), cr_(o.cr_), w_(o.w_), h_(o.h_) {
  o.s_ = nullptr;
  o.cr_ = nullptr;
}

Canvas& Canvas::operator=(Canvas&& o) noexcept {
  if (this != &o) {
    if (cr_) cairo_destroy(cr_);
    if (s_) cairo_surface_destroy(s_);
    s_ = o.s_;
    cr_ = o.cr_;
    w_ = o.w_;
    h_ = o.h_;
    o.s_ = nullptr;
    o.cr_ = nullptr;
  }
  return *this;
}

void Canvas::paint(const Canvas& src, double x, double y, double sc, double a) const {
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, sc, sc);
  cairo_set_source_surface(cr_, src.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
  cairo_paint_with_alpha(cr_, a);
  cairo_restore(cr_);
}

void Canvas::paint_centered(const Canvas& src, double cx, double cy, double sc, double deg, double a) const {
  cairo_save(cr_);
  cairo_translate(cr_, cx, cy);
  cairo_rotate(cr_, deg * M_PI / 180.0);
  cairo_scale(cr_, sc, sc);
  cairo_set_source_surface(cr_, src.surface(), -src.w() / 2.0, -src.h() / 2.0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
  cairo_paint_with_alpha(cr_, a);
  cairo_restore(cr_);
}

namespace {

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* v = static_cast<std::vector<uint8_t>*>(closure);
  v->insert(v->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

struct ReadState {
  const std::vector<uint8_t>* bytes;
  size_t pos;
};

cairo_status_t read_bytes(void* closure, unsigned char* data, unsigned int length) {
  auto* st = static_cast<ReadState*>(closure);
  if (st->pos + length > st->bytes->size()) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, st->bytes->data() + st->pos, length);
  st->pos += length;
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<uint8_t> png_bytes(const Canvas& c) {
  // Work on a copy so the caller's canvas stays untouched.
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, c.w(), c.h());
  {
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, c.surface(), 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_flush(copy);
  unsigned char* data = cairo_image_surface_get_data(copy);
  const int stride = cairo_image_surface_get_stride(copy);
  for (int y = 0; y < c.h(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < c.w(); ++x) {
      uint32_t p = row[x];
      const uint32_t a = p >> 24;
      if (a == 0) {
        row[x] = 0;
        continue;
      }
      const uint32_t r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      // Premultiplied: black is r=g=b=0, magenta is r=b=a with g=0. Lift the blue or green by one step.
      if (r == 0 && g == 0 && b == 0) p |= 1;
      else if (g == 0 && r == a && b == a) p |= 1u << 8;
      row[x] = p;
    }
  }
  cairo_surface_mark_dirty(copy);
  std::vector<uint8_t> out;
  cairo_surface_write_to_png_stream(copy, append_bytes, &out);
  cairo_surface_destroy(copy);
  return out;
}

std::vector<uint8_t> jpg_bytes(const Canvas& c, int quality) {
  cairo_surface_flush(c.surface());
  const unsigned char* data = cairo_image_surface_get_data(c.surface());
  const int stride = cairo_image_surface_get_stride(c.surface());
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buf = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buf, &size);
  cinfo.image_width = static_cast<JDIMENSION>(c.w());
  cinfo.image_height = static_cast<JDIMENSION>(c.h());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(c.w()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const auto* src = reinterpret_cast<const uint32_t*>(data + cinfo.next_scanline * stride);
    for (int x = 0; x < c.w(); ++x) {
      // Premultiplied over black is just the stored channels.
      row[x * 3 + 0] = static_cast<unsigned char>((src[x] >> 16) & 255);
      row[x * 3 + 1] = static_cast<unsigned char>((src[x] >> 8) & 255);
      row[x * 3 + 2] = static_cast<unsigned char>(src[x] & 255);
    }
    JSAMPROW rp = row.data();
    jpeg_write_scanlines(&cinfo, &rp, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> out(buf, buf + size);
  std::free(buf);
  return out;
}

Canvas decode_png(const std::vector<uint8_t>& bytes) {
  ReadState st{&bytes, 0};
  cairo_surface_t* s = cairo_image_surface_create_from_png_stream(read_bytes, &st);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return Canvas(0, 0);
  }
  Canvas c(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
  cairo_set_source_surface(c.cr(), s, 0, 0);
  cairo_paint(c.cr());
  cairo_surface_destroy(s);
  return c;
}

Canvas decode_jpg(const std::vector<uint8_t>& bytes) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  // Only our own freshly encoded bytes come here, so libjpeg's default (fatal) error handling is fine.
  jpeg_create_decompress(&cinfo);
  {
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    Canvas c(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    cairo_surface_flush(c.surface());
    unsigned char* data = cairo_image_surface_get_data(c.surface());
    const int stride = cairo_image_surface_get_stride(c.surface());
    std::vector<unsigned char> row(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
      const int y = static_cast<int>(cinfo.output_scanline);
      JSAMPROW rp = row.data();
      jpeg_read_scanlines(&cinfo, &rp, 1);
      auto* dst = reinterpret_cast<uint32_t*>(data + y * stride);
      for (unsigned x = 0; x < cinfo.output_width; ++x)
        dst[x] = 0xff000000u | (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
    }
    cairo_surface_mark_dirty(c.surface());
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return c;
  }
}

void save_png(Output& out, const std::string& rel, const Canvas& c) {
  if (!out.write(rel, png_bytes(c))) std::fprintf(stderr, "mediagen: could not write %s\n", rel.c_str());
}

void save_jpg(Output& out, const std::string& rel, const Canvas& c, int quality) {
  if (!out.write(rel, jpg_bytes(c, quality))) std::fprintf(stderr, "mediagen: could not write %s\n", rel.c_str());
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb shade(Rgb c, double f) {
  if (f <= 1.0) return {c.r * f, c.g * f, c.b * f};
  return mix(c, pal::white, std::min(f - 1.0, 1.0));
}

void set(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void poly(cairo_t* cr, std::initializer_list<double> xy) {
  auto it = xy.begin();
  bool first = true;
  while (it != xy.end()) {
    const double x = *it++;
    if (it == xy.end()) break;
    const double y = *it++;
    if (first) {
      cairo_new_sub_path(cr);
      cairo_move_to(cr, x, y);
      first = false;
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
}

namespace {
void add_stops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) cairo_pattern_add_color_stop_rgba(p, s.at, s.c.r, s.c.g, s.c.b, s.a);
}
}  // namespace

void fill_linear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  add_stops(p, stops);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void fill_radial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Stop> stops, double fx,
                 double fy) {
  if (fx < -1e8) fx = cx;
  if (fy < -1e8) fy = cy;
  cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, 0, cx, cy, r);
  add_stops(p, stops);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void outline(cairo_t* cr, double width, Rgb c, double a) {
  set(cr, c, a);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void fill_body(cairo_t* cr, Rgb base, double y0, double y1) {
  fill_linear(cr, 0, y0, 0, y1,
              {{0.0, shade(base, 1.45)}, {0.35, shade(base, 1.08)}, {0.7, base}, {1.0, shade(base, 0.62)}});
}

namespace {
void select_font(cairo_t* cr, double size) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
}
}  // namespace

double text_ink_width(cairo_t* cr, const std::string& s, double size) {
  select_font(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  return e.width;
}

double text_path(cairo_t* cr, const std::string& s, double size, double cx, double cy, bool centred) {
  select_font(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  if (centred)
    cairo_move_to(cr, cx - e.x_bearing - e.width / 2, cy - e.y_bearing - e.height / 2);
  else
    cairo_move_to(cr, cx, cy);
  cairo_text_path(cr, s.c_str());
  return e.width;
}

void caption(const Canvas& c, const std::string& s, double size, double cx, double cy, Rgb top, Rgb bottom,
             double outline_w, double shadow) {
  cairo_t* cr = c.cr();
  if (shadow > 0)
    soft_shadow(
        c, [&](cairo_t* k) { text_path(k, s, size, cx, cy); cairo_set_line_width(k, outline_w); cairo_fill_preserve(k); cairo_stroke(k); },
        size * 0.04, size * 0.06, std::max(1, static_cast<int>(size * 0.05)), hex(0x000000), shadow);
  cairo_new_path(cr);
  text_path(cr, s, size, cx, cy);
  outline(cr, outline_w * 2);
  text_path(cr, s, size, cx, cy);
  fill_linear(cr, 0, cy - size * 0.4, 0, cy + size * 0.4, {{0, top}, {1, bottom}});
  cairo_new_path(cr);
}

void blur(Canvas& c, int radius) {
  if (radius <= 0) return;
  cairo_surface_flush(c.surface());
  unsigned char* data = cairo_image_surface_get_data(c.surface());
  const int stride = cairo_image_surface_get_stride(c.surface());
  const int w = c.w(), h = c.h();
  std::vector<uint8_t> line(static_cast<size_t>(std::max(w, h)) * 4);
  const int span = 2 * radius + 1;
  // One running-sum box pass along `n` pixels starting at p, `step` bytes apart.
  auto pass = [&](unsigned char* p, int n, int step) {
    for (int i = 0; i < n; ++i) std::memcpy(&line[i * 4], p + i * step, 4);
    int s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (int i = 0; i < radius && i < n; ++i) {
      s0 += line[i * 4];
      s1 += line[i * 4 + 1];
      s2 += line[i * 4 + 2];
      s3 += line[i * 4 + 3];
    }
    for (int i = 0; i < n; ++i) {
      const int in = i + radius, out = i - radius - 1;
      if (in < n) {
        s0 += line[in * 4];
        s1 += line[in * 4 + 1];
        s2 += line[in * 4 + 2];
        s3 += line[in * 4 + 3];
      }
      if (out >= 0) {
        s0 -= line[out * 4];
        s1 -= line[out * 4 + 1];
        s2 -= line[out * 4 + 2];
        s3 -= line[out * 4 + 3];
      }
      unsigned char* q = p + i * step;
      q[0] = static_cast<unsigned char>(s0 / span);
      q[1] = static_cast<unsigned char>(s1 / span);
      q[2] = static_cast<unsigned char>(s2 / span);
      q[3] = static_cast<unsigned char>(s3 / span);
    }
  };
  for (int k = 0; k < 3; ++k) {
    for (int y = 0; y < h; ++y) pass(data + y * stride, w, 4);
    for (int x = 0; x < w; ++x) pass(data + x * 4, h, stride);
  }
  cairo_surface_mark_dirty(c.surface());
}

namespace {
void tinted_layer(const Canvas& c, const std::function<void(cairo_t*)>& shape, double dx, double dy, int radius,
                  Rgb tint, double alpha, cairo_operator_t op) {
  // Record the shape first so the blurred layer only covers its ink box (blurring whole pictures is slow).
  cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  {
    cairo_t* rc = cairo_create(rec);
    cairo_set_line_join(rc, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(rc, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(rc, 1, 1, 1);
    shape(rc);
    cairo_destroy(rc);
  }
  double ex, ey, ew, eh;
  cairo_recording_surface_ink_extents(rec, &ex, &ey, &ew, &eh);
  const int margin = radius * 3 + 2;
  const int x0 = static_cast<int>(std::floor(ex)) - margin, y0 = static_cast<int>(std::floor(ey)) - margin;
  const int lw = static_cast<int>(std::ceil(ew)) + 2 * margin + 1, lh = static_cast<int>(std::ceil(eh)) + 2 * margin + 1;
  if (ew > 0 && eh > 0) {
    Canvas layer(lw, lh);
    cairo_set_source_surface(layer.cr(), rec, -x0, -y0);
    cairo_paint(layer.cr());
    blur(layer, radius);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_set_operator(cr, op);
    set(cr, tint, alpha);
    cairo_mask_surface(cr, layer.surface(), x0 + dx, y0 + dy);
    cairo_restore(cr);
  }
  cairo_surface_destroy(rec);
}
}  // namespace

void soft_shadow(const Canvas& c, const std::function<void(cairo_t*)>& shape, double dx, double dy, int radius,
                 Rgb tint, double alpha) {
  tinted_layer(c, shape, dx, dy, radius, tint, alpha, CAIRO_OPERATOR_OVER);
}

void glow(const Canvas& c, const std::function<void(cairo_t*)>& shape, int radius, Rgb tint, double alpha) {
  tinted_layer(c, shape, 0, 0, radius, tint, alpha, CAIRO_OPERATOR_ADD);
}

}  // namespace mediagen::img
