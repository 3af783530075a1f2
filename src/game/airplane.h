// Airplanes: enemy aircraft and the player's helpers, made from the presets of a campaign's airplanes.txt.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "entity.h"
#include "platform.h"

class KI;

// One entry of an image-sharing table: a file name and the slot of its loaded image.
struct ImageName {
  std::string name;
  int index = 0;
};

class Airplane : public Entity {
 public:
  Airplane();
  ~Airplane() override;

  int image_width = 0, image_height = 0;  // image size times scale, as drawn
  std::unique_ptr<KI> ki;
  std::string ki_name;
  int ki_param_a = 0, ki_param_b = 0, ki_param_c = 0;
  int typ = 0;
  std::string name;
  float scale_x = 0, scale_y = 0;
  int imageIndex = 0;
  std::vector<std::string> bomb_typ;  // bomb presets, or airplane presets for a carrier
  int draw_style = 0;                 // 0 level, 1 rotating, 2 tilted
  int isFriend = 0;
  float is_stealthed = 0;
  int stealth_time = 0;  // 0 never; otherwise the clock shift of the flicker
  float explosion_range = 0;
  int explosion_power = 0;
  int explosion_lifetime = 0;
  int explosion_typ = 0;  // 0 nothing, 1 explosion, 2 gas, 3 big explosion, 4 fire
  int is_carrier = 0;
  std::shared_ptr<Airplane> father;  // the carrier that launched this one
  int is_bloody = 0;                 // debris: -1 none, 0 metal, 1 blood, 2 yellow
  float size = 1;
  float is_crashing = 0;
  Sound last_scream, scream;
  int draw_rotation = 0;
  float draw_scale_x = 0, draw_scale_y = 0;
  float schwabbel_T = 0;
  int schwabbel_start = 0;
  float schwabbel_time = 0;

  static std::vector<Image> images;
  static std::vector<ImageName> image_names;
  static std::vector<std::shared_ptr<Airplane>> presets;

  static void load_presets(const std::string& filename);
  static std::shared_ptr<Airplane> create(const std::string& name, int x, int y, int rotation);

  // Both fire weapon-list entry `index`; false (and nothing fired) when the list has no such entry.
  bool shoot(int index, int rotation, const std::shared_ptr<Entity>& target);
  bool shoot2(int index, int x, int y, int rotation, const std::shared_ptr<Entity>& target);
  void hit(int count);
  void die(int explo);
  void setTypProps();
  void set_ki();
  void update() override;
  void draw();

  // The image of this airplane's type, or none.
  Image image() const;

 private:
  float stealth_value() const;
  bool dead_ = false;
};

// Images of a type table shared by file name: the slot of `file` under `folder`, loading it (and adding
// it to the data checksum) on first use; a file that does not load is reported and leaves an empty slot.
int shared_image_index(std::vector<Image>& images, std::vector<ImageName>& names, const std::string& folder,
                       const std::string& file);
