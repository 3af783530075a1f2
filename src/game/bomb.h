// Bombs and rockets: every projectile, made from the presets of a campaign's bombs.txt.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "airplane.h"
#include "entity.h"
#include "platform.h"

class Explosion;

class Bomb : public Entity {
 public:
  int start_hp = 0;
  std::string name;
  int imageIndex = 0;
  int isPlayerBomb = 0;
  int check_for_Ground = 0;
  int check_for_OutOfScreen = 0;
  int is_super = 0;  // a locked-on player rocket: sparks, fiery trail, halo
  float scale_x = 1, scale_y = 1;
  float explosion_range = 0;
  int explosion_power = 0;
  int explosion_lifetime = 0;
  int explosion_typ = 0;  // 0 nothing, 1 explosion, 2 gas, 3 big explosion, 4 fire
  std::string explosion_bomb;  // cluster type released at death
  int explosion_bombcount = 0;
  float size = 1;
  int is_bloody = 0;
  float draw_schweif = 0;  // trail particle size; 0 no trail
  std::weak_ptr<Explosion> immun;  // the explosion that cannot hurt this bomb
  int last_rauch = 0;
  float is_feeder = 0;
  float schwabbel_T = 0;
  int schwabbel_start = 0;
  float schwabbel_time = 0;
  int image_width = 0, image_height = 0;

  static std::vector<Image> images;
  static std::vector<ImageName> image_names;
  static std::vector<std::shared_ptr<Bomb>> presets;

  static void load_presets(const std::string& filename);
  static std::shared_ptr<Bomb> create(const std::string& name, int x, int y, int rot,
                                      const std::shared_ptr<Entity>& target);
  void setTypProps();
  int hitGround() const;
  void outofScreen();
  void update() override;
  void draw();
  void hit(int count);
  void die(int explo);

  Image image() const;

 private:
  bool dead_ = false;
};
