// The player's towers, aiming and lock-on, firing, money and upgrades.
#include "player.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "entity.h"
#include "human.h"
#include "info.h"
#include "shared_media.h"
#include "shell.h"
#include "sound_text.h"
#include "world.h"
#include "world_lists.h"

std::shared_ptr<Player> p;

int sprice_rocket = 0, sprice_rocket_speed = 0, sprice_rocket_power = 0, sprice_human = 0, sprice_human_money = 0,
    sprice_human_hp = 0, sprice_aim = 0;

namespace {

// Money sums saturate instead of wrapping, so absurd prices or bonuses cannot flip the balance's sign.
int clamp_int(int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

int price(int base, float factor, int level) {
  return trunc_int(static_cast<double>(base) * std::pow(static_cast<double>(factor), level));
}

int cannon_angle(int tx, int ty) { return trunc_int(deg_atan2(mouse_y() - ty, mouse_x() - tx)); }

// The kill-chain window is open: the crosshair glows green.
bool chain_running(int now) {
  return static_cast<int64_t>(now) - World::last_kill_time < World::kill_chain_time;
}

}  // namespace

std::shared_ptr<Player> Player::create() {
  World::resetLists();
  auto pl = std::make_shared<Player>();
  pl->money = START_MONEY;
  pl->set_maxrockets(START_ROCKETS);
  pl->set_prices();
  pl->level = 0;

  set_mask_color(255, 0, 255);
  auto_mid_handle(true);
  pl->img_cannon = STDIMG_CANNON;
  pl->img_tower = STDIMG_TOWER;
  pl->img_crosshair = STDIMG_CROSSHAIR;
  if (!pl->img_crosshair)
    pl->img_crosshair = load_image("gfx/crosshair" + std::to_string(CROSSHAIR) + ".png", IMAGE_DEFAULT);

  const int tw = image_width(pl->img_tower), th = image_height(pl->img_tower);
  pl->tower[0][0] = tw / 2 + 5;
  pl->tower[1][0] = graphics_width() - tw / 2 - 5;
  pl->tower[0][1] = pl->tower[1][1] = GROUND_Y - th / 2;

  pl->img_aimzone = load_image("gfx/aimzone.png", IMAGE_DEFAULT);

  pl->time_to_aim = static_cast<float>(START_AIMTIME);
  pl->human_hp = static_cast<float>(START_HUMAN_HP);
  pl->human_money = static_cast<float>(START_HUMAN_MONEY);
  pl->start_humans = START_HUMANS;
  pl->rocket_maxspeed = static_cast<float>(START_ROCKET_SPEED);
  pl->rocket_power = static_cast<float>(START_ROCKET_POWER);
  pl->start_rockets = START_ROCKETS;

  // A thousand humans fill the ground line many times over; a larger number in a level file would
  // only exhaust memory.
  const int humans = std::min(pl->start_humans, 1000);
  for (int i = 0; i < humans; ++i) Human::create(trunc_int(pl->human_hp));
  pl->set_prices();
  return pl;
}

void Player::set_maxrockets(int count) {
  if (count > 0) max_rockets = count;
}

void Player::set_prices() {
  level_human = static_cast<int>(HUMANLIST.count()) - start_humans;
  level_rocket = max_rockets - start_rockets;
  sprice_rocket = price(PRICE_ROCKET, FACTOR_PRICE_ROCKET, level_rocket);
  sprice_rocket_speed = price(PRICE_ROCKET_SPEED, FACTOR_PRICE_ROCKET_SPEED, level_rocket_speed);
  sprice_rocket_power = price(PRICE_ROCKET_POWER, FACTOR_PRICE_ROCKET_POWER, level_rocket_power);
  sprice_human = price(PRICE_HUMAN, FACTOR_PRICE_HUMAN, level_human);
  sprice_human_money = price(PRICE_HUMAN_MONEY, FACTOR_PRICE_HUMAN_MONEY, level_human_money);
  sprice_human_hp = price(PRICE_HUMAN_HP, FACTOR_PRICE_HUMAN_HP, level_human_hp);
  sprice_aim = price(PRICE_AIM, FACTOR_PRICE_AIM, level_aim);
}

void Player::update() {
  set_scale(1, 1);
  set_color(255, 255, 255);
  get_input();
}

void Player::draw() {
  draw_tower();
  draw_cannon();
  draw_crosshair();
}

void Player::get_input() {
  const std::shared_ptr<Entity> before = aimed_target;
  bool found = false;
  const float mx = static_cast<float>(mouse_x()), my = static_cast<float>(mouse_y());
  for (const auto& b : ENEMYBOMBLIST) {
    if (images_collide_transformed(b->image(), static_cast<float>(trunc_int(b->x)),
                                   static_cast<float>(trunc_int(b->y)), 0, b->rotation, b->scale_x, b->scale_y,
                                   img_aimzone, mx, my, 0, 0, 1, 1)) {
      aimed_target = b;
      found = true;
    }
  }
  // Airplanes come second so that one under the aim always wins over a bomb.
  for (const auto& a : AIRPLANELIST) {
    if (a->is_stealthed != 0) continue;
    if (images_collide_transformed(a->image(), static_cast<float>(trunc_int(a->x)),
                                   static_cast<float>(trunc_int(a->y)), 0, static_cast<float>(a->draw_rotation),
                                   a->draw_scale_x, a->draw_scale_y, img_aimzone, mx, my, 0, 0, 1, 1)) {
      aimed_target = a;
      found = true;
    }
  }
  const int now = millisecs();
  if (aimed_target != before) time_aimed = static_cast<float>(now);
  if (!found) {
    aimed_target.reset();
    time_aimed = static_cast<float>(now);
  }

  if (mouse_hit(1) || key_hit(KEY_LEFT)) shoot(0, 1);
  else if (mouse_down(1) || key_down(KEY_LEFT)) shoot(0, 0);
  if (mouse_hit(2) || key_hit(KEY_RIGHT)) shoot(1, 1);
  else if (mouse_down(2) || key_down(KEY_RIGHT)) shoot(1, 0);
}

void Player::pay(int amount, int nosound) {
  money = clamp_int(static_cast<int64_t>(money) - amount);
  if (nosound == 0) PlaySound2(SND_PAY, 1, 0, 0);
}

void Player::earn(int amount) { money = clamp_int(static_cast<int64_t>(money) + amount); }

template <class F>
void Player::buy(int cost, bool ok, int nosound, F effect) {
  if (ok && money >= cost) {
    pay(cost, nosound);
    effect();
    set_prices();
  } else if (nosound == 0) {
    PlaySound2(SND_NOMONEY, 1, 0, 0);
  }
}

void Player::buy_rocketpower(int nosound) {
  set_prices();
  buy(sprice_rocket_power, true, nosound, [this] {
    rocket_power *= FACTOR_ROCKET_POWER;
    level_rocket_power += 1;
  });
}

void Player::buy_rocketspeed(int nosound) {
  set_prices();
  buy(sprice_rocket_speed, true, nosound, [this] {
    rocket_maxspeed *= FACTOR_ROCKET_SPEED;
    level_rocket_speed += 1;
  });
}

void Player::buy_rocket(int nosound) {
  set_prices();
  buy(sprice_rocket, max_rockets < MAXIMUM_ROCKETS, nosound, [this] { set_maxrockets(max_rockets + 1); });
}

void Player::buy_human(int nosound) {
  set_prices();
  buy(sprice_human, static_cast<int>(HUMANLIST.count()) < MAXIMUM_HUMANS, nosound,
      [this] { Human::create(trunc_int(human_hp)); });
}

void Player::buy_human_hp(int nosound) {
  set_prices();
  buy(sprice_human_hp, true, nosound, [this] {
    human_hp *= FACTOR_HUMAN_HP;
    level_human_hp += 1;
  });
}

void Player::buy_human_money(int nosound) {
  set_prices();
  buy(sprice_human_money, true, nosound, [this] {
    human_money *= FACTOR_HUMAN_MONEY;
    level_human_money += 1;
  });
}

void Player::buy_aim(int nosound) {
  set_prices();
  buy(sprice_aim, true, nosound, [this] {
    time_to_aim *= FACTOR_AIM;
    level_aim += 1;
  });
}

int Player::getPlayerBombs() const {
  int n = 0;
  for (const auto& b : PLAYERBOMBLIST)
    if (b->isPlayerBomb != 0) ++n;
  return n;
}

void Player::shoot(int i, int force) {
  if (i < 0 || i > 1) return;
  // Without rockets or without speed the interval is endless: only fresh clicks get through then.
  const int interval =
      max_rockets > 0 && rocket_maxspeed > 0
          ? trunc_int(1000.0 * (5.0 / max_rockets) * (5.0 / rocket_maxspeed) * static_cast<double>(SHOOT_TIMEFACTOR))
          : std::numeric_limits<int>::max();
  const int now = millisecs();
  if (!(static_cast<int64_t>(now) - LAST_SHOT[i] > interval || force != 0)) return;
  LAST_SHOT[i] = now;

  if (getPlayerBombs() >= max_rockets) return;
  if ((STORY_MAX_ROUNDROCKETS >= 0 && World::round_rockets >= STORY_MAX_ROUNDROCKETS) ||
      (STORY_MAX_ROCKETS >= 0 && World::rockets_fired >= STORY_MAX_ROCKETS)) {
    Info::createText("OUT OF AMMO", graphics_width() / 2, 200, 50, 1, "", 0, 2, 2, 255, 0, 0);
    return;
  }
  World::round_rockets += 1;

  tower[i][2] = cannon_angle(tower[i][0], tower[i][1]);
  std::shared_ptr<Entity> target;
  if (static_cast<float>(now) - time_aimed >= time_to_aim) target = aimed_target;

  auto r = World::createPlayerBomb("BOMB_PLAYER", tower[i][0], tower[i][1], tower[i][2], target);
  if (r) {
    r->tp = trunc_int(rocket_power);
    r->max_speed = rocket_maxspeed;
    r->speed = rocket_maxspeed;
    r->isPlayerBomb = 1;
    if (target) {
      r->tp = trunc_int(r->tp * static_cast<double>(AIM_POWER));
      r->is_super = 1;
      // A lock time of zero has no proportion to scale by; the damage stays at the plain boost.
      if (level_aim > 0 && time_to_aim > 0)
        r->tp = trunc_int(r->tp * static_cast<double>(START_AIMTIME) / time_to_aim);
    }
  }
  PlaySound2(SND_SHOOT, 1, 0, static_cast<float>(2 * i - 1));
}

void Player::draw_tower() {
  set_scale(1, 1);
  set_color(255, 255, 255);
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  set_rotation(0);
  draw_image(img_tower, static_cast<float>(tower[0][0]), static_cast<float>(tower[0][1]), 0);
  set_scale(-1, 1);
  draw_image(img_tower, static_cast<float>(tower[1][0]), static_cast<float>(tower[1][1]), 0);
}

void Player::draw_cannon() {
  set_scale(1, 1);
  set_color(255, 255, 255);
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  for (int i = 0; i < 2; ++i) {
    // The right cannon is mirrored top to bottom so that it does not hang upside down.
    if (i == 1) set_scale(1, -1);
    tower[i][2] = cannon_angle(tower[i][0], tower[i][1]);
    set_rotation(static_cast<float>(tower[i][2]));
    draw_image(img_cannon, static_cast<float>(tower[i][0]), static_cast<float>(tower[i][1]), 0);
  }
}

void Player::draw_crosshair() {
  const int now = millisecs();
  const float mx = static_cast<float>(mouse_x()), my = static_cast<float>(mouse_y());
  const float waited = static_cast<float>(now) - time_aimed;
  // A lock time of zero or less counts as locked at once.
  const float a = time_to_aim > 0 ? waited / time_to_aim : 1.0f;
  const bool chain = chain_running(now);
  if (chain) {
    const float b = World::kill_chain_time > 0
                        ? static_cast<float>(now - World::last_kill_time) / static_cast<float>(World::kill_chain_time)
                        : 1.0f;
    const float s = 1.5f * (1 + 0.1f * a - 0.3f * b);
    set_blend(BLEND_LIGHT);
    set_rotation(a * 180);
    set_alpha(0.5f);
    set_color(0, 255, 0);
    set_scale(s, s);
    draw_image(img_crosshair, mx, my, 0);
  }
  set_blend(BLEND_ALPHA);
  set_rotation(0);
  set_alpha(1);
  set_scale(1, 1);
  if (waited >= time_to_aim) {
    set_color(255, 0, 0);
    set_scale(1.5f, 1.5f);
    set_rotation(180);
  } else if (aimed_target) {
    set_color(0, 0, 255);
    set_rotation(a * 180);
    set_scale(1 + 0.5f * a, 1 + 0.5f * a);
  } else {
    set_color(255, 255, 255);
  }
  draw_image(img_crosshair, mx, my, 0);
  if (chain) {
    set_blend(BLEND_ALPHA);
    set_rotation(0);
    set_alpha(1);
    set_color(0, 255, 0);
    set_scale(0.3f, 0.3f);
    draw_image(img_crosshair, mx, my, 0);
  }
}
