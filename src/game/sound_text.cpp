// Sound effects at the game's effect volume, the music channel, and text in the game's bitmap font.
#include "sound_text.h"

int SOUND_ON = 1;
int MUSIC_ON = 1;
Channel CHANNEL_MUSIC = 0;
Sound SND_MUSIC_ACTIVE;
Image kewlfont;

void PlaySound2(const Sound& sound, float volume, Channel, float pan) {
  if (!sound || SOUND_ON == 0) return;
  const Channel ch = cue_sound(sound);
  if (pan != 0) set_channel_pan(ch, pan);
  set_channel_volume(ch, volume * 0.6f);
  resume_channel(ch);
}

void PlayMusic(const Sound& sound, float volume) {
  if (volume >= 0) set_channel_volume(CHANNEL_MUSIC, volume * 0.7f);
  if (MUSIC_ON == 0) return;
  if (sound) {
    stop_channel(CHANNEL_MUSIC);
    play_sound(sound, CHANNEL_MUSIC);
    SND_MUSIC_ACTIVE = sound;
  } else if (!channel_playing(CHANNEL_MUSIC) && SND_MUSIC_ACTIVE) {
    play_sound(SND_MUSIC_ACTIVE, CHANNEL_MUSIC);
  }
}

void DrawText2(const std::string& txt, int x, int y) {
  float sx, sy;
  get_scale(sx, sy);
  set_scale(sx * 0.5f, sy * 0.5f);
  const float w = static_cast<float>(image_width(kewlfont));
  for (std::size_t i = 0; i < txt.size(); ++i) {
    const int v = static_cast<unsigned char>(txt[i]);
    if (v < 128) draw_image(kewlfont, x + i * w * 0.25f * sx + 8 * sx, y + 16 * sy, v);
  }
  set_scale(sx, sy);
}

void DrawText3(const std::string& txt, int x, int y) {
  float sx, sy;
  get_scale(sx, sy);
  set_scale(sx * 0.25f, sy * 0.25f);
  const float w = static_cast<float>(image_width(kewlfont));
  const float h = static_cast<float>(image_height(kewlfont));
  // The vertical offset follows the horizontal scale, as the menus were laid out with it.
  for (std::size_t i = 0; i < txt.size(); ++i) {
    const int v = static_cast<unsigned char>(txt[i]);
    if (v < 128) draw_image(kewlfont, x + (i + 0.5f) * w * sx * 0.125f, y + h * sx * 0.125f, v);
  }
  set_scale(sx, sy);
}

int TextWidth2(const std::string& text) {
  return static_cast<int>(text.size() * image_width(kewlfont) * 0.25f);
}

int TextHeight2(const std::string&) { return image_height(kewlfont); }
