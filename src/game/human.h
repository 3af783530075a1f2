// The people on the ground line that the towers protect.
#pragma once

#include <memory>

#include "platform.h"

class Human : public std::enable_shared_from_this<Human> {
 public:
  // 12 cells of 48x64: 3-5 walk right, 6-8 stand, 9-11 walk left; loaded with the campaign.
  static Image image;

  float x = 0, y = 0;
  int target = 0;
  float current_frame = 0;
  int wait_time = 100;
  float hp = 0;
  float is_atomized = 0, is_anthraxed = 0, is_burning = 0;  // remaining doses, damage over time
  float is_feeded = 1;                                      // girth, 1 to 4

  // A human with hp hit points at a random column, appended to HUMANLIST.
  static std::shared_ptr<Human> create(int hp);
  void update();
  void draw();
  void feed(float amount);
  void hit(int count, int typ);
  void die();
  void new_target();
};
