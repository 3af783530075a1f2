// Explosions deal their power once after 100 ms, clouds dose each human once, blood particles fly and fade.
#include "effects.h"

#include <algorithm>

#include <cmath>

#include "airplane.h"
#include "bomb.h"
#include "entity.h"
#include "human.h"
#include "shared_media.h"
#include "shell.h"
#include "world_lists.h"

Image Explosion::images[2];
int Cloud::frame_count = 4;

std::shared_ptr<Explosion> Explosion::create(int typ, int x, int y, int lifetime, float size, int power) {
  auto e = std::make_shared<Explosion>();
  e->x = static_cast<float>(x);
  e->y = static_cast<float>(y);
  e->typ = typ;
  if (typ == 0) {
    e->frames = 11;
    e->rotation = rand_int(1, 360);
  } else if (typ == 1) {
    e->frames = 26;
    e->rotation = 0;
  }
  e->imageIndex = typ;
  e->power = power;
  e->lifetime = e->total_lifetime = static_cast<float>(lifetime);
  e->scale_x = e->scale_y = size;
  e->htime = millisecs();
  const Image img = (typ == 0 || typ == 1) ? images[typ] : Image();
  e->image_width = trunc_int(::image_width(img) * e->scale_x);
  e->image_height = trunc_int(::image_height(img) * e->scale_y);
  return e;
}

int Explosion::update() {
  lifetime -= TIME;
  if (lifetime < 0) return 0;
  if (hit == 0 && millisecs() > htime + 100) {
    hit = 1;
    const double rx = image_width * 0.3, ry = image_height * 0.3;
    auto in_reach = [&](float tx, float ty) {
      return std::fabs(static_cast<double>(tx) - x) < rx && std::fabs(static_cast<double>(ty) - y) < ry;
    };
    // The blast hurts what was there when it went off: bomblets a burst cluster bomb releases during
    // this pass are not caught by it, and anything already finished off in the pass is left alone.
    for (const auto& b : ENEMYBOMBLIST.to_array())
      if (in_reach(b->x, b->y) && b->immun.lock().get() != this && ENEMYBOMBLIST.contains(b)) b->hit(power);
    for (const auto& a : AIRPLANELIST.to_array())
      if (in_reach(a->x, a->y) && AIRPLANELIST.contains(a)) a->hit(power);
    for (const auto& h : HUMANLIST.to_array())
      if (in_reach(h->x, h->y) && HUMANLIST.contains(h)) h->hit(power, 0);
  }
  draw();
  return 1;
}

void Explosion::draw() {
  const Image img = (imageIndex == 0 || imageIndex == 1) ? images[imageIndex] : Image();
  const int frame = total_lifetime > 0 ? trunc_int(frames - (lifetime / total_lifetime) * frames) : frames;
  set_rotation(static_cast<float>(rotation));
  set_scale(scale_x, scale_y);
  set_color(255, 255, 255);
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  draw_image(img, x, y, frame);
}

std::shared_ptr<Cloud> Cloud::create(int typ, int x, int y, int lifetime, float size, int power, int rotation) {
  auto c = std::make_shared<Cloud>();
  c->x = static_cast<float>(x);
  c->y = static_cast<float>(y);
  c->typ = typ;
  if (typ == 0) {
    frame_count = 4;
    c->imageIndex = 0;
  } else if (typ == 1) {
    frame_count = 4;
    c->imageIndex = 1;
  }
  c->power = power;
  c->rotation = rotation;
  c->lifetime = c->total_lifetime = static_cast<float>(lifetime);
  c->scale_x = c->scale_y = size;
  c->htime = millisecs();
  return c;
}

bool Cloud::has_hit(const Human* h) const {
  for (const auto& w : hitted)
    if (w.lock().get() == h) return true;
  return false;
}

int Cloud::update() {
  if (typ == 0) {
    x += rand_float(-0.1f, 0.1f);
    if (y <= GROUND_Y) y += 0.2f * TIME;
  } else if (typ == 1) {
    if (y <= GROUND_Y) {
      x += rand_float(-0.1f, 0.1f);
      y += 4 * TIME;
    } else {
      y = static_cast<float>(GROUND_Y);
    }
  }
  lifetime -= TIME;
  if (lifetime < 0) return 0;
  const int now = millisecs();
  if (htime < now) {
    htime = now + 10;
    const Image& img = IMG_CLOUD[imageIndex == 1 ? 1 : 0];
    for (const auto& h : HUMANLIST) {
      if (has_hit(h.get())) continue;
      if (images_collide_transformed(Human::image, static_cast<float>(trunc_int(h->x)), static_cast<float>(trunc_int(h->y)),
                                     0, 0, 1, 1, img, static_cast<float>(trunc_int(x)),
                                     static_cast<float>(trunc_int(y)), 0, static_cast<float>(rotation), scale_x,
                                     scale_y)) {
        hitted.push_back(h);
        if (typ == 0) h->is_anthraxed += power;
        else h->is_burning += power;
      }
    }
  }
  draw();
  return 1;
}

void Cloud::draw() {
  const int n = frame_count > 0 ? frame_count : 1;
  int frame = (millisecs() % (n * 200)) / 200;
  if (frame < 0) frame = 0;
  if (frame > n - 1) frame = n - 1;
  set_color(255, 255, 255);
  set_rotation(static_cast<float>(rotation));
  set_scale(scale_x, scale_y);
  set_blend(BLEND_ALPHA);
  set_alpha(total_lifetime > 0 ? std::floor(lifetime) / total_lifetime : 0.0f);
  draw_image(IMG_CLOUD[imageIndex == 1 ? 1 : 0], x, y, frame);
}

std::shared_ptr<Blood> Blood::create(int x, int y, int rotation, float speed, float size, int metal, int lifetime) {
  auto b = std::make_shared<Blood>();
  b->x = static_cast<float>(x);
  b->y = static_cast<float>(y);
  b->metal = metal;
  b->rotation = rotation;
  b->speed = speed;
  b->lifetime = static_cast<float>(lifetime);
  b->scale_x = b->scale_y = size;
  // Kinds past the particle picture's rows draw nothing; the clamp only keeps absurd kinds from a
  // level file from overflowing.
  b->frame = rand_int(0, 3) + 4 * std::clamp(metal, -1, 4);
  if (metal == 2) {
    b->lifetime = 50;
  } else if (metal == 3) {
    b->frame = 12;
  } else if (metal == 4) {
    b->frame = 13;
  } else if (metal == 5 || metal == 6) {
    b->frame = 8 + rand_int(0, 3);
  } else if (metal < 0) {
    b->metal = 1;
    b->color[0] = 255;
    b->color[1] = 255;
    b->color[2] = 0;
    b->frame = 4 + rand_int(0, 3);
  }
  b->alive = 1;
  b->image_width = trunc_int(32 * b->scale_x);
  b->image_height = trunc_int(32 * b->scale_y);
  b->total_lifetime = trunc_int(b->lifetime);
  return b;
}

int Blood::update() {
  auto keep = weak_from_this().lock();  // dying drops the list's reference, but this frame still draws
  lifetime -= TIME;
  if (lifetime < 0) die();
  if (alive) {
    double vx = deg_cos(rotation) * speed * TIME;
    vx += vx >= 0 ? -0.1 : 0.1;
    double vy = deg_sin(rotation) * speed * TIME;
    switch (metal) {
      case 0:
      case 1: vy += 0.5 * TIME; break;
      case 2: vy -= 0.2 * TIME; break;
      case 6:
        vy -= 0.1 * TIME;
        if (vy < 0) vy = 0;
        break;
      default: break;
    }
    if (metal == 5 || metal == 6) {
      scale_x += 0.01f * TIME;
      scale_y += 0.01f * TIME;
    }
    rotation = trunc_int(deg_atan2(vy, vx));
    x = static_cast<float>(x + vx);
    y = static_cast<float>(y + vy);
    if (y > GROUND_Y + 10) {
      y = static_cast<float>(GROUND_Y + 10);
      alive = 0;
    }
  }
  set_rotation(0);
  set_blend(BLEND_ALPHA);
  // Opaque for the first half of its life, then fading out; one too short-lived to have a
  // second half (a life of 0 or 1) is not seen at all.
  const int half = total_lifetime / 2;
  float a = half > 0 ? std::floor(lifetime) / static_cast<float>(half) : 0.0f;
  if (metal == 5 || metal == 6) {
    a *= 0.3f;
    set_blend(BLEND_LIGHT);
  }
  set_alpha(a);
  set_scale(scale_x, scale_y);
  set_color(255, 255, 255);
  if (metal == 6) set_color(255, 255, 0);
  if (color[0] || color[1] || color[2]) set_color(color[0], color[1], color[2]);
  draw_image(IMG_PARTICLE, x, y, frame);
  return 1;
}

void Blood::outofScreen() {
  if (x < -image_width || x > graphics_width() + image_width || y < -image_height ||
      y > graphics_height() + image_height)
    die();
}

void Blood::die() { World::deleteBlood(this); }
