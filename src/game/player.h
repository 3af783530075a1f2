// The player: money, the income unit of the world's payouts, rocket power and lock-on time.
#pragma once

#include <memory>

class Player {
 public:
  int money = 0;
  float human_money = 0;  // what each living human pays at the end of a wave
  float human_hp = 0;
  float rocket_power = 0; // damage given to new rockets
  float time_to_aim = 500;  // ms the aim must rest on a target to lock on

  // A player with the campaign's starting values.
  static std::shared_ptr<Player> create();
};

// The player of the running game; none while no game was started.
extern std::shared_ptr<Player> p;
