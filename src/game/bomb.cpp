// Bombs and rockets: presets, homing, ground and screen tests, trails, halo, damage, death and clusters.
#include "bomb.h"

#include <algorithm>
#include <cmath>

#include "config.h"
#include "effects.h"
#include "parser.h"
#include "player.h"
#include "shared_media.h"
#include "shell.h"
#include "world_lists.h"

std::vector<Image> Bomb::images;
std::vector<ImageName> Bomb::image_names;
std::vector<std::shared_ptr<Bomb>> Bomb::presets;

namespace {

// Most bombs one death may release: a slip in "EXPLOSION_BOMBCOUNT" must not freeze the game.
constexpr int MAX_CLUSTER = 100;

}  // namespace

Image Bomb::image() const {
  return imageIndex >= 0 && imageIndex < static_cast<int>(images.size()) ? images[imageIndex] : Image();
}

void Bomb::load_presets(const std::string& filename) {
  presets.clear();
  image_names.clear();
  images.clear();
  ParserPtr parser = Parser::create("data/" + filename, 0, ":", "//");
  set_mask_color(255, 0, 255);
  if (!parser) return;
  const std::vector<std::string> sections = parser->areas;
  const int count = static_cast<int>(sections.size());
  int co = 0;
  for (const auto& a : sections) {
    ++co;
    World::draw_loadscreen(0.5f + static_cast<float>(co) / count * 0.4f,
                           "LOADING BOMBS " + std::to_string(co) + "/" + std::to_string(count));
    parser->set_content(a, 0);
    const Parser& P = *parser;
    auto pr = std::make_shared<Bomb>();
    pr->imageIndex = shared_image_index(images, image_names, "gfx/BOMBS/", P.get("IMAGE", ""));
    pr->name = a;
    pr->scale_x = P.getfloat("SCALE_X", 0);
    pr->scale_y = P.getfloat("SCALE_y", 0);
    pr->hp = P.getint("HP", 0);
    pr->tp = P.getint("TP", 0);
    pr->speed = P.getfloat("SPEED", 0);
    if (HC_MODE == 1 && STORY != 0) pr->speed *= 2;
    pr->explosion_typ = P.getint("EXPLOSION_TYP", 0);
    pr->explosion_power = P.getint("EXPLOSION_POWER", 0);
    pr->explosion_range = P.getfloat("EXPLOSION_RANGE", 0);
    pr->explosion_lifetime = P.getint("EXPLOSION_LIFETIME", 0);
    pr->rotation_speed = static_cast<float>(P.getint("ROTATION_SPEED", 360));
    pr->check_for_OutOfScreen = P.getint("CHECK_FOR_OUTOFSCREEN", 1);
    pr->draw_schweif = P.getfloat("DRAW_SCHWEIF", 0);
    pr->check_for_Ground = 1;
    pr->explosion_bomb = P.get("EXPLOSION_BOMB", "");
    pr->explosion_bombcount = P.getint("EXPLOSION_BOMBCOUNT", 0);
    const Image img = pr->image();
    pr->size = (::image_width(img) * pr->scale_x / 200) * (::image_height(img) * pr->scale_y / 124);
    pr->is_bloody = P.getint("IS_BLOODY", 0);
    pr->image_width = trunc_int(::image_width(img) * pr->scale_x);
    pr->image_height = trunc_int(::image_height(img) * pr->scale_y);
    pr->is_feeder = P.getfloat("IS_FEEDER", -1);
    presets.push_back(pr);
  }
}

std::shared_ptr<Bomb> Bomb::create(const std::string& name, int x, int y, int rot,
                                   const std::shared_ptr<Entity>& target) {
  auto b = std::make_shared<Bomb>();
  b->name = name;
  b->x = static_cast<float>(x);
  b->y = static_cast<float>(y);
  b->rotation = static_cast<float>(rot);
  b->rotation_speed = 360;
  b->schwabbel_start = millisecs();
  b->schwabbel_T = 2000;
  b->setTypProps();
  if (target) b->add_waypoint(300, 300, b->speed, target);
  return b;
}

void Bomb::setTypProps() {
  explosion_lifetime = 20;
  const Bomb* pr = find_preset(presets, name);
  if (!pr) {
    notify("Bomb not found: " + name);
    return;
  }
  hp = pr->hp;
  start_hp = hp;
  tp = pr->tp;
  speed = pr->speed;
  explosion_range = pr->explosion_range;
  scale_x = pr->scale_x;
  scale_y = pr->scale_y;
  rotation_speed = pr->rotation_speed;
  imageIndex = pr->imageIndex;
  check_for_Ground = pr->check_for_Ground;
  check_for_OutOfScreen = pr->check_for_OutOfScreen;
  explosion_power = pr->explosion_power;
  explosion_typ = pr->explosion_typ;
  explosion_lifetime = pr->explosion_lifetime;
  max_speed = speed;
  draw_schweif = pr->draw_schweif;
  explosion_bomb = pr->explosion_bomb;
  explosion_bombcount = pr->explosion_bombcount;
  size = pr->size;
  is_bloody = pr->is_bloody;
  image_width = pr->image_width;
  image_height = pr->image_height;
  is_feeder = pr->is_feeder;
}

int Bomb::hitGround() const {
  return y >= GROUND_Y && (image_width >> 1) <= x && x <= graphics_width() - (image_width >> 1) ? 1 : 0;
}

void Bomb::outofScreen() {
  // In float: a preset scaled absurdly large saturates its size, which must not overflow here.
  const float iw = static_cast<float>(image_width), ih = static_cast<float>(image_height);
  if (x < -iw || x > graphics_width() + iw || y < -ih || y > graphics_height() + ih) die(0);
}

void Bomb::update() {
  auto keep = weak_from_this().lock();  // dying may drop the lists' last reference
  Entity::update();
  if (check_for_Ground != 0 && hitGround() == 1) {
    die(1);
    return;
  }
  if (check_for_OutOfScreen != 0) outofScreen();
  if (is_super != 0 && rand_int(1, 10) == 10) {
    const int sx = trunc_int(x + rand_int(-10, 10));
    const int sy = trunc_int(y + rand_int(-10, 10));
    const float sz = rand_float(0.1f, 0.6f);
    World::createBlood(sx, sy, trunc_int(rotation + 180), 0, sz, 3, 90);
  }
  draw();
}

void Bomb::draw() {
  set_rotation(rotation);
  if (draw_schweif > 0 && millisecs() - last_rauch > PARTICLETIME_ROCKETSCHWEIF) {
    const int mx = trunc_int(x - deg_cos(rotation) * speed * TIME * 3);
    const int my = trunc_int(y - deg_sin(rotation) * speed * TIME * 3);
    World::createBlood(mx, my, trunc_int(rotation + 180), 0.2f, 0.2f * draw_schweif, is_super != 0 ? 6 : 5, 100);
    last_rauch = millisecs();
  }
  set_alpha(1);
  set_color(255, 255, 255);
  set_blend(BLEND_ALPHA);
  schwabbel_time = static_cast<float>(millisecs() - schwabbel_start);
  float abweichung = schwabbel_T > 0 ? (1 - schwabbel_time / schwabbel_T) * 0.5f : 0.0f;
  if (abweichung < 0) abweichung = 0;
  const float f = static_cast<float>(1 - deg_sin(schwabbel_time) * abweichung);
  set_scale(scale_x * f, scale_y * f);
  draw_image(image(), x, y, 0);
  if (is_super != 0) {
    // Without a lock time to compare with, the halo keeps its largest size.
    float factor = p && p->time_to_aim > 0 ? START_AIMTIME / p->time_to_aim * AIM_POWER - 1 : 10.0f;
    factor = std::min(factor, 10.0f);
    set_scale(0.15f * factor, 0.15f * factor);
    draw_image(img_super, x, y, 0);
  }
  if (!waypoints.empty()) {
    if (auto f = waypoints.front().father_entity()) {
      set_blend(BLEND_ALPHA);
      set_scale(1, 1);
      set_rotation(0);
      set_alpha(0.2f);
      set_color(255, 0, 0);
      draw_line(x, y, f->x, f->y);
    }
  }
}

void Bomb::hit(int count) {
  auto keep = weak_from_this().lock();
  hp = trunc_int(static_cast<double>(hp) - count);  // saturating: damage from a level file may be absurd
  if (hp <= 0) die(1);
}

void Bomb::die(int explo) {
  if (dead_) return;  // a bomb explodes and releases its cluster once
  dead_ = true;
  auto keep = weak_from_this().lock();
  const int rumble = RUMBLE >= 2 ? 1 : 0;
  World::deleteBomb(this);
  const int ix = trunc_int(x), iy = trunc_int(y);
  std::shared_ptr<Explosion> E;
  if (explo != 0) {
    switch (explosion_typ) {
      case 1: E = World::createExplosion(0, ix, iy, explosion_lifetime, explosion_range, explosion_power, 0, rumble); break;
      case 2: World::createCloud(0, ix, iy, explosion_lifetime, explosion_range, explosion_power, 0); break;
      case 3: E = World::createExplosion(1, ix, iy, explosion_lifetime, explosion_range, explosion_power, 0, rumble); break;
      case 4: World::createCloud(1, ix, iy, explosion_lifetime, explosion_range, explosion_power, 0); break;
      default: break;
    }
    if (is_super != 0) {
      for (int i = 0; i < 10; ++i) {
        const int sx = trunc_int(x + rand_int(-10, 10));
        const int sy = trunc_int(y + rand_int(-10, 10));
        const int heading = rand_int(1, 360);
        const float sz = rand_float(0.8f, 1.8f);
        World::createBlood(sx, sy, heading, 7.0f, sz, 3, 20);
      }
    }
  }
  const int clusters = std::min(explosion_bombcount, MAX_CLUSTER);
  for (int i = 0; i < clusters; ++i) {
    const int cx = trunc_int(x + rand_int(-100, 100));
    const int cy = trunc_int(y - rand_int(1, 20));
    auto c = World::createEnemyBomb(explosion_bomb, cx, cy, trunc_int(rotation), nullptr);
    c->immun = E;
  }
  if (explo == 1) {
    const int count = std::min(trunc_int(PARTICLES_AIRPLANEHIT * size), std::max(MAX_PARTICLES, 0));
    for (int i = 0; i <= count; ++i) {
      const int bx = trunc_int(x + rand_float(-10, 10));
      const int heading = rand_int(-60, 300);
      const float spd = rand_float(5, 8);
      const float sz = rand_float(0.2f, 0.4f);
      World::createBlood(bx, iy, heading, spd, sz, 1 - is_bloody, 60);
    }
  }
}
