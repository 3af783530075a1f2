// Choosing a controller by name, and the fire timer, chances, window and sweeps the controllers share.
#include "ki.h"

#include <cstdint>

#include "airplane.h"
#include "platform.h"
#include "shell.h"

std::unique_ptr<KI> make_ki(const std::string& n, int a, int b, int c) {
  if (n == "BOMBERSIMPLE") return KIBomberSimple::create(a, b, c);
  if (n == "FIGHTERSIMPLE") return KIFighterSimple::create(a, b, c);
  if (n == "BOMBERHARD") return KIBomberHard::create(a, b, c);
  if (n == "FIGHTERLIZZARD") return KIFighterLizzard::create(a, b, c);
  if (n == "HELIAPACHE") return KIHeliApache::create(a, b, c);
  if (n == "HELISIMPLE") return KIHeliSimple::create(a, b, c);
  if (n == "ALADIN") return KIAladin::create(a, b, c);
  if (n == "SINDBAD") return KISindbad::create(a, b, c);
  if (n == "VOGEL") return KIVogel::create(a, b, c);
  if (n == "BARON") return KIBARON::create(a, b, c);
  if (n == "CARRIER") return KICarrier::create(a, b, c);
  if (n == "VESK") return KIVesk::create(a, b, c);
  if (n == "GROLM") return KIGrolm::create(a, b, c);
  if (n == "PARACHUTE") return KIParachute::create(a, b, c);
  return nullptr;
}

void KITimed::init(int a, int b, int c) {
  start_y = a;
  ende_y = b;
  randfactor = c;
  rf = static_cast<float>(rand_int(-randfactor, randfactor));
}

bool KITimed::timer() {
  rf += TIME;
  if (rf > randfactor) {
    rf = static_cast<float>(rand_int(-(randfactor >> 2), randfactor >> 2));
    return true;
  }
  return false;
}

namespace ki_detail {

// One in n + 1; a parameter at the top of the int range cannot step past it.
bool chance(int n) { return n >= INT32_MAX ? false : rand_int(1, n + 1) > n; }

bool in_window(const Airplane& e) { return e.x >= 24 && e.x <= 1000; }

bool left_half(const Airplane& e) { return e.x < (graphics_width() >> 1); }

float leg_speed(const Airplane& e) { return static_cast<float>(trunc_int(e.max_speed)); }

void sweep(Airplane& e, int start_y, int ende_y, int margin) {
  if (!e.waypoints.empty()) return;
  const int W = graphics_width();
  const int ty = rand_int(start_y, ende_y);
  const float s = leg_speed(e);
  if (left_half(e)) {
    e.add_waypoint(-margin, ty, s, nullptr);
    e.add_waypoint(W + margin, ty, s, nullptr);
  } else {
    e.add_waypoint(W + margin, ty, s, nullptr);
    e.add_waypoint(-margin, ty, s, nullptr);
  }
}

}  // namespace ki_detail
