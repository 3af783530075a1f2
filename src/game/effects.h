// Short-lived objects of the game view: explosions (the only area damage), gas and fire clouds, blood and debris.
#pragma once

#include <memory>
#include <vector>

#include "platform.h"

class Human;

// Everything in PARTICLELIST. update() moves, applies, draws and answers 1 to stay or 0 to be removed.
class Particle : public std::enable_shared_from_this<Particle> {
 public:
  virtual ~Particle() = default;
  float x = 0, y = 0;
  virtual int update() = 0;
};

class Explosion : public Particle {
 public:
  // 0 ordinary blast (12 cells of 96x96), 1 the big one (27 cells of 78x120); loaded with the campaign.
  static Image images[2];

  int imageIndex = 0;
  int power = 2;
  int typ = 0;
  float lifetime = 0, total_lifetime = 0;
  float scale_x = 0, scale_y = 0;
  int rotation = 0;
  int frames = 11;
  int image_width = 0, image_height = 0;  // reach is 0.3 of these
  int htime = 0;
  int hit = 0;

  static std::shared_ptr<Explosion> create(int typ, int x, int y, int lifetime, float size, int power);
  int update() override;
  void draw();
};

class Cloud : public Particle {
 public:
  static int frame_count;

  int imageIndex = 0;
  int power = 1;
  float lifetime = 0, total_lifetime = 0;
  float scale_x = 0, scale_y = 0;
  int rotation = 0;
  int htime = 0;
  int hit = 0;
  std::vector<std::weak_ptr<Human>> hitted;  // humans this cloud has already touched
  int typ = 0;                               // 0 gas, 1 fire

  static std::shared_ptr<Cloud> create(int typ, int x, int y, int lifetime, float size, int power, int rotation);
  int update() override;
  void draw();

 private:
  bool has_hit(const Human* h) const;
};

class Blood : public Particle {
 public:
  float scale_x = 0, scale_y = 0;
  int rotation = 0;
  float speed = 0;
  float lifetime = 0;
  int frame = 0;
  int alive = 0;
  int metal = 0;  // kind: 0 blood, 1 metal, 2 smoke, 3 spark, 4 coin, 5 trail smoke, 6 trail fire
  int total_lifetime = 0;
  int color[3] = {0, 0, 0};
  int image_width = 0, image_height = 0;

  static std::shared_ptr<Blood> create(int x, int y, int rotation, float speed, float size, int metal, int lifetime);
  int update() override;
  void outofScreen();
  void die();
};
