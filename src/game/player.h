// The player: two towers with cannons, aiming and lock-on, firing rockets, money and the upgrades the shop sells.
#pragma once

#include <memory>

#include "platform.h"

class Entity;

// Current shop prices, recomputed by Player::set_prices and read by the shop.
extern int sprice_rocket, sprice_rocket_speed, sprice_rocket_power, sprice_human, sprice_human_money,
    sprice_human_hp, sprice_aim;

class Player {
 public:
  Image img_aimzone;  // the mask under the mouse that picks targets
  Image img_tower;
  Image img_cannon;
  Image img_crosshair;
  float rocket_maxspeed = 0;       // speed of new rockets
  float rocket_rotationspeed = 20;
  float rocket_power = 0;          // damage given to new rockets
  int rocket_typ = 0;
  int level_rocket_speed = 0;
  int level_rocket_power = 0;
  int level_rocket = 0;            // max_rockets - start_rockets, kept by set_prices
  int level_human_hp = 0;
  int level_human_money = 0;
  int level_aim = 0;
  int level_human = 0;             // humans alive - start_humans (negative after losses), kept by set_prices
  int start_humans = 0;
  int start_rockets = 0;
  int tower[2][3] = {};            // per tower (0 left, 1 right): centre x, centre y, cannon angle
  int money = 0;
  int max_rockets = 0;             // rockets that may be in flight at once
  float time_to_aim = 500;         // ms the aim must rest on one target to lock on
  float time_aimed = 0;            // when the current target came under the aim
  std::shared_ptr<Entity> aimed_target;  // airplane or enemy bomb under the aim, or none
  float human_hp = 0;              // hit points of every new human
  float human_money = 0;           // what each living human pays at the end of a wave
  int level = 0;                   // wave being played, set by level loading
  int LAST_SHOT[2] = {};           // per tower, when the last fire request was accepted

  // A fresh player for a new game: empties the world, loads the tower pictures and places the
  // starting humans.
  static std::shared_ptr<Player> create();
  // Counts of 0 or below are ignored.
  void set_maxrockets(int count);
  void set_prices();
  // Input, aiming and firing of one frame of a wave.
  void update();
  void draw();
  void get_input();
  // Neither checks the balance; pay sounds unless nosound is non-zero.
  void pay(int amount, int nosound);
  void earn(int amount);
  // Each buys one upgrade when affordable (and below its cap), else plays the no-money sound;
  // nosound non-zero silences both sounds (automatic buying).
  void buy_rocketpower(int nosound);
  void buy_rocketspeed(int nosound);
  void buy_rocket(int nosound);
  void buy_human(int nosound);
  void buy_human_hp(int nosound);
  void buy_human_money(int nosound);
  void buy_aim(int nosound);
  // The player's rockets in flight.
  int getPlayerBombs() const;
  // A fire request for tower i (0 left, 1 right); force for a fresh press, which skips the
  // repeat interval.
  void shoot(int i, int force);
  void draw_tower();
  void draw_cannon();
  void draw_crosshair();

 private:
  // Pays and applies `effect` when `ok`, else refuses with the no-money sound.
  template <class F>
  void buy(int price, bool ok, int nosound, F effect);
};

// The player of the running game; none while no game was started.
extern std::shared_ptr<Player> p;
