// Entity movement: waypoint capture, the turning rule and straight flight, scaled by the frame time.
#include "entity.h"

#include "airplane.h"
#include "bomb.h"
#include "shell.h"
#include "world_lists.h"

namespace {

// Only enemy airplanes and enemy bombs in play can be followed.
bool followable(const Entity* e) {
  if (!e) return false;
  if (auto a = dynamic_cast<const Airplane*>(e)) return AIRPLANELIST.contains(a);
  if (auto b = dynamic_cast<const Bomb*>(e)) return ENEMYBOMBLIST.contains(b);
  return false;
}

}  // namespace

Waypoint Waypoint::create(int x, int y, float radius, float speed, const std::shared_ptr<Entity>& father) {
  Waypoint w;
  w.x = x;
  w.y = y;
  w.radius = std::fabs(radius);
  w.speed = speed;
  if (father && followable(father.get())) {
    w.father = father;
    w.has_father = true;
    w.x = trunc_int(father->x);
    w.y = trunc_int(father->y);
  }
  return w;
}

int Waypoint::father_is_ok() const {
  if (!has_father) return 1;
  auto f = father.lock();
  return followable(f.get()) ? 1 : 0;
}

void Waypoint::calc_father() {
  if (!has_father) return;
  if (father_is_ok()) {
    auto f = father.lock();
    x = trunc_int(f->x);
    y = trunc_int(f->y);
  } else {
    father.reset();
    has_father = false;
  }
}

int Waypoint::reached(int px, int py, float) {
  calc_father();
  const double dx = static_cast<double>(x) - px, dy = static_cast<double>(y) - py;
  const int dist = trunc_int(std::sqrt(dx * dx + dy * dy));
  return dist < radius + 5 ? 1 : 0;
}

int Waypoint::angle(int px, int py) {
  calc_father();
  return trunc_int(deg_atan2(static_cast<double>(y) - py, static_cast<double>(x) - px));
}

std::shared_ptr<Entity> Entity::createEntity(float x, float y, float rotation, float speed, float rotation_speed,
                                             float max_speed) {
  auto e = std::make_shared<Entity>();
  e->x = x;
  e->y = y;
  e->rotation = rotation;
  e->speed = speed;
  e->rotation_speed = rotation_speed;
  e->max_speed = max_speed;
  return e;
}

void Entity::update() { _calculate(); }

// turn / rotation_speed * speed / pi * 2 + 1. Without turning the radius is unbounded (reached at once),
// or not a number for a standing entity (never reached), as the division would give.
float Entity::capture_radius(float turn, float spd) const {
  if (rotation_speed == 0) {
    if (spd == 0) return std::numeric_limits<float>::quiet_NaN();
    return std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(turn / rotation_speed * spd / PI_D * 2 + 1);
}

void Entity::add_waypoint(int wx, int wy, float spd, const std::shared_ptr<Entity>& father) {
  waypoints.push_back(Waypoint::create(wx, wy, capture_radius(360, spd), spd, father));
}

void Entity::addfirst_waypoint(int wx, int wy, float spd, const std::shared_ptr<Entity>& father) {
  waypoints.push_front(Waypoint::create(wx, wy, capture_radius(180, spd), spd, father));
}

void Entity::_calculate() {
  if (!waypoints.empty() && waypoints.front().father_is_ok() == 1) {
    if (_calculate_waypoint() == 1) _calculate_angle();
  } else if (!waypoints.empty()) {
    waypoints.pop_front();
  }
  // Folding by remainder rather than repeated steps keeps a wild heading from stalling the frame.
  if (rotation < 0) {
    rotation = std::fmod(rotation, 360.0f);
    if (rotation < 0) rotation += 360;
  }
  _move();
}

int Entity::_calculate_waypoint() {
  if (waypoints.front().reached(trunc_int(x), trunc_int(y), TIME) == 1) {
    waypoints.pop_front();
    return 0;
  }
  return 1;
}

void Entity::_move() {
  x = static_cast<float>(x + deg_cos(rotation) * speed * TIME);
  y = static_cast<float>(y + deg_sin(rotation) * speed * TIME);
}

void Entity::_calculate_angle() {
  if (rotation_speed == 0 || waypoints.empty()) return;
  float oldangle = rotation;
  float newangle = static_cast<float>(waypoints.front().angle(trunc_int(x), trunc_int(y)));
  const float increments = 360.0f / rotation_speed * TIME;
  if (increments > 1) {
    if (oldangle + 360 - newangle < newangle - oldangle) oldangle += 360;
    if (newangle + 360 - oldangle < oldangle - newangle) newangle += 360;
    oldangle = oldangle - (oldangle - newangle) / increments * TIME;
  } else {
    oldangle = newangle;
  }
  rotation = oldangle;
}
