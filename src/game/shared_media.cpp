// Loading of the media every screen shares.
#include "shared_media.h"

#include "weather.h"

Sound SND_PAY, SND_NOMONEY;
Sound SND_MGUIBUTTONCLICK, SND_MGUIBUTTONCHANGE, SND_MGUIBUTTONCHANGEMENU;
Rgb color_text{255, 255, 255}, color_textmarked{0, 255, 0};
Image IMG_CLOUD[2];
Image IMG_PARTICLE;
Sound SND_EXPLOSION[4], SND_HIT[4];
Sound SND_LAUGH, SND_SHOT_DOUBLE, SND_SHOT_TRIPPLE, SND_SHOT_QUADRO, SND_SHOT_QUINTO, SND_SHOT_SEXTA,
    SND_SHOT_UNSTOPPABLE, SND_SHOT_WICKED, SND_SHOT_CRASH, SND_BEEP;
Image img_super, map;
Image IMG_MAPPOINT[4];
Image IMG_MAPARROW;

void load_shared_media() {
  SND_PAY = load_sound("sfx/pay.ogg", 0);
  SND_NOMONEY = load_sound("sfx/nomoney.ogg", 0);

  auto_mid_handle(true);
  Weather::load_images();

  SND_MGUIBUTTONCLICK = load_sound("sfx/menu_click.ogg", 0);
  SND_MGUIBUTTONCHANGE = load_sound("sfx/menu_change.ogg", 0);
  SND_MGUIBUTTONCHANGEMENU = load_sound("sfx/menu_changemenu.ogg", 0);
  color_text = {255, 255, 255};
  color_textmarked = {0, 255, 0};

  auto_mid_handle(true);
  set_mask_color(255, 0, 255);

  // Gas clouds glow over black; fire and particles use magenta.
  set_mask_color(0, 0, 0);
  IMG_CLOUD[0] = load_anim_image("gfx/cloud.png", 96, 96, 0, 4, IMAGE_DEFAULT);
  set_mask_color(255, 0, 255);
  IMG_CLOUD[1] = load_anim_image("gfx/fire.png", 29, 67, 0, 5, IMAGE_DEFAULT);
  mid_handle_image(IMG_CLOUD[1]);
  IMG_PARTICLE = load_anim_image("gfx/particle.png", 32, 32, 0, 16, IMAGE_DEFAULT);

  SND_LAUGH = load_sound("sfx/laugh.ogg", 0);
  SND_SHOT_DOUBLE = load_sound("sfx/doublekill.ogg", 0);
  SND_SHOT_TRIPPLE = load_sound("sfx/tripplekill.ogg", 0);
  SND_SHOT_QUADRO = load_sound("sfx/multikill.ogg", 0);
  SND_SHOT_QUINTO = load_sound("sfx/ultrakill.ogg", 0);
  SND_SHOT_SEXTA = load_sound("sfx/monsterkill.ogg", 0);
  SND_SHOT_UNSTOPPABLE = load_sound("sfx/unstoppable.ogg", 0);
  SND_SHOT_WICKED = load_sound("sfx/wickedsick.ogg", 0);
  SND_SHOT_CRASH = load_sound("sfx/crash_shot.ogg", 0);
  SND_BEEP = load_sound("sfx/beep.ogg", 0);

  img_super = load_image("gfx/super_rocket.png", IMAGE_DEFAULT);
  map = load_image("gfx/map.png", IMAGE_DEFAULT);
  const char* points[4] = {"gfx/buttons_map/button_training.png", "gfx/buttons_map/button_desert.png",
                           "gfx/buttons_map/button_white.png", "gfx/buttons_map/button_bonus.png"};
  for (int i = 0; i < 4; ++i) IMG_MAPPOINT[i] = load_image(points[i], IMAGE_DEFAULT);
  IMG_MAPARROW = load_image("gfx/arrow.png", IMAGE_DEFAULT);
}
