// The picture makers of every area, so one area (the tutorial pages) can reuse another's sprites.
#pragma once

#include "images_common.h"

namespace mediagen::img {

// Motifs drawn straight into a context, shared by sprites, icons and screens.
// A rocket centred on the origin, nose to the right, `len` pixels long.
void draw_rocket(cairo_t* cr, double len, Rgb body, Rgb fins);
// A person 64 pixels tall standing on y = 0, centred on x = 0, facing right; `phase` 0..1 walks, < 0 stands.
void draw_person(cairo_t* cr, double phase, Rgb shirt, Rgb trousers, Rgb skin);
// A gold coin of radius r centred on the origin.
void draw_coin(cairo_t* cr, double r);
// A star burst with `points` spikes between radii r_in and r_out.
void star_path(cairo_t* cr, double cx, double cy, int points, double r_in, double r_out, double turn = 0.0);

// Shell and menus.
Canvas make_kewlfont();
Canvas make_hand();
Canvas make_logo();
Canvas make_logo_load();
Canvas make_team_logo();
Canvas make_hp_crossbar();
Canvas make_menu_shade();
Canvas make_menu_back();
Canvas make_locked();
void write_shell(Output& out);
void write_tutorial(Output& out);

// Player, HUD and shop.
Canvas make_tower();
Canvas make_cannon();
Canvas make_aimzone();
Canvas make_crosshair(int style);  // 0 = the plain end-of-game one, 1..4 the selectable ones
Canvas make_bullet();
Canvas make_super_rocket();
Canvas make_shop_button();
Canvas make_shop_icon(int index);  // 0..8 in the shop's icon order
Canvas make_shop_locked();
void write_player(Output& out);

// Humans and effects.
Canvas make_humans();
Canvas make_explosion();
Canvas make_explosion_nuke();
Canvas make_gas_cloud();
Canvas make_fire();
Canvas make_particles();
Canvas make_explosion_frame();  // one mid-blast cell, for illustrations
void write_effects(Output& out);

// Weather, scenery and the campaign map.
enum class Land { Desert, Snow, City, Valley, Training };
Canvas make_background(Land land);
Canvas make_ground(Land land);
Canvas make_thumb(Land land);
void write_scenery(Output& out);
void write_map(Output& out);

// Enemies and projectiles: every sprite by its file name under gfx/AIRPLANES/ or gfx/BOMBS/.
struct Sprite {
  const char* file;
  Canvas (*make)();
};
const std::vector<Sprite>& airplane_sprites();
const std::vector<Sprite>& bomb_sprites();
Canvas make_sprite(const std::vector<Sprite>& set, const std::string& file);
void write_aircraft(Output& out);

}  // namespace mediagen::img
