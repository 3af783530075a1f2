// Weather: drawing of background, ground, rain, snow and clouds in three layers, darkness and the screen shake.
#include "weather.h"

#include <algorithm>
#include <cmath>

#include "shell.h"

std::shared_ptr<Weather> w;

Image Weather::clouds_img, Weather::ground, Weather::background, Weather::night, Weather::raindrop_img,
    Weather::snowflake;

namespace {

constexpr float kDeg = 3.14159265358979323846f / 180.0f;

// Remainder with the sign of the dividend; a zero length (a degenerate shake) leaves the value.
int rem(int a, int b) { return b == 0 ? a : a % b; }

Image placeholder() { return create_image(1, 1, {0xFF000000u}, 0, 0, IMAGE_MIPMAPPED); }

// trunc(per_unit x intensity). A level file may hold anything: negative or non-numbers mean none,
// and more than ten times the full strength is not drawn (it would only exhaust memory).
int drop_count(int per_unit, float intensity) {
  if (!(intensity > 0)) return 0;
  return static_cast<int>(std::min(static_cast<float>(per_unit) * intensity, per_unit * 10.0f));
}

}  // namespace

void Weather::load_images() {
  // The cloud layer and the ground come on black, everything after on magenta.
  set_mask_color(0, 0, 0);
  clouds_img = load_image("gfx/clouds_background.png", IMAGE_DEFAULT);
  mid_handle_image(clouds_img);
  ground = load_image("gfx/backgrounds/ground.png", IMAGE_DEFAULT);
  set_image_handle(ground, image_width(ground) / 2.0f, static_cast<float>(image_height(ground)));
  background = load_image("gfx/backgrounds/desert.jpg", IMAGE_MIPMAPPED);
  mid_handle_image(background);
  set_mask_color(255, 0, 255);
  night = load_image("gfx/nightshot.png", IMAGE_DEFAULT);
  mid_handle_image(night);
  raindrop_img = load_image("gfx/raindrop.png", IMAGE_DEFAULT);
  mid_handle_image(raindrop_img);
  snowflake = load_image("gfx/snowflake.png", IMAGE_DEFAULT);
  mid_handle_image(snowflake);
}

std::shared_ptr<Weather> Weather::create(float rainy, float snowy, float cloudy, float windy, float darky) {
  auto wt = std::make_shared<Weather>();
  wt->width = graphics_width();
  wt->height = GROUND_Y;
  wt->_reset_weather(rainy, cloudy, snowy, windy, darky, "", 0);
  return wt;
}

void Weather::add_rumble(float intensity) {
  rumblt = 20;
  rumbl = std::min(rumbl + intensity, 20.0f);
}

void Weather::reset_rumble() { rumbl = 0; }

void Weather::rumble() {
  rumbl -= 0.3f * TIME;
  rumblt -= 0.5f * TIME;
  if (rumblt <= 0) {
    rumbl -= TIME;
    rumblt = 0;
  }
  if (rumbl <= 0) rumbl = -1;
  if (rumbl > 0) {
    const int r = static_cast<int>(rumbl);
    const int ox = rand_int(-r, r);
    const int oy = rand_int(-r, r);
    set_origin(static_cast<float>(ox), static_cast<float>(oy));
  } else {
    set_origin(0, 0);
  }
}

void Weather::change_background(const std::string& filename) {
  Image img = load_image("gfx/backgrounds/" + filename, IMAGE_MIPMAPPED);
  background = img ? img : placeholder();
  mid_handle_image(background);
}

void Weather::change_ground(const std::string& fname) {
  Image img = load_image("gfx/backgrounds/" + fname, IMAGE_DEFAULT);
  if (!img) return;
  set_image_handle(img, image_width(img) / 2.0f, static_cast<float>(image_height(img)));
  ground = img;
}

void Weather::_reset_weather(float rainy_, float cloudy_, float snowy_, float windy_, float darky_,
                             const std::string& filename, int psycho_) {
  rainy = rainy_;
  cloudy = cloudy_;
  snowy = snowy_;
  windy = windy_;
  darky = darky_;
  psycho = static_cast<float>(psycho_);
  psycho_c = {};
  psycho_time = 0;
  reset_rumble();
  if (!filename.empty()) change_background(filename);

  raindrops = drop_count(800, rainy);
  clouds = drop_count(10, cloudy);
  snowdrops = drop_count(800, snowy);
  raindrop.assign(raindrops, {0, 0});
  snowdrop.assign(snowdrops, {0, 0});
  cloud.assign(clouds, {0, 0, 0});
  for (auto& c : cloud) {
    c[0] = static_cast<float>(rand_int(1, width));
    c[1] = static_cast<float>(rand_int(1, height / 2));
    c[2] = 0;
  }
  // Spread evenly over the height, so a new shower does not start as one line at the top.
  for (int i = 0; i < raindrops; ++i) {
    raindrop[i][0] = rand_int(1, width);
    raindrop[i][1] = static_cast<int>(static_cast<float>(height) * i / raindrops);
  }
  for (int i = 0; i < snowdrops; ++i) {
    snowdrop[i][0] = rand_int(1, width);
    snowdrop[i][1] = static_cast<int>(static_cast<float>(height) * i / snowdrops);
  }
  mid_handle_image(background);
}

void Weather::update(int front) {
  width = static_cast<int>(1024 + rumbl);
  height = static_cast<int>(GROUND_Y + rumbl);
  if (front == 0) {
    rumble();
    draw_background();
    update_psycho();
    update_rainfast(0);
    update_snowfast(0);
    update_cloudfast(0);
    draw_ground();
  } else {
    update_rainfast(1);
    update_snowfast(1);
    update_cloudfast(1);
    update_darky();
  }
}

// Full-screen layers are drawn a little larger so the shake never shows their edges. At rest the
// amplitude reads -1, which must not shrink them and open a gap at the screen's edges.
float Weather::layer_scale() const { return 1 + std::max(rumbl, 0.0f) / 1024 * 2; }

void Weather::draw_background() {
  set_alpha(1);
  set_rotation(0);
  const float s = layer_scale() + 0.01f;
  set_scale(s, s);
  set_blend(BLEND_SOLID);
  set_color(255, 255, 255);
  draw_image(background, 512, 384);
}

void Weather::draw_ground() {
  set_alpha(1);
  set_rotation(0);
  const float s = layer_scale();
  set_scale(s, s);
  set_blend(BLEND_ALPHA);
  set_color(255, 255, 255);
  draw_image(ground, 512, 768);
  if (snowy > 0.3f) {
    set_alpha(0.7f);
    set_scale(1, 1);
    draw_rect(0, static_cast<float>(GROUND_Y), static_cast<float>(width), 5);
  }
}

void Weather::update_psycho() {}

void Weather::update_rainfast(int front) {
  if (TIME < 1) TIME = 1;
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  set_color(0, 0, 255);
  set_scale(1, 1);
  const int near_y = static_cast<int>(5 * TIME), mid_y = static_cast<int>(4 * TIME), far_y = static_cast<int>(3 * TIME);
  const int near_x = static_cast<int>(5 * TIME * windy), mid_x = static_cast<int>(4 * TIME * windy),
            far_x = static_cast<int>(3 * TIME * windy);
  set_rotation(std::atan2(static_cast<float>(near_y), static_cast<float>(near_x)) / kDeg + 90 + 180);
  auto layer = [&](int first, float scale, int sx, int sy) {
    set_scale(scale, scale);
    for (int i = first; i < raindrops; i += 3) {
      auto& d = raindrop[i];
      d[0] = rem(d[0] + sx, width);
      if (d[0] < 0) d[0] += width;
      d[1] = rem(d[1] + sy, height);
      draw_image(raindrop_img, static_cast<float>(d[0]), static_cast<float>(d[1]));
    }
  };
  if (front != 0) {
    layer(0, 0.5f, near_x, near_y);
  } else {
    layer(1, 0.2f, mid_x, mid_y);
    layer(2, 0.05f, far_x, far_y);
  }
  set_color(255, 255, 255);
}

void Weather::update_snowfast(int front) {
  if (TIME < 1) TIME = 1;
  set_blend(BLEND_ALPHA);
  set_alpha(1);
  set_color(255, 255, 255);
  set_scale(1, 1);
  set_rotation(0);
  const int near_y = static_cast<int>(3 * TIME), mid_y = static_cast<int>(2 * TIME), far_y = static_cast<int>(1 * TIME);
  const int near_x = static_cast<int>(3 * TIME * windy), mid_x = static_cast<int>(2 * TIME * windy),
            far_x = static_cast<int>(1 * TIME * windy);
  set_rotation(std::atan2(static_cast<float>(near_y), static_cast<float>(near_x)) / kDeg + 90);
  auto layer = [&](int first, float scale, int sx, int sy) {
    // One swing every 3.6 seconds, up to 20 pixels either way.
    const int s = static_cast<int>(std::sin(static_cast<float>((millisecs() % 3600) / 10) * kDeg) * 20);
    set_scale(scale, scale);
    for (int i = first; i < snowdrops; i += 3) {
      auto& f = snowdrop[i];
      f[1] = rem(f[1] + sy, height);
      if (f[0] < 0) f[0] += width;
      f[0] = rem(f[0] + sx, width);
      draw_image(snowflake, static_cast<float>(f[0] + s), static_cast<float>(f[1]));
    }
  };
  if (front != 0) {
    layer(0, 0.3f, near_x, near_y);
  } else {
    layer(1, 0.2f, mid_x, mid_y);
    layer(2, 0.1f, far_x, far_y);
  }
  set_color(255, 255, 255);
}

void Weather::update_cloudfast(int front) {
  set_blend(BLEND_LIGHT);
  set_color(255, 255, 255);
  set_rotation(0);
  set_alpha(0.6f);
  const float cw = static_cast<float>(image_width(clouds_img));
  auto layer = [&](int first, float scale, float speed) {
    set_scale(scale, scale);
    for (int i = first; i < clouds; i += 3) {
      auto& c = cloud[i];
      c[0] += speed;
      // Recycled only at the right edge: with wind from the right, clouds leave for good.
      if (c[0] > width + cw) {
        c[0] = -cw;
        c[1] = static_cast<float>(rand_int(1, height / 2));
      }
      draw_image(clouds_img, c[0], c[1], static_cast<int>(c[2]));
    }
  };
  if (front != 0) {
    layer(0, 2.0f, 0.3f * TIME * windy);
  } else {
    layer(1, 1.0f, 0.2f * TIME * windy);
    layer(2, 0.3f, 0.1f * TIME * windy);
  }
}

void Weather::update_darky() {
  set_rotation(0);
  set_blend(BLEND_ALPHA);
  set_color(0, 0, 0);
  set_alpha(darky);
  set_scale(1, 1);
  if (darky <= 0) return;  // nothing to dim
  if (darky < 0.4f) {
    const float s = layer_scale();
    set_scale(s, s);
    const float r = std::max(rumbl, 0.0f);
    draw_rect(-r, -r, 1024 + 2 * r, 768 + 2 * r);
  } else {
    const float s = 1 + layer_scale();
    set_scale(s, s);
    const float mx = static_cast<float>(static_cast<int>(std::clamp(static_cast<float>(mouse_x()), rumbl, 1024 + rumbl)));
    const float my = static_cast<float>(static_cast<int>(std::clamp(static_cast<float>(mouse_y()), rumbl, 768 + rumbl)));
    draw_image(night, mx, my);
  }
}

std::array<int, 4> Weather::get_origin() const { return {0, 0, 0, 0}; }

namespace World {

void update_weather(int front) { w->update(front); }

void change_weather(float rainy, float cloudy, float snowy, float windy, float darky, const std::string& background,
                    float psycho) {
  w->_reset_weather(rainy, cloudy, snowy, windy, darky, background, static_cast<int>(psycho));
}

}  // namespace World
