// Moving things of the game view: a point with heading and speed that steers along a path of waypoints.
#pragma once

#include <cmath>
#include <deque>
#include <limits>
#include <memory>
#include <string>
#include <vector>

class Entity;

// Float to int as the game converts numbers: toward zero. Values beyond the int range saturate and
// a value that is not a number gives 0, so bad data never reaches undefined conversions.
inline int trunc_int(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

constexpr double PI_D = 3.141592653589793;

// The preset of that name among a type's presets (airplanes, bombs), or none; the first one wins.
template <class T>
const T* find_preset(const std::vector<std::shared_ptr<T>>& presets, const std::string& name) {
  for (const auto& q : presets)
    if (q->name == name) return q.get();
  return nullptr;
}
inline double deg_sin(double a) { return std::sin(a * PI_D / 180.0); }
inline double deg_cos(double a) { return std::cos(a * PI_D / 180.0); }
inline double deg_atan2(double y, double x) { return std::atan2(y, x) * 180.0 / PI_D; }

// A target point of a path. One bound to a father follows that entity while it is an enemy airplane
// or an enemy bomb in play, and is let go as soon as it is not (how homing rockets chase).
class Waypoint {
 public:
  int x = 0, y = 0;
  float speed = 0;
  float radius = 0;
  // Not owning: a father that is gone is simply no longer followed.
  std::weak_ptr<Entity> father;
  bool has_father = false;

  static Waypoint create(int x, int y, float radius, float speed, const std::shared_ptr<Entity>& father);
  int reached(int px, int py, float time);
  void calc_father();
  int father_is_ok() const;
  int angle(int px, int py);
  // The followed entity while it exists, else none.
  std::shared_ptr<Entity> father_entity() const { return has_father ? father.lock() : nullptr; }
};

class Entity : public std::enable_shared_from_this<Entity> {
 public:
  virtual ~Entity() = default;

  float x = 0, y = 0;
  int hp = 0, tp = 0;
  float rotation = 0;        // degrees, 0 right, 90 down
  float rotation_speed = 0;  // share rotation_speed / 360 of the remaining angle is turned per frame
  float speed = 0;
  float max_speed = 0;
  std::deque<Waypoint> waypoints;  // only the first one steers

  static std::shared_ptr<Entity> createEntity(float x, float y, float rotation, float speed, float rotation_speed,
                                              float max_speed);
  virtual void update();
  void add_waypoint(int x, int y, float speed, const std::shared_ptr<Entity>& father);
  void addfirst_waypoint(int x, int y, float speed, const std::shared_ptr<Entity>& father);
  void _calculate();
  int _calculate_waypoint();
  void _move();
  void _calculate_angle();

 private:
  float capture_radius(float turn, float speed) const;
};
