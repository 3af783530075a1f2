// Flight controllers: each airplane's pilot, steering by waypoints and firing from its weapon list.
#pragma once

#include <memory>
#include <string>

class Airplane;

// One frame of control for its airplane. A firing request the weapon list cannot serve ends the
// controller's frame at that point: nothing is fired and nothing after it happens in that frame.
class KI {
 public:
  virtual ~KI() = default;
  virtual void update(Airplane& e) = 0;
};

// The controller named by an upper-case "KI" value, made with the preset's three parameters; none
// for a name no controller has.
std::unique_ptr<KI> make_ki(const std::string& upper_name, int a, int b, int c);

// Shared pieces of several controllers.
struct KITimed : KI {
  int start_y = 0, ende_y = 0, randfactor = 0;
  float rf = 0;
  void init(int a, int b, int c);
  // The fire timer: true in the frame the interval has run out (the timer is then restarted).
  bool timer();
};

class KIFighterSimple : public KITimed {
 public:
  int last_x = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIFighterSimple> create(int a, int b, int c);
};

class KIParachute : public KI {
 public:
  int start_y = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIParachute> create(int a, int b, int c);
};

class KICarrier : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KICarrier> create(int a, int b, int c);
};

class KIBomberSimple : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIBomberSimple> create(int a, int b, int c);
};

class KIBomberHard : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIBomberHard> create(int a, int b, int c);
};

// Chosen by no "KI" value; kept for helicopters' meandering pattern.
class KIBomberRandom : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIBomberRandom> create(int a, int b, int c);
};

class KIHeliSimple : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIHeliSimple> create(int a, int b, int c);
};

class KIHeliApache : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIHeliApache> create(int a, int b, int c);
};

class KIFighterLizzard : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIFighterLizzard> create(int a, int b, int c);
};

class KIAladin : public KITimed {
 public:
  void update(Airplane& e) override;
  static std::unique_ptr<KIAladin> create(int a, int b, int c);
};

class KISindbad : public KI {
 public:
  int start_x = 0, ende_x = 0, randfactor = 0;
  float rf = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KISindbad> create(int a, int b, int c);
};

// Bosses. Vogel and Baron change phase by remaining hit points, Vesk and Grolm by the clock.
class KIVogel : public KI {
 public:
  int start_y = 0, ende_y = 0, randfactor = 0, last_plane_start = 0, mode = 0, last_hp = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIVogel> create(int a, int b, int c);
};

class KIBARON : public KI {
 public:
  int start_y = 0, ende_y = 0, randfactor = 0, mode = 0, last_hp = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIBARON> create(int a, int b, int c);
};

class KIVesk : public KI {
 public:
  int start_y = 0, ende_y = 0, randfactor = 0, last_plane_start = 0, mode = 0, last_hp = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIVesk> create(int a, int b, int c);
};

class KIGrolm : public KI {
 public:
  int start_y = 0, ende_y = 0, randfactor1 = 0, randfactor2 = 0, last_plane_start = 0, mode = 0, last_hp = 0;
  float laser_time = 0;
  int hitted = 0;
  void update(Airplane& e) override;
  static std::unique_ptr<KIGrolm> create(int a, int b, int c);

 private:
  void jump(Airplane& e, int trail_rotation);
};

// Helpers of the controllers, shared by their source files.
namespace ki_detail {
// One chance in n + 1.
bool chance(int n);
// 24 <= x <= 1000.
bool in_window(const Airplane& e);
bool left_half(const Airplane& e);
// Waypoint speed of the controllers: the cruising speed, truncated.
float leg_speed(const Airplane& e);
// Across the screen and 200 pixels beyond it (margin 200), or from edge to edge (margin 0).
void sweep(Airplane& e, int start_y, int ende_y, int margin);
}  // namespace ki_detail
