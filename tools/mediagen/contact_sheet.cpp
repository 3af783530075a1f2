// Overview picture of every generated image with its file name, for judging the art in one look.
#include <algorithm>
#include <cmath>

#include "images_common.h"

namespace mediagen {

bool write_contact_sheet(const Output& out, const std::string& path) {
  using namespace img;
  constexpr int kCols = 8, kCellW = 200, kCellH = 180, kThumbW = 184, kThumbH = 140;
  const int n = static_cast<int>(out.images().size());
  const int rows = std::max(1, (n + kCols - 1) / kCols);
  Canvas sheet(kCols * kCellW, rows * kCellH);
  cairo_t* cr = sheet.cr();
  cairo_rectangle(cr, 0, 0, sheet.w(), sheet.h());
  set(cr, hex(0x2a2d36));
  cairo_fill(cr);
  for (int i = 0; i < n; ++i) {
    const auto& e = out.images()[i];
    const bool jpeg = e.rel.size() > 4 && e.rel.compare(e.rel.size() - 4, 4, ".jpg") == 0;
    Canvas pic = jpeg ? decode_jpg(e.bytes) : decode_png(e.bytes);
    const double x0 = (i % kCols) * kCellW + (kCellW - kThumbW) / 2.0, y0 = (i / kCols) * kCellH + 6;
    // Checkerboard behind the picture so transparency shows.
    for (int cy = 0; cy < kThumbH; cy += 10)
      for (int cx = 0; cx < kThumbW; cx += 10) {
        cairo_rectangle(cr, x0 + cx, y0 + cy, 10, 10);
        set(cr, ((cx + cy) / 10) % 2 ? hex(0x9a9a9a) : hex(0xd0d0d0));
        cairo_fill(cr);
      }
    if (pic.w() > 0 && pic.h() > 0) {
      const double sc = std::min({double(kThumbW) / pic.w(), double(kThumbH) / pic.h(), 2.0});
      sheet.paint(pic, x0 + (kThumbW - pic.w() * sc) / 2, y0 + (kThumbH - pic.h() * sc) / 2, sc);
    }
    std::string name = e.rel.rfind("gfx/", 0) == 0 ? e.rel.substr(4) : e.rel;
    if (pic.w() > 0) name += " " + std::to_string(pic.w()) + "x" + std::to_string(pic.h());
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    double size = 11;
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te;
    cairo_text_extents(cr, name.c_str(), &te);
    if (te.x_advance > kCellW - 4) {
      size *= (kCellW - 4) / te.x_advance;
      cairo_set_font_size(cr, size);
      cairo_text_extents(cr, name.c_str(), &te);
    }
    cairo_move_to(cr, (i % kCols) * kCellW + (kCellW - te.x_advance) / 2, y0 + kThumbH + 18);
    set(cr, hex(0xf0f0f0));
    cairo_show_text(cr, name.c_str());
  }
  const auto bytes = png_bytes(sheet);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace mediagen
