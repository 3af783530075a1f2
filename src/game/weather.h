// The sky and ground of the game view: background, ground, rain, snow, clouds with wind, night darkness and screen shake.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform.h"

class Weather {
 public:
  int width = 0;    // wrap length of drops and clouds, follows the shake
  int height = 0;   // vertical wrap length of drops, follows the shake
  float rainy = 0, cloudy = 0, snowy = 0, windy = 0, darky = 0;
  float psycho = 0;  // kept from the level; nothing is drawn from it
  std::array<int, 3> psycho_c{};
  int psycho_time = 0;
  std::vector<std::array<int, 2>> raindrop;
  int raindrops = 0;
  std::vector<std::array<int, 2>> snowdrop;
  int snowdrops = 0;
  std::vector<std::array<float, 3>> cloud;  // x, y, frame
  int clouds = 0;
  float rumbl = 0;  // shake amplitude in pixels, -1 at rest
  float rumblt = 0; // remaining hold time of the shake

  // Shared pictures, loaded once at start-up by load_images(); the level replaces background and ground.
  static Image clouds_img, ground, background, night, raindrop_img, snowflake;
  // Loads the shared pictures with the mask colours they need; leaves the mask colour at magenta.
  static void load_images();

  static std::shared_ptr<Weather> create(float rainy, float snowy, float cloudy, float windy, float darky);
  void rumble();
  void add_rumble(float intensity);
  void reset_rumble();
  void change_background(const std::string& filename);
  void change_ground(const std::string& fname);
  void _reset_weather(float rainy, float cloudy, float snowy, float windy, float darky, const std::string& filename,
                      int psycho);
  // One pass of a frame: 0 behind the game objects, 1 in front of them.
  void update(int front);
  void update_darky();
  void draw_ground();
  void draw_background();
  void update_psycho();
  void update_rainfast(int front);
  void update_snowfast(int front);
  void update_cloudfast(int front);
  std::array<int, 4> get_origin() const;

 private:
  float layer_scale() const;
};

// The one weather; made at start-up with every intensity 0, reset by every wave.
extern std::shared_ptr<Weather> w;

namespace World {
// The weather's two passes of a frame: 0 behind the scene, 1 in front.
void update_weather(int front);
void change_weather(float rainy, float cloudy, float snowy, float windy, float darky, const std::string& background,
                    float psycho);
}  // namespace World
