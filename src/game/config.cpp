// Reading a campaign's config.txt into the globals of its economy and media, and the data checksum.
#include "config.h"

#include <cstdint>

#include "effects.h"
#include "human.h"
#include "parser.h"
#include "shared_media.h"
#include "shell.h"

std::string STORY_NAME, STORY_DESCRIPTION, STORY_DIFFICULTY;
int STORY_MAX_TIME = 0, STORY_MAX_ROUNDTIME = 0;
int STORY_MAX_ROCKETS = 0, STORY_MAX_ROUNDROCKETS = 0, STORY_MAX_HUMAN = 0, STORY_MIN_MONEY = 0;
int START_LEVEL = 0, START_MONEY = 0, START_HUMANS = 0, START_ROCKETS = 0;
int START_HUMAN_HP = 0, START_HUMAN_MONEY = 0, START_ROCKET_POWER = 0, START_ROCKET_SPEED = 0, START_AIMTIME = 0;
float MONEY_FACTOR = 0;
int PRICE_HUMAN = 0, PRICE_HUMAN_HP = 0, PRICE_HUMAN_MONEY = 0, PRICE_ROCKET = 0, PRICE_ROCKET_SPEED = 0,
    PRICE_ROCKET_POWER = 0, PRICE_AIM = 0;
float FACTOR_PRICE_HUMAN = 0, FACTOR_PRICE_HUMAN_HP = 0, FACTOR_PRICE_HUMAN_MONEY = 0, FACTOR_PRICE_ROCKET = 0,
      FACTOR_PRICE_ROCKET_SPEED = 0, FACTOR_PRICE_ROCKET_POWER = 0, FACTOR_PRICE_AIM = 0;
float FACTOR_HUMAN_HP = 0, FACTOR_HUMAN_MONEY = 0, FACTOR_ROCKET_SPEED = 0, FACTOR_ROCKET_POWER = 0, FACTOR_AIM = 0;
int MAXIMUM_ROCKETS = 0, MAXIMUM_HUMANS = 0;
float HUMAN_HPREFRESH = 0, AIM_POWER = 0, BLOODY = 0;
Image STDIMG_TOWER, STDIMG_CANNON;
int BUTTON_HUMAN_DISABLED = 0, BUTTON_HUMAN_HP_DISABLED = 0, BUTTON_HUMAN_MONEY_DISABLED = 0,
    BUTTON_ROCKET_DISABLED = 0, BUTTON_ROCKET_SPEED_DISABLED = 0, BUTTON_ROCKET_POWER_DISABLED = 0,
    BUTTON_AIMTIME_DISABLED = 0;
Image SHOP_IMG_BUTTON, SHOP_IMG_ICONS[9], SHOP_IMG_LOCKED;
Image IMG_BULLET;
int CRASHING_ROCKETS = 0;
int COLOR_HPBAR_RED = 0, COLOR_HPBAR_GREEN = 0, COLOR_HPBAR_BLUE = 0;
Sound SND_SCREAM, SND_WIN, SND_WINNER, SND_SHOOT, SND_ANTHRAX, SND_NEWROUND;
int UNSTOPPABLE_BONUS = 0;

namespace {

void load_shop_images(const std::string& folder) {
  static const char* const icons[9] = {"button_human.png",        "button_human_power.png", "button_human_money.png",
                                       "button_rocket.png",       "button_rocket_power.png", "button_rocket_speed.png",
                                       "button_aim.png",          "button_go.png",           "button_auto.png"};
  set_mask_color(255, 0, 255);
  SHOP_IMG_BUTTON = load_image(folder + "button.png", IMAGE_DEFAULT);
  for (int i = 0; i < 9; ++i) SHOP_IMG_ICONS[i] = load_image(folder + icons[i], IMAGE_DEFAULT);
  SHOP_IMG_LOCKED = load_image(folder + "button_locked.png", IMAGE_DEFAULT);
}

}  // namespace

void load_config(const std::string& filename) {
  ParserPtr c = Parser::create("data/" + filename, 0, ":", "//");
  if (!c) c = Parser::empty();
  const Parser& P = *c;

  STORY_NAME = P.get("STORY_NAME", "Level");
  STORY_DESCRIPTION = P.get("STORY_DESCRIPTION", "No description available");
  STORY_DIFFICULTY = P.get("STORY_DIFFICULTY", "NOT SPECIFIED");
  STORY_MAX_TIME = P.getint("STORY_MAX_TIME", -1) * 1000;
  STORY_MAX_ROUNDTIME = P.getint("STORY_MAX_ROUNDTIME", -1) * 1000;
  STORY_MAX_ROCKETS = P.getint("STORY_MAX_ROCKETS", -1);
  STORY_MAX_ROUNDROCKETS = P.getint("STORY_MAX_ROUNDROCKETS", -1);
  STORY_MAX_HUMAN = P.getint("STORY_MAX_HUMAN", -1);
  STORY_MIN_MONEY = P.getint("STORY_MIN_MONEY", -1);
  START_LEVEL = P.getint("START_LEVEL", 0);
  START_MONEY = P.getint("START_MONEY", 0);
  START_HUMANS = P.getint("START_HUMANS", 3);
  START_ROCKETS = P.getint("START_ROCKETS", 3);
  START_HUMAN_HP = P.getint("START_HUMAN_HP", 50);
  START_HUMAN_MONEY = P.getint("START_HUMAN_MONEY", 100);
  START_ROCKET_POWER = P.getint("START_ROCKET_POWER", 50);
  START_ROCKET_SPEED = P.getint("START_ROCKET_SPEED", 3);
  START_AIMTIME = P.getint("START_AIMTIME", 1000);
  MONEY_FACTOR = P.getfloat("MONEY_FACTOR", 1.0f);
  PRICE_HUMAN = P.getint("PRICE_HUMAN", 100);
  PRICE_HUMAN_HP = P.getint("PRICE_HUMAN_HP", 100);
  PRICE_HUMAN_MONEY = P.getint("PRICE_HUMAN_MONEY", 100);
  PRICE_ROCKET = P.getint("PRICE_ROCKET", 100);
  PRICE_ROCKET_SPEED = P.getint("PRICE_ROCKET_SPEED", 100);
  PRICE_ROCKET_POWER = P.getint("PRICE_ROCKET_POWER", 100);
  PRICE_AIM = P.getint("PRICE_AIM", 100);
  FACTOR_PRICE_HUMAN = P.getfloat("FACTOR_PRICE_HUMAN", 1.0f);
  FACTOR_PRICE_HUMAN_HP = P.getfloat("FACTOR_PRICE_HUMAN_HP", 1.0f);
  FACTOR_PRICE_HUMAN_MONEY = P.getfloat("FACTOR_PRICE_HUMAN_MONEY", 1.0f);
  FACTOR_PRICE_ROCKET = P.getfloat("FACTOR_PRICE_ROCKET", 1.0f);
  FACTOR_PRICE_ROCKET_SPEED = P.getfloat("FACTOR_PRICE_ROCKET_SPEED", 1.0f);
  FACTOR_PRICE_ROCKET_POWER = P.getfloat("FACTOR_PRICE_ROCKET_POWER", 1.0f);
  FACTOR_PRICE_AIM = P.getfloat("FACTOR_PRICE_AIM", 1.0f);
  FACTOR_HUMAN_HP = P.getfloat("FACTOR_HUMAN_HP", 1.0f);
  FACTOR_HUMAN_MONEY = P.getfloat("FACTOR_HUMAN_MONEY", 1.0f);
  FACTOR_ROCKET_SPEED = P.getfloat("FACTOR_ROCKET_SPEED", 1.0f);
  FACTOR_ROCKET_POWER = P.getfloat("FACTOR_ROCKET_POWER", 1.0f);
  FACTOR_AIM = P.getfloat("FACTOR_AIM", 1.0f);
  MAXIMUM_ROCKETS = P.getint("MAX_ROCKETS", 10);
  MAXIMUM_HUMANS = P.getint("MAX_HUMANS", 10);
  HUMAN_HPREFRESH = P.getfloat("HUMAN_HPREFRESH", 1.0f);
  AIM_POWER = P.getfloat("AIM_POWER", 1.0f);
  BLOODY = P.getfloat("BLOODY", 1.0f);

  set_mask_color(255, 0, 255);
  STDIMG_TOWER = load_image(P.get("IMG_TOWER", "gfx/tower.png"), IMAGE_DEFAULT);
  STDIMG_CANNON = load_image(P.get("IMG_CANNON", "gfx/cannon.png"), IMAGE_DEFAULT);

  // A crosshair that does not load keeps the one in use.
  const std::string crosshair = P.get("IMG_CROSSHAIR", "");
  const std::string crosshair_path =
      crosshair.empty() ? "gfx/crosshair" + std::to_string(CROSSHAIR) + ".png" : crosshair;
  if (Image img = load_image(crosshair_path, IMAGE_DEFAULT)) STDIMG_CROSSHAIR = img;

  Human::image = load_anim_image(P.get("IMG_HUMAN", "gfx/human.png"), 48, 64, 0, 12, IMAGE_DEFAULT);
  mid_handle_image(Human::image);
  // The ordinary blast is drawn over black, the big one over magenta.
  set_mask_color(0, 0, 0);
  Explosion::images[0] = load_anim_image(P.get("IMG_EXPLOSION", "gfx/explosion.png"), 96, 96, 0, 12, IMAGE_DEFAULT);
  mid_handle_image(Explosion::images[0]);
  set_mask_color(255, 0, 255);
  Explosion::images[1] =
      load_anim_image(P.get("IMG_EXPLOSION_NUKE", "gfx/explosion_nuke.png"), 78, 120, 0, 27, IMAGE_DEFAULT);
  mid_handle_image(Explosion::images[1]);

  BUTTON_HUMAN_DISABLED = P.getint("BUTTON_HUMAN_DISABLED", 0);
  BUTTON_HUMAN_HP_DISABLED = P.getint("BUTTON_HUMAN_HP_DISABLED", 0);
  BUTTON_HUMAN_MONEY_DISABLED = P.getint("BUTTON_HUMAN_MONEY_DISABLED", 0);
  BUTTON_ROCKET_DISABLED = P.getint("BUTTON_ROCKET_DISABLED", 0);
  BUTTON_ROCKET_SPEED_DISABLED = P.getint("BUTTON_ROCKET_SPEED_DISABLED", 0);
  BUTTON_ROCKET_POWER_DISABLED = P.getint("BUTTON_ROCKET_POWER_DISABLED", 0);
  BUTTON_AIMTIME_DISABLED = P.getint("BUTTON_AIMTIME_DISABLED", 0);
  load_shop_images(P.get("FOLDER_BUTTONS", "gfx/buttons/"));
  IMG_BULLET = load_image(P.get("IMG_BULLET", "gfx/bullet.png"), IMAGE_DEFAULT);
  CRASHING_ROCKETS = P.getint("CRASHING_ROCKETS", 1);
  COLOR_HPBAR_RED = P.getint("COLOR_HPBAR_RED", 0);
  COLOR_HPBAR_BLUE = P.getint("COLOR_HPBAR_BLUE", 0);
  COLOR_HPBAR_GREEN = P.getint("COLOR_HPBAR_GREEN", 0);

  static const char* const explosion_defaults[4] = {"sfx/explosion2.ogg", "sfx/explosion2.ogg", "sfx/explosion3.ogg",
                                                    "sfx/explosion3.ogg"};
  for (int i = 0; i < 4; ++i)
    SND_EXPLOSION[i] = load_sound(P.get("SND_EXPLOSION_" + std::to_string(i), explosion_defaults[i]), 0);
  for (int i = 0; i < 4; ++i)
    SND_HIT[i] = load_sound(P.get("SND_SCREAM_" + std::to_string(i), "sfx/scream" + std::to_string(i + 1) + ".ogg"), 0);
  SND_SCREAM = load_sound(P.get("SND_DIESCREAM", "sfx/bloodscream.ogg"), 0);
  SND_WIN = load_sound(P.get("SND_WIN", "sfx/win.ogg"), 0);
  SND_WINNER = load_sound(P.get("SND_WINNER", "sfx/winner.ogg"), 0);
  SND_SHOOT = load_sound(P.get("SND_SHOOT", "sfx/shoot.ogg"), 0);
  SND_ANTHRAX = load_sound(P.get("SND_ANTHRAX", "sfx/anthrax.ogg"), 0);
  SND_NEWROUND = load_sound(P.get("SND_NEWROUND", "sfx/gong.ogg"), 0);
  UNSTOPPABLE_BONUS = P.getint("UNSTOPPABLE_BONUS", 0);
  MUSIC_VOLUME = P.getfloat("MUSIC_VOLUME", 0.3f);
  WINNER_TIME = P.getint("WINNER_TIME", 4800);
  const std::string music = P.get("MUSIC", "sfx/game.ogg");
  SND_MUSIC_GAME = load_sound(music, 0);

  set_mask_color(255, 0, 255);
  if (crosshair.empty()) print_line("");
  print_line(music);
}

namespace {

uint32_t crc_table_entry(uint32_t i) {
  for (int k = 0; k < 8; ++k) i = (i & 1) ? (i >> 1) ^ 0xEDB88320u : i >> 1;
  return i;
}

}  // namespace

void CRC_reset() { CRC_CHECKSUM = 0; }

void CRC_addfile(const std::string& filename) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t i = 0; i < 256; ++i) table[i] = crc_table_entry(i);
    ready = true;
  }
  Bank b = load_bank(filename);
  if (!b) return;
  uint32_t crc = 0xFFFFFFFFu;
  const int n = bank_size(b);
  for (int i = 0; i < n; ++i) crc = table[(crc ^ static_cast<uint32_t>(peek_byte(b, i))) & 255u] ^ (crc >> 8);
  crc = ~crc;
  CRC_CHECKSUM = static_cast<int>(static_cast<uint32_t>(CRC_CHECKSUM) + crc);
}

int CRC_get() { return CRC_CHECKSUM; }
