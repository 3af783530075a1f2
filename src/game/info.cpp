// Floating infos: made with an optional one-off sound, counted down per frame, drawn with a linear fade.
#include "info.h"

#include <map>

#include "entity.h"
#include "shell.h"
#include "sound_text.h"
#include "world_lists.h"

namespace {

// Infos name their sound by file; each file is read once, not at every message.
Sound info_sound(const std::string& file) {
  static std::map<std::string, Sound> loaded;
  auto it = loaded.find(file);
  if (it == loaded.end()) it = loaded.emplace(file, load_sound("sfx/" + file, 0)).first;
  return it->second;
}

}  // namespace

std::shared_ptr<Info> Info::finish(std::shared_ptr<Info> i, int x, int y, int lifetime, const std::string& sound_file,
                                   int rotation, float scale_x, float scale_y, int color_r, int color_g, int color_b) {
  i->x = x;
  i->y = y;
  i->scale_x = scale_x;
  i->scale_y = scale_y;
  i->rotation = rotation;
  i->color_r = color_r;
  i->color_g = color_g;
  i->color_b = color_b;
  i->lifetime = i->total_lifetime = lifetime;
  if (!sound_file.empty()) PlaySound2(info_sound(sound_file), 1.0f, 0, 0);
  INFOLIST.add_last(i);
  return i;
}

std::shared_ptr<Info> Info::createText(const std::string& content, int x, int y, int lifetime, int,
                                       const std::string& sound_file, int rotation, float scale_x, float scale_y,
                                       int color_r, int color_g, int color_b) {
  auto i = std::make_shared<Info>();
  i->content = content;
  return finish(i, x, y, lifetime, sound_file, rotation, scale_x, scale_y, color_r, color_g, color_b);
}

std::shared_ptr<Info> Info::CreateImageSrc(const Image& image, int x, int y, int lifetime, int,
                                           const std::string& sound_file, int rotation, float scale_x, float scale_y,
                                           int color_r, int color_g, int color_b) {
  if (!image) return nullptr;
  auto i = std::make_shared<Info>();
  i->image = image;
  return finish(i, x, y, lifetime, sound_file, rotation, scale_x, scale_y, color_r, color_g, color_b);
}

std::shared_ptr<Info> Info::CreateImage(const std::string& image, int x, int y, int lifetime, int,
                                        const std::string& sound_file, int rotation, float scale_x, float scale_y,
                                        int color_r, int color_g, int color_b) {
  Image img = load_image("gfx/" + image, IMAGE_DEFAULT);
  if (!img) return nullptr;
  mid_handle_image(img);
  auto i = std::make_shared<Info>();
  i->image = img;
  return finish(i, x, y, lifetime, sound_file, rotation, scale_x, scale_y, color_r, color_g, color_b);
}

int Info::update() {
  // Gone once the time left is below zero, also by less than a whole unit: a lifetime of 0 would
  // otherwise be truncated back to 0 in every frame shorter than one unit and never end.
  const double left = lifetime - static_cast<double>(TIME);
  lifetime = trunc_int(left);
  if (left < 0) INFOLIST.remove(this);
  else draw();
  return 0;
}

void Info::draw() {
  if (total_lifetime == 0) return;  // born finished: there is no fade to draw it at
  set_rotation(static_cast<float>(rotation));
  set_blend(BLEND_ALPHA);
  set_color(color_r, color_g, color_b);
  set_scale(scale_x, scale_y);
  set_alpha(static_cast<float>(lifetime) / static_cast<float>(total_lifetime));
  if (!content.empty()) {
    const int dx = trunc_int(x - TextWidth2(content) * scale_x / 2);
    const int dy = trunc_int(y - TextHeight2(content) * scale_y / 2);
    DrawText2(content, dx, dy);
  } else {
    draw_image(image, static_cast<float>(x), static_cast<float>(y), 0);
  }
}
