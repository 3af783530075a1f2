// The four boss controllers: the bird, the baron, Vesk with its laser defence and Grolm with laser, shield and jumps.
#include <algorithm>
#include <cmath>

#include "airplane.h"
#include "bomb.h"
#include "info.h"
#include "ki.h"
#include "platform.h"
#include "shell.h"
#include "world_lists.h"

using namespace ki_detail;

std::unique_ptr<KIVogel> KIVogel::create(int, int, int c) {
  auto k = std::make_unique<KIVogel>();
  k->randfactor = c;
  k->start_y = 100;
  k->ende_y = 500;
  k->mode = 0;
  HELPERLIST.clear();  // a boss fight is fought without helpers
  return k;
}

void KIVogel::update(Airplane& e) {
  e.rotation_speed = 360;
  const int phase = e.hp > e.tp / 2 ? 0 : (e.hp > e.tp / 4 ? 1 : 2);
  const bool changed = phase != mode;
  mode = phase;
  sweep(e, start_y, ende_y, 200);
  if (mode == 0 || mode == 1) {
    if (chance(randfactor) && in_window(e) && !e.shoot(mode, 90, nullptr)) return;
  } else {
    if (changed) {
      e.max_speed *= 3;
      e.speed = e.max_speed;
    }
    if (rand_int(1, randfactor + 1) > (randfactor * 3) / 4 && in_window(e) && !e.shoot(0, 90, nullptr)) return;
    ende_y = 400;
  }
}

namespace {

// The sweeping bosses start between two heights; a boss fight is fought without helpers.
template <class K>
std::unique_ptr<K> make_sweeping_boss(int start_y, int ende_y, int randfactor) {
  auto k = std::make_unique<K>();
  k->start_y = start_y;
  k->ende_y = ende_y;
  k->randfactor = randfactor;
  k->mode = 0;
  HELPERLIST.clear();
  return k;
}

}  // namespace

std::unique_ptr<KIBARON> KIBARON::create(int a, int b, int c) { return make_sweeping_boss<KIBARON>(a, b, c); }

void KIBARON::update(Airplane& e) {
  mode = e.hp > e.tp / 2 ? 0 : 1;
  if (mode == 0) {
    if (chance(randfactor) && in_window(e) && !e.shoot(0, 90, nullptr)) return;
    sweep(e, start_y, ende_y, 200);
    return;
  }
  ende_y = 300;
  start_y = -100;
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  const int x1 = rand_int(200, W - 200);
  e.add_waypoint(x1, -100, e.max_speed, nullptr);
  const int x2 = rand_int(200, W - 200);
  e.add_waypoint(x2, 300, e.max_speed, nullptr);
  for (int k = 0; k <= 9; ++k)
    if (!e.shoot(1, k * 20, nullptr)) return;
}

std::unique_ptr<KIVesk> KIVesk::create(int a, int b, int c) { return make_sweeping_boss<KIVesk>(a, b, c); }

void KIVesk::update(Airplane& e) {
  sweep(e, start_y, ende_y, 0);
  mode = millisecs() % 30000 > 10000 ? 1 : 0;
  if (mode == 0) {
    e.speed = 1;
    e.rotation_speed = 360;
    set_color(255, 0, 0);
    set_alpha(1);
    set_scale(1, 1);
    set_blend(BLEND_ALPHA);
    set_rotation(0);
    const double reach = image_width(e.image()) * e.scale_x * 0.8;
    for (auto r : PLAYERBOMBLIST) {
      const double dx = r->x - e.x, dy = r->y - e.y;
      const int dist = trunc_int(std::sqrt(dx * dx + dy * dy));
      if (dist < reach) {
        set_rotation(static_cast<float>(deg_atan2(e.y - r->y, e.x - r->x)));
        draw_rect(r->x, r->y, static_cast<float>(dist), 5);
        r->die(1);
      }
    }
    if (chance(randfactor) && in_window(e) && !e.shoot(1, rand_int(45, 125), nullptr)) return;
  } else {
    e.speed = e.max_speed;
    // A boss without hit points counts as worn down: the densest row.
    int step = e.tp > 0 ? trunc_int(static_cast<double>(e.hp) / e.tp * 300) : 70;
    step = std::max(step, 70);
    if (chance(randfactor) && in_window(e)) {
      for (int shot = -150; shot < 150; shot += step)
        if (!e.shoot2(1, trunc_int(e.x + shot), trunc_int(e.y), 90, nullptr)) return;
    }
  }
}

std::unique_ptr<KIGrolm> KIGrolm::create(int a, int, int c) {
  auto k = std::make_unique<KIGrolm>();
  k->randfactor1 = a;
  k->randfactor2 = c;
  k->start_y = 0;
  k->ende_y = 300;
  k->mode = 0;
  HELPERLIST.clear();
  return k;
}

void KIGrolm::jump(Airplane& e, int trail_rotation) {
  const int ox = trunc_int(e.x), oy = trunc_int(e.y);
  e.x = static_cast<float>(rand_int(200, 500));
  e.y = static_cast<float>(rand_int(100, 600));
  const int wink = trunc_int(deg_atan2(e.y - oy, e.x - ox));
  const double d = std::sqrt((e.x - ox) * (e.x - ox) + (e.y - oy) * (e.y - oy));
  for (int k = 0; k <= 5; ++k)
    Info::CreateImageSrc(e.image(), trunc_int(ox + deg_cos(wink) * d / 5 * k), trunc_int(oy + deg_sin(wink) * d / 5 * k),
                         k * 8, 1, "", trail_rotation, e.scale_x, e.scale_y, 255, 255, 255);
}

void KIGrolm::update(Airplane& e) {
  sweep(e, start_y, ende_y, 0);
  const int t = millisecs() % 60000;
  mode = t > 50000 ? 1 : (t > 30000 ? 0 : 2);
  if (mode == 0) {
    laser_time = 0;
    e.is_carrier = 1;
    e.speed = 1;
    e.rotation_speed = 360;
    e.stealth_time = 0;
    e.is_stealthed = 0;
    if (chance(randfactor1) && in_window(e) && !e.shoot(0, rand_int(45, 125), nullptr)) return;
  } else if (mode == 1) {
    laser_time = 0;
    e.is_carrier = 0;
    e.speed = e.max_speed;
    e.stealth_time = 100;
    e.is_stealthed = 1;
    if (static_cast<float>(rand_int(1, randfactor1 + 1)) > randfactor1 * 0.8f && in_window(e)) {
      const int bx = rand_int(100, 950);
      if (!e.shoot2(1, bx, -50, 90, nullptr)) return;
    }
  } else {
    e.speed = 0;
    e.stealth_time = 0;
    e.is_stealthed = 0;
    e.is_carrier = 0;
    e.x += 0.4f * TIME;
    if (e.x > 800 || e.y < 50) jump(e, 0);
    laser_time += 0.005f * TIME;
    set_color(0, 0, 255);
    set_alpha(laser_time);
    set_scale(1, 1);
    set_blend(BLEND_ALPHA);
    set_rotation(0);
    if (laser_time > 0.7f) {
      laser_time = 0.7f;
      if (chance(randfactor2)) {
        const int sx = trunc_int(e.x + rand_int(-30, 30));
        const int sy = GROUND_Y + rand_int(-30, 30);
        World::createExplosion(0, sx, sy, 30, 2.0f, 20, 0, 1);
      }
      set_color(255, 0, 0);
    }
    draw_rect(e.x - 20, e.y, 40, GROUND_Y - e.y);
    draw_oval(e.x - 40, e.y + 10, 80, 80);
    for (auto r : PLAYERBOMBLIST) {
      const double dx = r->x - e.x, dy = r->y - (e.y + 50);
      const int dist = trunc_int(std::sqrt(dx * dx + dy * dy));
      if (dist < 80) {
        hitted += 1;
        r->die(1);
        draw_oval(e.x - 200, e.y - 200, 400, 400);
        if (hitted > 5) {
          hitted = 0;
          laser_time = 0;
          jump(e, trunc_int(e.rotation));
        }
      }
    }
  }
}
