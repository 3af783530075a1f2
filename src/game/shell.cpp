// Start-up, the main loop and its dispatch by game state, Escape handling, the frame counter and TIME.
#include "shell.h"

#include "levels.h"
#include "player.h"
#include "shared_media.h"
#include "sound_text.h"
#include "weather.h"
#include "world.h"

int GAMESTATE = 1;
int ENDE = 0;
float TIME = 1.0f;
int restart_true = 0;
ParserPtr PARSER_SETTINGS;
int GROUND_Y = 0;
const std::string VERSION = "1.36";
int STORY = 1;
int HC_MODE = 0;
int INTERNET = 0;
int GAME_RUNNING = 0;
float MUSIC_VOLUME = 0.3f;
int SHOW_HP = 1;
float SHOOT_TIMEFACTOR = 1.0f;
int CROSSHAIR = 1;
int MAX_PARTICLES = 100;
int PARTICLERAND_RAUCH = 9, PARTICLES_AIRPLANEHIT = 1, PARTICLES_AIRPLANEDIE = 20, PARTICLETIME_ROCKETSCHWEIF = 25,
    PARTICLE_HUMAN_BLOODFACTOR = 3;
int WINNER_TIME = 4800;
int WIN_TIME = 0;
int TOTAL_WAITTIME_FORPARTICLE = 50;
float MAX_WAITTIME_FORPARTICLE = 0.0f;
int PLAY_WINSOUND = 0;
int SOUND_EXPLOSION_MAX = 3, SOUND_EXPLOSION_COUNTER = 0;
int SND_BEEP_LASTPLAYED = 0;
int RUMBLE = 0;
int CRC_CHECKSUM = 0;
int price_next_wave = -1;
int main_menu_load = 0;
MenuPage ACTIVE_MENU = MenuPage::None;

Image cursor_menu, logo, endmasterHP_img, teamlogo;
Image STDIMG_CROSSHAIR, STDIMG_CROSSHAIR_MENU;
Sound SND_MUSIC_MENU, SND_MUSIC_GAME, SND_WELCOME;

namespace Shell {

const char* const CREDIT_LINE = "Pellaron Arcade Team";

namespace {

const char* const SETTINGS_PATH = "data/settings.txt";
// What a new player's settings file holds: a window, music and sound on.
const char* const DEFAULT_SETTINGS[] = {
    "NICK: QORVEX",       "FULLSCREEN: OFF",     "Music: ON",     "Sound: ON",
    "HPDisplay: NORMAL",  "Autofire: NORMAL",    "Particles: NORMAL", "Highscore: Local",
    "Crosshair: 1",       "Host: localhost",     "Script: /highscore.php", "HCMode: OFF"};

// Frame counter and frame clock; set at start-up, updated every frame.
int fps_count = 0, fps_last_time = 0, fps_value = 0, show_fps = 0;
// Kept in double: a float loses whole milliseconds after a few hours of play.
double fs = 0.0;

// A missing settings file counts as empty for this run (every default applies), and the
// shipped defaults are written so that the next start finds them.
ParserPtr read_settings() {
  ParserPtr p = Parser::create(SETTINGS_PATH, 0, ":", "//");
  if (p) return p;
  if (file_type("data") == 0) make_dir("data");
  if (StreamPtr out = open_write(SETTINGS_PATH)) {
    for (const char* line : DEFAULT_SETTINGS) write_line(out, line);
    close_stream(out);
  }
  return Parser::empty();
}

}  // namespace

void draw_splash() {
  set_alpha(1);
  set_scale(2, 2);
  set_blend(BLEND_ALPHA);
  set_rotation(0);
  set_color(255, 255, 255);
  draw_image(teamlogo, 512, 384);
  set_blend(BLEND_LIGHT);
  set_scale(3, 3);
  set_color(0, 255, 255);
  const std::string by = "A Game by";
  DrawText3(by, static_cast<int>(512 - text_width(by) * 1.5f), static_cast<int>(300 - text_height(by) * 1.5f - 150));
  set_color(255, 255, 255);
  const std::string credit = CREDIT_LINE;
  DrawText3(credit, static_cast<int>(512 - text_width(credit) * 1.5f),
            static_cast<int>(768 - text_height(credit) * 1.5f - 100));
}

namespace {

bool splash_skipped() {
  for (int k = 0; k < 256; ++k)
    if (key_down(k)) return true;
  return mouse_down(1) || mouse_down(2);
}

void game_music() {
  if (SND_MUSIC_ACTIVE != SND_MUSIC_GAME) PlayMusic(SND_MUSIC_GAME, MUSIC_VOLUME);
}
void menu_music() {
  if (SND_MUSIC_ACTIVE != SND_MUSIC_MENU) PlayMusic(SND_MUSIC_MENU, 0.8f);
}

void handle_escape() {
  if (!key_hit(KEY_ESCAPE)) return;
  if (GAMESTATE < 0) {
    if (ACTIVE_MENU == MenuPage::Main) {
      GAMESTATE = 5;
      flush_keys();
    } else if (ACTIVE_MENU == MenuPage::Pause) {
      World::end_pause();
    } else {
      ACTIVE_MENU = MenuPage::Main;
    }
  } else if (GAMESTATE >= 1 && GAMESTATE <= 3) {
    World::pause_game();
  } else if (GAMESTATE == 5) {
    ENDE = 1;
  } else if (GAMESTATE == 12) {
    GAMESTATE = -1;
    ACTIVE_MENU = MenuPage::Start;
  }
  flush_keys();
}

void run_state() {
  const int s = GAMESTATE;
  if (s < 0) {
    World::update_mainmenu();
    menu_music();
    return;
  }
  switch (s) {
    case 1:
      World::update_game();
      if (INTERNET == 0) {
        if (key_hit(121)) World::next_level();
        if (key_hit(120)) World::finish_level();
      }
      game_music();
      break;
    case 2:
      if (INTERNET == 0 && p) {
        if (key_hit(119)) p->earn(100000);
        if (key_hit(118)) {
          p->buy_human(1);
          p->buy_human_hp(1);
          p->buy_human_money(1);
          p->buy_rocket(1);
          p->buy_rocketspeed(1);
          p->buy_rocketpower(1);
          p->buy_aim(1);
        }
      }
      World::update_buymenu();
      game_music();
      break;
    case 3:
      World::update_intro();
      game_music();
      break;
    case 4:
      World::update_outro(1);
      if (millisecs() <= WIN_TIME + WINNER_TIME) set_channel_volume(CHANNEL_MUSIC, 0);
      else menu_music();
      break;
    case 5:
      World::update_totalintro();
      menu_music();
      break;
    case 6:
      World::update_outro(0);
      if (millisecs() <= WIN_TIME + 4800) set_channel_volume(CHANNEL_MUSIC, 0);
      else menu_music();
      break;
    case 8:
      World::update_tutorial();
      menu_music();
      break;
    case 9:
    case 10:
      World::update_highscore();
      menu_music();
      break;
    case 11:
      World::update_team();
      menu_music();
      break;
    case 12:
      // The secret unlock letters arrive with the campaign map.
      World::update_map();
      menu_music();
      break;
    default:
      break;
  }
}

}  // namespace

bool startup() {
  static bool exit_handler_registered = false;
  if (!exit_handler_registered) at_program_exit(restart);
  exit_handler_registered = true;
  hide_mouse();
  PARSER_SETTINGS = read_settings();
  const int depth = PARSER_SETTINGS->get("FULLSCREEN", "ON") == "OFF" ? 0 : 32;
  if (!open_graphics(1024, 768, depth, 60)) return false;
  set_mask_color(255, 0, 255);
  GROUND_Y = graphics_height() - 50;

  auto_mid_handle(false);
  kewlfont = load_anim_image("gfx/kewlfont.png", 64, 64, 0, 128, IMAGE_DEFAULT);
  mid_handle_image(kewlfont);
  cursor_menu = load_image("gfx/hand.png", IMAGE_DEFAULT);
  set_image_handle(cursor_menu, 0, 0);
  logo = load_image("gfx/logo.png", IMAGE_DEFAULT);
  mid_handle_image(logo);
  endmasterHP_img = load_image("gfx/hp_crossbar.png", IMAGE_DEFAULT);
  mid_handle_image(endmasterHP_img);
  teamlogo = load_image("gfx/team_logo.png", IMAGE_DEFAULT);
  mid_handle_image(teamlogo);
  CHANNEL_MUSIC = alloc_channel();
  SND_MUSIC_MENU = load_sound("sfx/menu.ogg", 0);

  MUSIC_ON = PARSER_SETTINGS->get("MUSIC", "OFF") == "ON" ? 1 : 0;
  SND_MUSIC_ACTIVE = SND_MUSIC_MENU;
  PlayMusic(SND_MUSIC_ACTIVE, 1.0f);

  SND_WELCOME = load_sound("sfx/welcome.ogg", 0);
  if (PARSER_SETTINGS->get("SOUND", "OFF") == "ON") PlaySound2(SND_WELCOME, 1.0f, 0, 0);

  draw_splash();
  flip();
  clear_screen();
  const int teamlogo_time = millisecs();

  load_shared_media();
  w = Weather::create(0, 0, 0, 0, 0);

  l = Levels::create("data/campaign.txt");
  hide_mouse();
  fs = 0;
  GAMESTATE = l->profile_Parser->getint("first_start", 0) == 1 ? 8 : 5;
  l->profile_Parser->changeEntry("first_start", "0");
  l->profile_Parser->saveList(PROFILE_PATH);

  fps_count = fps_last_time = fps_value = show_fps = 0;
  STDIMG_CROSSHAIR = load_image("gfx/crosshair1.png", IMAGE_DEFAULT);
  mid_handle_image(STDIMG_CROSSHAIR);
  STDIMG_CROSSHAIR_MENU = load_image("gfx/menu_shade.png", IMAGE_DEFAULT);
  mid_handle_image(STDIMG_CROSSHAIR_MENU);

  while (millisecs() < teamlogo_time + 2000) {
    poll_events();
    if (close_requested() || splash_skipped()) break;
    delay(5);
  }
  flush_keys();
  hide_mouse();
  return true;
}

void frame() {
  clear_screen();
  PlayMusic(nullptr, -1);
  if (GAME_RUNNING == 0) set_origin(0, 0);
  handle_escape();
  run_state();

  if (show_fps != 0) {
    ++fps_count;
    if (millisecs() > fps_last_time) {
      fps_last_time = millisecs() + 1000;
      fps_value = fps_count;
      fps_count = 0;
    }
    set_scale(1, 1);
    set_color(255, 255, 255);
    set_rotation(0);
    set_blend(BLEND_ALPHA);
    set_alpha(1);
    DrawText2(std::to_string(fps_value), mouse_x(), mouse_y() + 50);
  }
  if (key_hit(KEY_F12)) show_fps = 1 - show_fps;

  const float d = static_cast<float>(millisecs() - fs);
  TIME = d < 200 ? d / 20.0f : 1.0f;
  fs = millisecs();
  flip();
  // The window's close button ends the game like the quit button.
  if (close_requested()) ENDE = 1;
}

int run() {
  if (!startup()) {
    print_line("Pellaron: the screen could not be opened.");
    return 1;
  }
  while (ENDE == 0) frame();
  return 0;
}

}  // namespace Shell

void quit() {
  ENDE = 1;
  flush_keys();
}

void restart() {
  if (restart_true == 0) return;
  restart_true = 0;
  stop_channel(CHANNEL_MUSIC);
  close_graphics();
  run_program(own_executable_path());
}
