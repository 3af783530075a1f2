// Humans walk between random columns, suffer hits and doses, bleed, cry and die once.
#include "human.h"

#include <algorithm>
#include <cmath>

#include "config.h"
#include "effects.h"
#include "entity.h"
#include "player.h"
#include "shared_media.h"
#include "shell.h"
#include "sound_text.h"
#include "world.h"
#include "world_lists.h"

Image Human::image;

std::shared_ptr<Human> Human::create(int hp) {
  auto h = std::make_shared<Human>();
  h->x = static_cast<float>(rand_int(1, graphics_width()));
  h->y = static_cast<float>(GROUND_Y - image_height(image) / 2);
  h->hp = static_cast<float>(hp);
  h->new_target();
  h->is_feeded = 1;
  HUMANLIST.add_last(h);
  return h;
}

void Human::new_target() { target = rand_int(1, graphics_width()); }

void Human::update() {
  auto keep = weak_from_this().lock();  // a dose may end this human in the middle of its frame
  current_frame = std::fmod(current_frame + 0.1f * TIME, 3.0f);
  const float step = 1 * TIME;
  if (x > target) {
    x -= step;
    if (x < target) new_target();
  } else if (x < target) {
    x += step;
    if (x > target) new_target();
  } else {
    new_target();
  }
  float* doses[3] = {&is_anthraxed, &is_atomized, &is_burning};
  for (int k = 0; k < 3; ++k) {
    float& dose = *doses[k];
    if (dose <= 0) continue;
    hp -= 0.5f * TIME;
    if (hp <= 0) die();
    dose -= 0.5f * TIME;
    const int by = k == 2 ? trunc_int(y + 10) : trunc_int(y);
    const int heading = rand_int(-30, 210);
    const int spd = rand_int(2, 4);
    auto b = World::createBlood(trunc_int(x), by, heading, static_cast<float>(spd), 1.0f, 0, 100);
    if (b && k != 2) {
      b->color[0] = 255;
      b->color[1] = 255;
      b->color[2] = 0;
    }
    if (k == 2 && trunc_int(is_burning) % 10 == 0) PlaySound2(SND_HIT[rand_int(0, 3)], 0.2f, 0, 0);
  }
  draw();
}

void Human::draw() {
  set_blend(BLEND_ALPHA);
  set_rotation(0);
  set_alpha(1);
  set_scale(is_feeded, 1);
  set_color(255, 255, 255);
  const int offset = target < x - 10 ? 9 : (target > x + 10 ? 3 : 6);
  int cell = trunc_int(current_frame + offset);
  if (cell < 0) cell = 0;
  if (cell > 11) cell = 11;
  if (is_anthraxed > 0) set_color(0, 255, 0);
  else if (is_atomized > 0) set_color(255, 255, 0);
  draw_image(image, x, y, cell);
  if (is_burning > 0) {
    set_scale(1.5f * is_feeded, 1);
    set_alpha(0.3f);
    const int ms = millisecs() % 1000;
    draw_image(Explosion::images[1], x, y, (ms < 0 ? ms + 1000 : ms) / 200);
    set_scale(1, 1);
  }
  set_color(0, 0, 0);
  const float full_hp = p ? p->human_hp : 0;
  if ((SHOW_HP > 0 && (mouse_y() > 600 || SHOW_HP == 2)) || hp < full_hp / 2) {
    const int full = trunc_int(full_hp);
    const int w = image_width(image), h = image_height(image);
    set_blend(BLEND_ALPHA);
    set_alpha(0.4f);
    set_scale(is_feeded, 1);
    set_rotation(0);
    if (hp < (full >> 1)) set_color(255, 0, 0);
    else set_color(COLOR_HPBAR_RED, COLOR_HPBAR_GREEN, COLOR_HPBAR_BLUE);
    // Without a known full hit-point count there is no bar length to show; a human dying in this
    // frame has nothing left to show either (a negative length would draw the bar backwards).
    const int len = full > 0 ? trunc_int(hp / full * w) : 0;
    if (len > 0) draw_rect(x - w * is_feeded / 2, static_cast<float>(y - h / 2), static_cast<float>(len), 5);
  }
}

void Human::feed(float amount) {
  // Girth only ever grows, up to four times the width: a feeder worth less than 1 changes nothing.
  if (amount > 0) is_feeded = std::max(is_feeded, std::min(is_feeded * amount, 4.0f));
}

void Human::hit(int count, int) {
  auto keep = weak_from_this().lock();
  hp -= count;
  if (count > 10) count = 10;
  auto heading = [] {
    int hd = rand_int(190, 230);
    if (rand_int(0, 1) == 1) hd = rand_int(290, 330);
    return hd;
  };
  if (hp <= 0) {
    die();
    const int n = PARTICLE_HUMAN_BLOODFACTOR * count + 1;
    for (int i = 0; i < n; ++i) {
      const int bx = trunc_int(x + rand_int(-10, 10));
      const int hd = heading();
      const int spd = rand_int(6, 9);
      World::createBlood(bx, trunc_int(y), hd, static_cast<float>(spd), 1.0f, 0, 100);
    }
    PlaySound2(SND_SCREAM, 1.0f, 0, 0);
  } else {
    const int n = trunc_int(PARTICLE_HUMAN_BLOODFACTOR * count * 0.2) + 1;
    for (int i = 0; i < n; ++i) {
      const int bx = trunc_int(x + rand_int(-10, 10));
      const int hd = heading();
      const int spd = rand_int(2, 5);
      World::createBlood(bx, trunc_int(y), hd, static_cast<float>(spd), 1.0f, 0, 100);
    }
    PlaySound2(SND_HIT[rand_int(0, 3)], 1.0f, 0, 0);
  }
}

void Human::die() {
  if (!HUMANLIST.contains(this)) return;
  World::humans_died += 1;
  HUMANLIST.remove(this);
}
