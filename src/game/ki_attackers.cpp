// The ordinary controllers: fighters, bombers, helicopters, carriers and the non-shooting movers.
#include <cmath>
#include <cstdlib>

#include "airplane.h"
#include "ki.h"
#include "platform.h"

using namespace ki_detail;

namespace {

template <class T>
std::unique_ptr<T> timed(int a, int b, int c) {
  auto k = std::make_unique<T>();
  k->init(a, b, c);
  return k;
}

// Headings to the bottom corners, folded into 0..360 and ordered: between them the airplane points
// at the ground inside the screen.
bool heading_for_ground(const Airplane& e) {
  const double W = graphics_width(), H = graphics_height();
  int w1 = trunc_int(deg_atan2(H - e.y, 0 - e.x));
  int w2 = trunc_int(deg_atan2(H - e.y, W - e.x));
  while (w1 < 0) w1 += 360;
  while (w2 < 0) w2 += 360;
  if (w1 > w2) std::swap(w1, w2);
  return w1 < e.rotation && e.rotation < w2;
}

// Three legs across the screen at their own heights.
void meander3(Airplane& e, int start_y, int ende_y) {
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  const bool left = left_half(e);
  const float s = leg_speed(e);
  for (int k = 0; k <= 2; ++k) {
    const int ty = rand_int(start_y, ende_y);
    e.add_waypoint(left ? k * (W / 2) + 200 : W - k * (W / 2) - 200, ty, s, nullptr);
  }
}

}  // namespace

std::unique_ptr<KIFighterSimple> KIFighterSimple::create(int a, int b, int c) { return timed<KIFighterSimple>(a, b, c); }

void KIFighterSimple::update(Airplane& e) {
  if (heading_for_ground(e) && timer())
    if (!e.shoot(0, trunc_int(e.rotation), nullptr)) return;
  if (e.waypoints.empty()) {
    const int wx = rand_int(0, graphics_width());
    const int wy = rand_int(start_y, ende_y);
    e.add_waypoint(wx, wy, leg_speed(e), nullptr);
  }
}

std::unique_ptr<KIParachute> KIParachute::create(int a, int, int) {
  auto k = std::make_unique<KIParachute>();
  k->start_y = a;
  return k;
}

void KIParachute::update(Airplane& e) {
  if (e.waypoints.empty()) e.add_waypoint(rand_int(50, graphics_width() - 50), trunc_int(e.y + 200), leg_speed(e), nullptr);
}

std::unique_ptr<KICarrier> KICarrier::create(int a, int b, int c) { return timed<KICarrier>(a, b, c); }

void KICarrier::update(Airplane& e) {
  if (timer() && !e.shoot(0, 90, nullptr)) return;
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  const int ty = rand_int(start_y, ende_y);
  const float s = leg_speed(e);
  if (left_half(e)) {
    e.add_waypoint(rand_int(1, 200), ty, s, nullptr);
    e.add_waypoint(W - rand_int(1, 200), ty, s, nullptr);
  } else {
    e.add_waypoint(W - rand_int(1, 200), ty, s, nullptr);
    e.add_waypoint(rand_int(1, 200), ty, s, nullptr);
  }
}

std::unique_ptr<KIBomberSimple> KIBomberSimple::create(int a, int b, int c) { return timed<KIBomberSimple>(a, b, c); }

void KIBomberSimple::update(Airplane& e) {
  if (timer() && in_window(e) && !e.shoot(0, 90, nullptr)) return;
  sweep(e, start_y, ende_y, 200);
}

std::unique_ptr<KIBomberHard> KIBomberHard::create(int a, int b, int c) { return timed<KIBomberHard>(a, b, c); }

void KIBomberHard::update(Airplane& e) {
  if (timer()) {
    const int iw = image_width(e.image());
    for (int k = 0; k <= 5; ++k) {
      const int wurf_x = trunc_int(e.x - iw / 2 + (k * iw) / 5);
      if (wurf_x > 24 && wurf_x < 1000 && !e.shoot2(0, wurf_x, trunc_int(e.y), 90, nullptr)) return;
    }
  }
  sweep(e, start_y, ende_y, 200);
}

std::unique_ptr<KIBomberRandom> KIBomberRandom::create(int a, int b, int c) { return timed<KIBomberRandom>(a, b, c); }

void KIBomberRandom::update(Airplane& e) {
  if (timer() && in_window(e) && !e.shoot(0, 90, nullptr)) return;
  meander3(e, start_y, ende_y);
}

std::unique_ptr<KIHeliSimple> KIHeliSimple::create(int a, int b, int c) { return timed<KIHeliSimple>(a, b, c); }

void KIHeliSimple::update(Airplane& e) {
  if (timer() && in_window(e) && !e.shoot(0, 90, nullptr)) return;
  meander3(e, start_y, ende_y);
}

std::unique_ptr<KIHeliApache> KIHeliApache::create(int a, int b, int c) { return timed<KIHeliApache>(a, b, c); }

void KIHeliApache::update(Airplane& e) {
  if (timer() && in_window(e)) {
    const bool left = e.rotation >= 90 && e.rotation < 270;
    if (!e.shoot(0, left ? 140 : 30, nullptr)) return;
  }
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  e.add_waypoint(W >> 1, ende_y, e.max_speed, nullptr);
  e.add_waypoint(left_half(e) ? W + 400 : -400, start_y - rand_int(1, 50), e.max_speed, nullptr);
}

std::unique_ptr<KIFighterLizzard> KIFighterLizzard::create(int a, int b, int c) {
  return timed<KIFighterLizzard>(a, b, c);
}

void KIFighterLizzard::update(Airplane& e) {
  if (e.y > 0 && heading_for_ground(e) && timer() && in_window(e))
    if (!e.shoot(0, trunc_int(e.rotation), nullptr)) return;
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  e.add_waypoint(W >> 1, ende_y, e.max_speed, nullptr);
  e.add_waypoint(left_half(e) ? W : 0, start_y - rand_int(1, 50), e.max_speed, nullptr);
}

std::unique_ptr<KIAladin> KIAladin::create(int a, int b, int c) { return timed<KIAladin>(a, b, c); }

void KIAladin::update(Airplane& e) {
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  const bool left = left_half(e);
  const float s = leg_speed(e);
  for (int k = 0; k <= 4; ++k) {
    const int ty = rand_int(start_y, ende_y);
    e.add_waypoint(left ? k * (W / 4) : W - k * (W / 4), ty, s, nullptr);
  }
}

std::unique_ptr<KISindbad> KISindbad::create(int a, int b, int c) {
  auto k = std::make_unique<KISindbad>();
  k->start_x = a;
  k->ende_x = b;
  k->randfactor = c;
  k->rf = static_cast<float>(rand_int(-c, c));
  return k;
}

void KISindbad::update(Airplane& e) {
  if (!e.waypoints.empty()) return;
  const int ih = image_height(e.image());
  const int wy = trunc_int((ih >> 1) * e.scale_y);
  const int wx = std::fabs(e.x - start_x) < std::fabs(e.x - ende_x) ? ende_x : start_x;
  e.add_waypoint(wx, wy, leg_speed(e), nullptr);
}
