// The program body: start-up, the main loop with its game states, and the program-wide globals it owns.
#pragma once

#include <string>

#include "parser.h"
#include "platform.h"

// ---- Program-wide globals. All are set once at start-up unless a comment says otherwise. ----
extern int GAMESTATE;        // current game state; handlers and Escape change it every frame
extern int ENDE;             // non-zero ends the main loop after the current frame
extern float TIME;           // previous frame's duration / 20 ms (1 after a frame of 200 ms or more); set every frame
extern int restart_true;     // non-zero makes the exit handler start the program again
extern ParserPtr PARSER_SETTINGS;  // data/settings.txt as read at start-up; kept for the whole run
extern int GROUND_Y;         // screen row of the ground line
extern const std::string VERSION;
extern int STORY;            // 1 campaign game, 0 arcade game; set when a game starts
extern int HC_MODE;          // hardcore mode; set by the options
extern int INTERNET;         // arcade scores go online; set when a Time Attack game starts
extern int GAME_RUNNING;     // a game is in progress; set when a game starts, cleared when it ends
extern float MUSIC_VOLUME;   // in-game music volume; set by the level configuration and waves
extern int SHOW_HP;          // hit-point bar display mode; set by the options
extern float SHOOT_TIMEFACTOR;  // auto-fire interval factor; set by the options
extern int CROSSHAIR;        // number of the chosen crosshair image; set by the options
extern int MAX_PARTICLES;    // particle budget; set by the options
extern int PARTICLERAND_RAUCH, PARTICLES_AIRPLANEHIT, PARTICLES_AIRPLANEDIE, PARTICLETIME_ROCKETSCHWEIF,
    PARTICLE_HUMAN_BLOODFACTOR;  // particle amounts; set by the options
extern int WINNER_TIME;      // ms the music stays silent after a won game; set by the level configuration
extern int WIN_TIME;         // millisecs() when the last wave was finished
extern int TOTAL_WAITTIME_FORPARTICLE;   // wait after a wave's last airplane, in TIME units
extern float MAX_WAITTIME_FORPARTICLE;   // the running count-down of that wait; reset at every wave
extern int PLAY_WINSOUND;    // the wave-cleared effects are still to be played; set at every wave
extern int SOUND_EXPLOSION_MAX, SOUND_EXPLOSION_COUNTER;  // explosion-sound slots
extern int SND_BEEP_LASTPLAYED;  // time of the last count-down beep
extern int RUMBLE;           // screen-shake setting of the wave; set by every wave
extern int CRC_CHECKSUM;     // checksum of the campaign's data files; set when a campaign loads
extern int price_next_wave;  // used by the shop
extern int main_menu_load;   // used by the menu pages

// The page the menu shows while GAMESTATE < 0; the menus set it, Escape reads it.
enum class MenuPage { None, Main, Pause, Start, Other };
extern MenuPage ACTIVE_MENU;

// Shared media loaded at start-up and never released.
extern Image cursor_menu, logo, endmasterHP_img, teamlogo;
extern Image STDIMG_CROSSHAIR, STDIMG_CROSSHAIR_MENU;
extern Sound SND_MUSIC_MENU, SND_MUSIC_GAME, SND_WELCOME;

namespace Shell {

// Start-up up to the first frame: settings, screen, shared media, splash and its wait.
// Returns false when no screen could be opened.
bool startup();
// One turn of the main loop: clear, music, Escape, the state's handler, frame counter, TIME, flip.
void frame();
// startup() and frames until ENDE is set. Returns the program's exit status.
int run();

// Draws the team-logo splash with its credit lines (start-up presents it once).
void draw_splash();

// The text of the splash's second credit line.
extern const char* const CREDIT_LINE;

}  // namespace Shell

// Ends the main loop after the current frame (the main menu's quit button).
void quit();
// Exit handler: starts the program again when restart_true is set (a changed screen mode).
void restart();
