// Floating texts and pictures over the game view that fade out where they were made.
#pragma once

#include <memory>
#include <string>

#include "platform.h"

class Info {
 public:
  int x = 0, y = 0;
  int lifetime = 0, total_lifetime = 0;
  int effect = 0;
  float scale_x = 0, scale_y = 0;
  int rotation = 0;
  int color_r = 0, color_g = 0, color_b = 0;
  Sound sound;
  Image image;
  std::string content;

  // Each adds the new info to INFOLIST; sound_file names a file under sfx/ played once ("" for none).
  static std::shared_ptr<Info> createText(const std::string& content, int x, int y, int lifetime, int effect,
                                          const std::string& sound_file, int rotation, float scale_x, float scale_y,
                                          int color_r, int color_g, int color_b);
  // None (and nothing added or heard) without an image.
  static std::shared_ptr<Info> CreateImageSrc(const Image& image, int x, int y, int lifetime, int effect,
                                              const std::string& sound_file, int rotation, float scale_x,
                                              float scale_y, int color_r, int color_g, int color_b);
  // Loads gfx/ + image for this info alone; none when it does not load.
  static std::shared_ptr<Info> CreateImage(const std::string& image, int x, int y, int lifetime, int effect,
                                           const std::string& sound_file, int rotation, float scale_x,
                                           float scale_y, int color_r, int color_g, int color_b);
  int update();
  void draw();

 private:
  static std::shared_ptr<Info> finish(std::shared_ptr<Info> i, int x, int y, int lifetime,
                                      const std::string& sound_file, int rotation, float scale_x, float scale_y,
                                      int color_r, int color_g, int color_b);
};
