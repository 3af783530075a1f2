// The world's clock, statistics and pausing; screens whose content is still to come draw nothing yet.
#include "world.h"

#include "platform.h"
#include "shell.h"

namespace World {

int pause_time = 0;
std::string campaign_folder;
std::string level_file;
int max_airplanes = 0;
int level_count = 0;
int intro_time = 0;
int wave_airplanes = 0;
int game_start_time = 0;
int game_end_time = 0;
int money_earned = 0, rockets_fired = 0, bombs_destroyed = 0, airplanes_destroyed = 0, humans_died = 0;
std::string nickname;
int highscore_rank = 0;
int round_start_time = 0;
int round_rockets = 0;
float no_rockets_wait = 0;
int unstoppable_count = 0, unstoppable_chances = 0, crash_hits = 0;
int kill_chain_time = 3000;
int last_kill_time = 0;
int kill_chain = 0;
int blood_count = 0;

void pause_game() {
  GAMESTATE = -GAMESTATE;
  pause_time = millisecs();
}

void end_pause() {
  GAMESTATE = -GAMESTATE;
  game_start_time += millisecs() - pause_time;
}

// Screens that arrive with their own areas of the game.
void update_game() {}
void update_buymenu() {}
void next_level() {}
void finish_level() {}
void update_intro() {}
void update_outro(int) {}
void update_totalintro() {}
void update_tutorial() {}
void update_highscore() {}
void update_team() {}
void update_map() {}
void update_mainmenu() {}

}  // namespace World
