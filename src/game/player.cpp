// The player's starting values from the campaign configuration.
#include "player.h"

#include "config.h"

std::shared_ptr<Player> p;

std::shared_ptr<Player> Player::create() {
  auto pl = std::make_shared<Player>();
  pl->money = START_MONEY;
  pl->time_to_aim = static_cast<float>(START_AIMTIME);
  pl->human_hp = static_cast<float>(START_HUMAN_HP);
  pl->human_money = static_cast<float>(START_HUMAN_MONEY);
  pl->rocket_power = static_cast<float>(START_ROCKET_POWER);
  return pl;
}
