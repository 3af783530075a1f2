// Factories and removals of the world's objects, the airplane queue, explosion-sound slots, the blood
// budget and the scoring of kill chains and crash hits.
#include "world_lists.h"

#include <algorithm>
#include <cstdint>

#include "airplane.h"
#include "bomb.h"
#include "config.h"
#include "effects.h"
#include "entity.h"
#include "human.h"
#include "info.h"
#include "player.h"
#include "shared_media.h"
#include "shell.h"
#include "sound_text.h"
#include "weather.h"

List<Human> HUMANLIST;
List<Airplane> AIRPLANELIST;
List<Airplane> AIRPLANEWAITLIST;
List<Airplane> HELPERLIST;
List<Bomb> ENEMYBOMBLIST;
List<Bomb> PLAYERBOMBLIST;
List<Particle> PARTICLELIST;
List<Info> INFOLIST;
std::vector<int> SOUND_EXPLOSION_TIME;

namespace World {

std::shared_ptr<Info> kill_chain_info;
std::function<void(float, const std::string&)> loadscreen_hook;

void draw_loadscreen(float percent, const std::string& description) {
  if (loadscreen_hook) loadscreen_hook(percent, description);
}

std::shared_ptr<Airplane> createAirplane(const std::string& name, int x, int y, int rotation, int carrier) {
  auto a = Airplane::create(name, x, y, rotation);
  if (max_airplanes > 0) {
    if (static_cast<int>(AIRPLANELIST.count()) < max_airplanes) AIRPLANELIST.add_last(a);
    else if (carrier == 0) AIRPLANEWAITLIST.add_last(a);
    // A carrier's launch into a full sky goes nowhere.
  } else {
    AIRPLANELIST.add_last(a);
  }
  return a;
}

std::shared_ptr<Airplane> createHelper(const std::string& name, int x, int y, int rotation) {
  auto a = Airplane::create(name, x, y, rotation);
  a->isFriend = 1;
  HELPERLIST.add_last(a);
  return a;
}

std::shared_ptr<Bomb> createEnemyBomb(const std::string& name, int x, int y, int rotation,
                                      const std::shared_ptr<Entity>& target) {
  auto b = Bomb::create(name, x, y, rotation, target);
  ENEMYBOMBLIST.add_last(b);
  return b;
}

std::shared_ptr<Bomb> createPlayerBomb(const std::string& name, int x, int y, int rotation,
                                       const std::shared_ptr<Entity>& target) {
  auto b = Bomb::create(name, x, y, rotation, target);
  PLAYERBOMBLIST.add_last(b);
  rockets_fired += 1;
  b->schwabbel_T = 500;
  return b;
}

void deleteAirplane(Airplane* a) {
  if (HELPERLIST.contains(a)) {
    HELPERLIST.remove(a);
    return;
  }
  AIRPLANELIST.remove(a);
  if (max_airplanes >= 0 && !AIRPLANEWAITLIST.is_empty()) {
    auto next = AIRPLANEWAITLIST.first();
    AIRPLANELIST.add_last(next);
    AIRPLANEWAITLIST.remove(next);
  }
  airplanes_destroyed += 1;
  if (!a->father) add_shot(trunc_int(a->x), trunc_int(a->y));
  if (a->is_crashing >= 5 && !a->father && a->y < GROUND_Y) add_crashhit(trunc_int(a->x), trunc_int(a->y));
}

void deleteBomb(Bomb* b) {
  if (ENEMYBOMBLIST.contains(b)) {
    ENEMYBOMBLIST.remove(b);
    bombs_destroyed += 1;
  } else {
    PLAYERBOMBLIST.remove(b);
  }
}

std::shared_ptr<Explosion> createExplosion(int typ, int x, int y, int lifetime, float size, int tp, int silent,
                                           int rumble) {
  auto e = Explosion::create(typ, x, y, lifetime, size, tp);
  PARTICLELIST.add_last(e);
  const int slots = std::max(1, SOUND_EXPLOSION_MAX);
  if (static_cast<int>(SOUND_EXPLOSION_TIME.size()) != slots) SOUND_EXPLOSION_TIME.assign(slots, 0);
  if (SOUND_EXPLOSION_COUNTER < 0 || SOUND_EXPLOSION_COUNTER >= slots) SOUND_EXPLOSION_COUNTER = 0;
  const int k = SOUND_EXPLOSION_COUNTER;
  if (millisecs() > SOUND_EXPLOSION_TIME[k]) {
    SOUND_EXPLOSION_TIME[k] = millisecs() + 500;
    SOUND_EXPLOSION_COUNTER = k + 1 > slots - 1 ? 0 : k + 1;
    if (size > 0.2f && silent == 0) {
      const float v = std::min(size, 1.0f);
      const Sound& s = SND_EXPLOSION[rand_int(0, 3)];
      PlaySound2(s, MUSIC_ON == 0 ? v * 0.5f : v * 0.45f, 0, 0);
    }
  }
  if (rumble != 0 && size >= 2 && w) w->add_rumble(size * 2);
  return e;
}

std::shared_ptr<Cloud> createCloud(int typ, int x, int y, int lifetime, float size, int tp, int silent) {
  auto c = Cloud::create(typ, x, y, lifetime, size, tp, 0);
  PARTICLELIST.add_last(c);
  if (typ == 1 && silent == 0) PlaySound2(SND_ANTHRAX, 0.2f, 0, 0);
  return c;
}

std::shared_ptr<Blood> createBlood(int x, int y, int rotation, float speed, float size, int metal, int lifetime) {
  blood_count += 1;
  if (blood_count > MAX_PARTICLES) {
    for (const auto& q : PARTICLELIST) {
      if (auto oldest = dynamic_cast<Blood*>(q.get())) {
        oldest->die();
        break;
      }
    }
    if (metal == 2) {
      blood_count -= 1;
      return nullptr;
    }
  }
  auto b = Blood::create(x, y, rotation, speed, size, metal, lifetime);
  PARTICLELIST.add_last(b);
  return b;
}

void deleteBlood(Blood* b) {
  // A particle already gone (cleared lists, a second death) is not counted twice.
  if (PARTICLELIST.remove(b)) blood_count -= 1;
}

void count_blood() {
  blood_count = 0;
  for (const auto& q : PARTICLELIST)
    if (dynamic_cast<Blood*>(q.get())) ++blood_count;
}

namespace {

void money_particles() {
  for (int i = 0; i <= 5; ++i) {
    const int y = rand_int(-10, 10);
    const float size = rand_float(0.5f, 1.9f);
    createBlood(graphics_width() - 100 + 20 * i, y, 90, 1.0f, size, 4, 100);
  }
}

int player_money_unit() { return p ? trunc_int(p->human_money) : 0; }

// Saturating: a level file may set absurd incomes, and the tally must not wrap round.
void earn(int m) {
  if (p) p->earn(m);
  money_earned = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(money_earned) + m, INT32_MIN, INT32_MAX));
}

}  // namespace

void add_shot(int x, int y) {
  if (millisecs() - last_kill_time < kill_chain_time) kill_chain += 1;
  else kill_chain = 1;
  last_kill_time = millisecs();
  int money = player_money_unit();
  if (kill_chain >= 3 && kill_chain_info) INFOLIST.remove(kill_chain_info);
  const int m = trunc_int(money * MONEY_FACTOR);
  const std::string ms = std::to_string(m);
  std::string text;
  int lifetime = 300;
  float scale = 3.0f;
  Sound sound;
  switch (kill_chain) {
    case 1: money = 0; break;
    case 2: text = "1x" + ms + "$"; lifetime = 200; scale = 1.0f; sound = SND_SHOT_DOUBLE; break;
    case 3: text = "2x" + ms + "$"; lifetime = 220; scale = 1.5f; sound = SND_SHOT_TRIPPLE; break;
    case 4: text = "3x" + ms + "$"; lifetime = 250; scale = 2.0f; sound = SND_SHOT_QUADRO; break;
    case 5: text = "4x " + ms + "$"; lifetime = 270; scale = 2.3f; sound = SND_SHOT_QUINTO; break;
    case 6: text = "5x"; sound = SND_SHOT_SEXTA; break;
    case 35: text = "34x"; sound = SND_SHOT_WICKED; break;
    default: text = std::to_string(kill_chain - 1) + "x"; break;
  }
  if (!text.empty() && MONEY_FACTOR > 0)
    kill_chain_info = Info::createText(text, x, y, lifetime, 1, "", 0, scale, scale, 255, 0, 0);
  if (sound && kill_chain != wave_airplanes) PlaySound2(sound, 1.6f, 0, 0);
  if (kill_chain == wave_airplanes && wave_airplanes > 3) {
    kill_chain_info =
        Info::createText("UNSTOPPABLE", 512, text_height("U") * 5 + 384, 300, 1, "", 0, 5, 7, 255, 0, 0);
    unstoppable_count += 1;
    PlaySound2(SND_SHOT_UNSTOPPABLE, 1.6f, 0, 0);
    earn(UNSTOPPABLE_BONUS);
  }
  const int paid = trunc_int(money * MONEY_FACTOR);
  if (paid > 0) {
    earn(paid);
    money_particles();
  }
}

void add_crashhit(int x, int y) {
  const int m = trunc_int(player_money_unit() * MONEY_FACTOR);
  Info::createText("1x " + std::to_string(m) + "$", x, y, 200, 1, "", 0, 1, 1, 0, 255, 0);
  PlaySound2(SND_SHOT_CRASH, 1.0f, 0, 0);
  crash_hits += 1;
  if (m > 0) {
    earn(m);
    money_particles();
  }
}

void resetLists() {
  HUMANLIST.clear();
  AIRPLANELIST.clear();
  AIRPLANEWAITLIST.clear();
  HELPERLIST.clear();
  ENEMYBOMBLIST.clear();
  PLAYERBOMBLIST.clear();
  PARTICLELIST.clear();
  INFOLIST.clear();
}

void update_infos() {
  for (auto i : INFOLIST) i->update();
}

}  // namespace World
