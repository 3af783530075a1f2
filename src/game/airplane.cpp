// Airplanes: presets and their shared images, firing and launching, damage and crashing, death, flight and drawing.
#include "airplane.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "config.h"
#include "ki.h"
#include "parser.h"
#include "player.h"
#include "shell.h"
#include "sound_text.h"
#include "world_lists.h"

std::vector<Image> Airplane::images;
std::vector<ImageName> Airplane::image_names;
std::vector<std::shared_ptr<Airplane>> Airplane::presets;

namespace {

// Longest weapon list a preset may declare: a typing slip in "BOMB_TYPS" must not eat the memory.
constexpr int MAX_WEAPONS = 256;

}  // namespace

Airplane::Airplane() = default;
Airplane::~Airplane() = default;

int shared_image_index(std::vector<Image>& images, std::vector<ImageName>& names, const std::string& folder,
                       const std::string& file) {
  for (const auto& n : names)
    if (n.name == file) return n.index;
  const int index = static_cast<int>(images.size());
  const std::string path = folder + file;
  // Only regular files are read: an empty name would otherwise name the folder itself.
  const bool readable = file_type(path) == 1;
  images.push_back(readable ? load_image(path, IMAGE_DEFAULT) : Image());
  if (readable) CRC_addfile(path);
  if (!images.back()) notify(path + " does not exist");
  names.push_back({file, index});
  return index;
}

Image Airplane::image() const {
  return imageIndex >= 0 && imageIndex < static_cast<int>(images.size()) ? images[imageIndex] : Image();
}

void Airplane::load_presets(const std::string& filename) {
  images.clear();
  image_names.clear();
  presets.clear();
  set_mask_color(255, 0, 255);
  ParserPtr parser = Parser::create("data/" + filename, 0, ":", "//");
  if (!parser) return;
  const std::vector<std::string> sections = parser->areas;
  const int count = static_cast<int>(sections.size());
  int co = 0;
  for (const auto& a : sections) {
    ++co;
    World::draw_loadscreen(0.1f + static_cast<float>(co) / count * 0.4f,
                           "LOADING AIRPLANES " + std::to_string(co) + "/" + std::to_string(count));
    parser->set_content(a, 0);
    const Parser& P = *parser;
    auto pr = std::make_shared<Airplane>();
    pr->imageIndex = shared_image_index(images, image_names, "gfx/AIRPLANES/", P.get("IMAGE", ""));
    pr->ki_name = P.get("KI", "");
    pr->ki_param_a = P.getint("KI_PARAM_A", 0);
    pr->ki_param_b = P.getint("KI_PARAM_B", 0);
    pr->ki_param_c = P.getint("KI_PARAM_C", 0);
    pr->set_ki();
    const int n = std::clamp(P.getint("BOMB_TYPS", 0), 0, MAX_WEAPONS);
    pr->bomb_typ.resize(n);
    for (int b = 0; b < n; ++b) pr->bomb_typ[b] = P.get("BOMB_TYP_" + std::to_string(b), "");
    pr->draw_style = P.getint("DRAWSTYLE", 0);
    pr->name = a;
    pr->scale_x = P.getfloat("SCALE_X", 0);
    pr->scale_y = P.getfloat("SCALE_y", 0);
    pr->hp = P.getint("HP", 0);
    pr->speed = P.getfloat("SPEED", 0);
    pr->rotation_speed = static_cast<float>(P.getint("ROTATION_SPEED", 0));
    pr->stealth_time = P.getint("IS_STEALTHED", 0);
    pr->explosion_typ = P.getint("EXPLOSION_TYP", 0);
    pr->explosion_power = P.getint("EXPLOSION_POWER", 0);
    pr->explosion_range = P.getfloat("EXPLOSION_RANGE", 0);
    pr->explosion_lifetime = P.getint("EXPLOSION_LIFETIME", 0);
    pr->is_carrier = P.getint("CARRIER", 0);
    pr->is_bloody = P.getint("IS_BLOODY", 0);
    pr->last_scream = load_sound(P.get("LAST_SCREAM", ""), 0);
    pr->scream = load_sound(P.get("SCREAM", ""), 0);
    if (pr->is_bloody > 2) pr->is_bloody = 0;
    const Image img = pr->image();
    const float w = static_cast<float>(::image_width(img)), h = static_cast<float>(::image_height(img));
    pr->size = 4 * (w * pr->scale_x / 200) * (h * pr->scale_y / 124);
    if (HC_MODE == 1 && INTERNET == 0) {
      pr->speed *= 2;
      pr->rotation_speed *= 2;
    }
    pr->image_width = trunc_int(w * pr->scale_x);
    pr->image_height = trunc_int(h * pr->scale_y);
    presets.push_back(pr);
  }
}

std::shared_ptr<Airplane> Airplane::create(const std::string& name, int x, int y, int rotation) {
  auto a = std::make_shared<Airplane>();
  a->name = name;
  a->x = static_cast<float>(x);
  a->y = static_cast<float>(y);
  a->rotation = static_cast<float>(rotation);
  a->schwabbel_start = millisecs();
  a->schwabbel_T = 200;
  a->setTypProps();
  return a;
}

void Airplane::setTypProps() {
  const Airplane* pr = find_preset(presets, name);
  if (!pr) {
    notify("Airplane not found: " + name);
    return;
  }
  hp = pr->hp;
  tp = hp;
  speed = pr->speed;
  scale_x = pr->scale_x;
  scale_y = pr->scale_y;
  rotation_speed = pr->rotation_speed;
  imageIndex = pr->imageIndex;
  max_speed = speed;
  ki_name = pr->ki_name;
  ki_param_a = pr->ki_param_a;
  ki_param_b = pr->ki_param_b;
  ki_param_c = pr->ki_param_c;
  set_ki();
  draw_style = pr->draw_style;
  bomb_typ = pr->bomb_typ;
  stealth_time = pr->stealth_time;
  explosion_power = pr->explosion_power;
  explosion_typ = pr->explosion_typ;
  explosion_lifetime = pr->explosion_lifetime;
  explosion_range = pr->explosion_range;
  is_carrier = pr->is_carrier;
  is_bloody = pr->is_bloody;
  size = pr->size;
  last_scream = pr->last_scream;
  scream = pr->scream;
  image_width = pr->image_width;
  image_height = pr->image_height;
}

void Airplane::set_ki() {
  std::string upper = ki_name;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  ki = make_ki(upper, ki_param_a, ki_param_b, ki_param_c);
  if (!ki) {
    notify("Ki not found: " + ki_name + "BOMBERSIMPLE KI is used");
    ki = KIBomberSimple::create(ki_param_a, ki_param_b, ki_param_c);
  }
}

bool Airplane::shoot(int index, int rot, const std::shared_ptr<Entity>& target) {
  if (index < 0 || index >= static_cast<int>(bomb_typ.size())) return false;
  const std::string& w = bomb_typ[index];
  const int ex = trunc_int(x), ey = trunc_int(y);
  auto self = std::static_pointer_cast<Airplane>(weak_from_this().lock());
  if (isFriend == 0) {
    if (is_carrier == 0) World::createEnemyBomb(w, ex, ey, rot, target);
    else World::createAirplane(w, ex, ey, 90, 1)->father = self;
  } else {
    if (is_carrier == 0) World::createPlayerBomb(w, ex, ey, rot, target);
    else World::createHelper(w, ex, ey, 90)->father = self;
  }
  return true;
}

bool Airplane::shoot2(int index, int sx, int sy, int rot, const std::shared_ptr<Entity>& target) {
  if (index < 0 || index >= static_cast<int>(bomb_typ.size())) return false;
  const std::string& w = bomb_typ[index];
  if (isFriend == 0) World::createEnemyBomb(w, sx, sy, rot, target);
  else World::createPlayerBomb(w, sx, sy, rot, target);
  return true;
}

void Airplane::hit(int count) {
  auto keep = weak_from_this().lock();  // dying may drop the lists' last reference
  hp = trunc_int(static_cast<double>(hp) - count);  // saturating: damage from a level file may be absurd
  if (hp <= 0) die(1);
  const float P = p ? p->rocket_power * CRASHING_ROCKETS : 0.0f;
  if (hp < (tp >> 3) && hp <= P) {
    if (is_crashing <= 0.1f && rand_int(0, 4) == 4) is_crashing = 0.2f;
  } else if (hp <= (tp >> 1) && hp <= P) {
    if (is_crashing <= 0.1f && rand_int(0, 100) == 100) is_crashing = 0.2f;
  }
  if (scream) PlaySound2(scream, 0.5f, 0, 0);
}

void Airplane::die(int explo) {
  if (dead_) return;  // an airplane is destroyed, scored and exploded once
  dead_ = true;
  auto keep = weak_from_this().lock();
  const int silent = last_scream ? 1 : 0;
  const int rumble = RUMBLE != 0 ? 1 : 0;
  const int ix = trunc_int(x), iy = trunc_int(y);
  if (explo != 0) {
    switch (explosion_typ) {
      case 1: World::createExplosion(0, ix, iy, explosion_lifetime, explosion_range, explosion_power, silent, rumble); break;
      case 2: World::createCloud(0, ix, iy, explosion_lifetime, explosion_range, explosion_power, silent); break;
      case 3: World::createExplosion(1, ix, iy, explosion_lifetime, explosion_range, explosion_power, silent, rumble); break;
      case 4: World::createCloud(1, ix, iy, explosion_lifetime, explosion_range, explosion_power, silent); break;
      default: break;
    }
  }
  // More debris than the particle budget holds would only replace itself.
  const int count = std::min(trunc_int(PARTICLES_AIRPLANEDIE * size), std::max(MAX_PARTICLES, 0));
  const float psize = is_bloody != 0 ? 1.5f : 0.3f;
  if (is_bloody > -1) {
    for (int i = 0; i <= count; ++i) {
      const int bx = trunc_int(x + rand_float(-10, 10));
      const int heading = rand_int(-60, 300);
      const float spd = rand_float(5, 8);
      World::createBlood(bx, iy, heading, spd, psize, 1 - is_bloody, 100);
    }
  }
  if (is_carrier != 0) {
    // The list skips airplanes removed during the pass, so a child already gone in the cascade is not hit twice.
    for (auto child : AIRPLANELIST)
      if (child->father.get() == this) child->die(1);
  }
  if (last_scream) PlaySound2(last_scream, 0.5f, 0, 0);
  World::deleteAirplane(this);
}

float Airplane::stealth_value() const {
  const uint32_t s = static_cast<uint32_t>(millisecs()) >> (static_cast<unsigned>(stealth_time) % 32u);
  return static_cast<float>(deg_sin(static_cast<double>(s)));
}

void Airplane::update() {
  auto keep = weak_from_this().lock();
  Entity::update();
  if (ki) ki->update(*this);
  if (stealth_time > 0) is_stealthed = stealth_value() < 0.5f ? 1.0f : 0.0f;
  if (y > GROUND_Y) die(1);
  if (is_crashing > 0 && isFriend == 0) {
    y += is_crashing * TIME * 0.1f;
    stealth_time = 0;
  }
  draw();
}

void Airplane::draw() {
  set_blend(BLEND_ALPHA);
  set_color(255, 255, 255);
  set_alpha(1);
  if (rotation < 0) {
    rotation = std::fmod(rotation, 360.0f);
    if (rotation < 0) rotation += 360;
  }
  rotation = std::fmod(rotation, 360.0f);
  if (!std::isfinite(rotation)) rotation = 0;  // a heading lost to bad data points right again
  const bool left = rotation >= 90 && rotation < 270;
  switch (draw_style) {
    case 0:
      draw_rotation = left ? 180 : 0;
      draw_scale_x = scale_x;
      draw_scale_y = left ? -scale_y : scale_y;
      break;
    case 1:
      draw_rotation = trunc_int(rotation);
      draw_scale_x = scale_x;
      draw_scale_y = left ? -scale_y : scale_y;
      break;
    case 2:
      draw_rotation = left ? 150 : 20;
      draw_scale_x = scale_x;
      draw_scale_y = left ? -scale_y : scale_y;
      break;
    default: break;
  }
  float stealth = 1;
  if (stealth_time > 0) {
    stealth = stealth_value();
    set_blend(BLEND_ALPHA);
    set_alpha(stealth);
  }
  set_rotation(static_cast<float>(draw_rotation));
  schwabbel_time = static_cast<float>(millisecs() - schwabbel_start);
  float abweichung = schwabbel_T > 0 ? (1 - schwabbel_time / schwabbel_T) * 0.5f : 0.0f;
  if (abweichung < 0) abweichung = 0;
  const float f = static_cast<float>(1 - deg_sin(schwabbel_time) * abweichung);
  set_scale(draw_scale_x * f, draw_scale_y * f);
  draw_image(image(), x, y, 0);
  if (stealth <= 0.2f) return;

  // A type without hit points has no bar to show.
  if (SHOW_HP != 0 && tp > 0 &&
      (SHOW_HP == 2 || (std::fabs(mouse_x() - x) < 200 && std::fabs(mouse_y() - y) < 200))) {
    set_blend(BLEND_ALPHA);
    set_alpha(0.4f);
    set_scale(1, 1);
    set_rotation(0);
    if (hp < (tp >> 1)) set_color(255, 0, 0);
    else set_color(COLOR_HPBAR_RED, COLOR_HPBAR_GREEN, COLOR_HPBAR_BLUE);
    const int width = trunc_int(static_cast<double>(hp) / tp * image_width);
    int top = trunc_int(y - image_height / 2);
    if (top < 0) top = trunc_int(y + image_height / 2);
    draw_rect(x - image_width / 2, static_cast<float>(top), static_cast<float>(width), 5);
  }

  int kind = 2;
  float psize = size * 0.6f;
  if (is_bloody != 0) {
    kind = 1 - is_bloody;
    psize *= 1.5f;
  }
  if (isFriend != 0) is_crashing = 0;
  if (is_crashing >= 0.1f) {
    is_crashing += TIME;
    if (rand_int(0, 3) == 3) {
      const int fx = trunc_int(x + rand_int(trunc_int(-image_width * 0.5), trunc_int(image_width * 0.3)));
      const int fy = trunc_int(y + rand_int(0, trunc_int(image_height * 0.3)));
      World::createExplosion(0, fx, fy, 10, 1.0f, 0, 0, 1);
    }
  }
  const int R = PARTICLERAND_RAUCH;
  const float P = p ? p->rocket_power * CRASHING_ROCKETS : 0.0f;
  bool damaged = true;
  int jitter = 0, chance = 0;
  if (hp < (tp >> 3) && hp <= P) {
    jitter = 20;
    chance = R / 10;
  } else if (hp < (tp >> 2)) {
    jitter = 10;
    chance = R / 2;
  } else if (hp < (tp >> 1)) {
    jitter = 5;
    chance = R;
  } else {
    damaged = false;
  }
  if (damaged) {
    rotation += rand_int(-jitter, jitter);
    if (is_bloody > -1 && rand_int(0, chance) == chance) {
      const int sx = trunc_int(x + rand_int(-10, 10));
      const int sy = trunc_int(y + rand_int(-10, 10));
      const int spd = rand_int(2, 4);
      World::createBlood(sx, sy, trunc_int(rotation + 180), static_cast<float>(spd), psize, kind, 100);
    }
  }
}
