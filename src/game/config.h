// A campaign's config.txt: its economy, story limits and media, read into program-wide globals.
#pragma once

#include <string>

#include "platform.h"

// ---- Set by load_config on every campaign start; 0, "" or none before the first one. ----
extern std::string STORY_NAME, STORY_DESCRIPTION, STORY_DIFFICULTY;
extern int STORY_MAX_TIME, STORY_MAX_ROUNDTIME;  // milliseconds; below 0 no limit
extern int STORY_MAX_ROCKETS, STORY_MAX_ROUNDROCKETS, STORY_MAX_HUMAN, STORY_MIN_MONEY;
extern int START_LEVEL, START_MONEY, START_HUMANS, START_ROCKETS;
extern int START_HUMAN_HP, START_HUMAN_MONEY, START_ROCKET_POWER, START_ROCKET_SPEED, START_AIMTIME;
extern float MONEY_FACTOR;  // multiplier of kill-chain and crash-hit money
extern int PRICE_HUMAN, PRICE_HUMAN_HP, PRICE_HUMAN_MONEY, PRICE_ROCKET, PRICE_ROCKET_SPEED, PRICE_ROCKET_POWER,
    PRICE_AIM;
extern float FACTOR_PRICE_HUMAN, FACTOR_PRICE_HUMAN_HP, FACTOR_PRICE_HUMAN_MONEY, FACTOR_PRICE_ROCKET,
    FACTOR_PRICE_ROCKET_SPEED, FACTOR_PRICE_ROCKET_POWER, FACTOR_PRICE_AIM;
extern float FACTOR_HUMAN_HP, FACTOR_HUMAN_MONEY, FACTOR_ROCKET_SPEED, FACTOR_ROCKET_POWER, FACTOR_AIM;
extern int MAXIMUM_ROCKETS, MAXIMUM_HUMANS;
extern float HUMAN_HPREFRESH, AIM_POWER, BLOODY;
extern Image STDIMG_TOWER, STDIMG_CANNON;
extern int BUTTON_HUMAN_DISABLED, BUTTON_HUMAN_HP_DISABLED, BUTTON_HUMAN_MONEY_DISABLED, BUTTON_ROCKET_DISABLED,
    BUTTON_ROCKET_SPEED_DISABLED, BUTTON_ROCKET_POWER_DISABLED, BUTTON_AIMTIME_DISABLED;
// The shop's pictures from the campaign's button folder: background, nine icons in shop order, lock.
extern Image SHOP_IMG_BUTTON, SHOP_IMG_ICONS[9], SHOP_IMG_LOCKED;
extern Image IMG_BULLET;
extern int CRASHING_ROCKETS;
extern int COLOR_HPBAR_RED, COLOR_HPBAR_GREEN, COLOR_HPBAR_BLUE;
extern Sound SND_SCREAM, SND_WIN, SND_WINNER, SND_SHOOT, SND_ANTHRAX, SND_NEWROUND;
extern int UNSTOPPABLE_BONUS;

// Reads "data/" + filename (a campaign folder + "/config.txt") and sets every global above, plus the
// explosion and human images, the explosion and cry sounds, MUSIC_VOLUME, WINNER_TIME and the game
// music. Keys the file lacks take their defaults; a missing file counts as an empty one.
void load_config(const std::string& filename);

// ---- Checksum of the campaign's data files, carried by highscore entries. ----
void CRC_reset();
// Adds the CRC-32 of a file (0 for a file that cannot be read) to CRC_CHECKSUM, wrapping at 32 bits.
void CRC_addfile(const std::string& filename);
int CRC_get();
