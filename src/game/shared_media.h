// Pictures and sounds loaded once at start-up that several areas of the game share.
#pragma once

#include "platform.h"

// All are loaded by load_shared_media() at start-up and never released; a missing file leaves
// the handle empty, which draws and plays nothing.
extern Sound SND_PAY, SND_NOMONEY;
extern Sound SND_MGUIBUTTONCLICK, SND_MGUIBUTTONCHANGE, SND_MGUIBUTTONCHANGEMENU;
struct Rgb {
  int r, g, b;
};
extern Rgb color_text, color_textmarked;
// Cloud images by kind (0 gas, 1 fire) and the particle cells.
extern Image IMG_CLOUD[2];
extern Image IMG_PARTICLE;
// Explosion sounds and human hit cries; filled by the level configuration.
extern Sound SND_EXPLOSION[4], SND_HIT[4];
extern Sound SND_LAUGH, SND_SHOT_DOUBLE, SND_SHOT_TRIPPLE, SND_SHOT_QUADRO, SND_SHOT_QUINTO, SND_SHOT_SEXTA,
    SND_SHOT_UNSTOPPABLE, SND_SHOT_WICKED, SND_SHOT_CRASH, SND_BEEP;
extern Image img_super, map;
extern Image IMG_MAPPOINT[4];
extern Image IMG_MAPARROW;

// Loads the media above in the order whose mask colours and handles they need. Leaves the mask
// colour at magenta and automatic mid-handling on, as everything loaded later expects.
void load_shared_media();
