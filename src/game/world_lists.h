// The world's eight object lists and the factories, removals and scoring through which objects enter and leave them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "list.h"
#include "world.h"

class Airplane;
class Bomb;
class Blood;
class Cloud;
class Entity;
class Explosion;
class Human;
class Info;
class Particle;

extern List<Human> HUMANLIST;
extern List<Airplane> AIRPLANELIST;       // enemy airplanes in play
extern List<Airplane> AIRPLANEWAITLIST;   // enemy airplanes waiting for a free place
extern List<Airplane> HELPERLIST;         // the player's friendly airplanes
extern List<Bomb> ENEMYBOMBLIST;
extern List<Bomb> PLAYERBOMBLIST;         // rockets and helpers' bombs
extern List<Particle> PARTICLELIST;
extern List<Info> INFOLIST;

// Until when each explosion-sound slot is busy (SOUND_EXPLOSION_MAX slots).
extern std::vector<int> SOUND_EXPLOSION_TIME;

namespace World {

extern std::shared_ptr<Info> kill_chain_info;  // the message of the current kill chain

// Receiver the loading screen connects when it exists: fraction done and what is loading.
extern std::function<void(float, const std::string&)> loadscreen_hook;
void draw_loadscreen(float percent, const std::string& description);

std::shared_ptr<Airplane> createAirplane(const std::string& name, int x, int y, int rotation, int carrier);
std::shared_ptr<Airplane> createHelper(const std::string& name, int x, int y, int rotation);
std::shared_ptr<Bomb> createEnemyBomb(const std::string& name, int x, int y, int rotation,
                                      const std::shared_ptr<Entity>& target);
std::shared_ptr<Bomb> createPlayerBomb(const std::string& name, int x, int y, int rotation,
                                       const std::shared_ptr<Entity>& target);
void deleteAirplane(Airplane* a);
void deleteBomb(Bomb* b);
std::shared_ptr<Explosion> createExplosion(int typ, int x, int y, int lifetime, float size, int tp, int silent,
                                           int rumble);
std::shared_ptr<Cloud> createCloud(int typ, int x, int y, int lifetime, float size, int tp, int silent);
// None when the particle budget is spent and the particle is only smoke (kind 2).
std::shared_ptr<Blood> createBlood(int x, int y, int rotation, float speed, float size, int metal, int lifetime);
void deleteBlood(Blood* b);
void count_blood();
void add_shot(int x, int y);
void add_crashhit(int x, int y);
void resetLists();
void update_infos();

}  // namespace World
