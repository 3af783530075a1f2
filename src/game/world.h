// The world: game flow and screens as functions of one namespace, with the wave clock, statistics and kill chain.
#pragma once

#include <string>

namespace World {

// ---- Wave clock, statistics and kill chain. Cleared when a game starts unless a comment says otherwise. ----
extern int pause_time;           // millisecs() when the game was paused
extern std::string campaign_folder;  // folder under data/ of the running campaign; also its highscore map name
extern std::string level_file;   // the campaign's levels.txt, relative to data/
extern int max_airplanes;        // most enemy airplanes in play at once (0 or less: no limit); set by every wave
extern int level_count;          // waves in the level file
extern int intro_time;           // remaining wave-intro time in TIME units; set by every wave
extern int wave_airplanes;       // airplane entries of the current wave; set by every wave
extern int game_start_time;      // millisecs() at campaign start, moved forward by every pause
extern int game_end_time;        // millisecs() when the game was won or lost
extern int money_earned, rockets_fired, bombs_destroyed, airplanes_destroyed, humans_died;
extern std::string nickname;     // the player's nick for highscores; set by the options
extern int highscore_rank;       // rank of the last stored arcade score; -1 none
extern int round_start_time;     // millisecs() when the current wave started
extern int round_rockets;        // rockets fired in the current wave
extern float no_rockets_wait;    // time waited without rockets, for the story rocket limits
extern int unstoppable_count, unstoppable_chances, crash_hits;
extern int kill_chain_time;      // ms within which the next kill continues a chain (3000, never changed)
extern int last_kill_time;       // millisecs() of the last scored kill
extern int kill_chain;           // kills in the current chain
extern int blood_count;          // Blood particles alive

// ---- Game-state handlers called by the main loop; each draws its own screen. ----
void update_game();       // 1: a wave in play
void update_buymenu();    // 2: the shop
void next_level();
void finish_level();
void update_intro();      // 3: wave intro
void update_outro(int win);  // 4 won, 6 lost
void update_totalintro(); // 5: title screen
void update_tutorial();   // 8
void update_highscore();  // 9, 10
void update_team();       // 11: credits
void update_map();        // 12: campaign map
void update_mainmenu();   // < 0: menus and the paused game

// Pausing negates the state; resuming restores it and moves the game clock past the pause.
void pause_game();
void end_pause();

}  // namespace World
