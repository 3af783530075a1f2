// Tests of the sound-effect and music rules (through the recorded headless audio) and of bitmap-text placement.
#include <gtest/gtest.h>

#include "headless.h"
#include "platform.h"
#include "sound_text.h"
#include "test_support.h"

namespace {

class SoundTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_init(PlatformMode::Headless);
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    link_media();
    SOUND_ON = 1;
    MUSIC_ON = 1;
    CHANNEL_MUSIC = alloc_channel();
    SND_MUSIC_ACTIVE = nullptr;
    effect = load_sound("sfx/beep.ogg", 0);
    music = load_sound("sfx/menu.ogg", 0);
    ASSERT_TRUE(effect);
    ASSERT_TRUE(music);
    headless_clear_sound_log();
  }
  void TearDown() override { kewlfont = nullptr; }
  std::vector<SoundRecord> records(SoundRecord::Op op) const {
    std::vector<SoundRecord> out;
    for (const auto& r : headless_sound_log())
      if (r.op == op) out.push_back(r);
    return out;
  }
  TempDir dir;
  Sound effect, music;
};

TEST_F(SoundTextTest, EffectsPlayAtSixTenthsOnAChannelOfTheirOwn) {
  PlaySound2(effect, 1.5f, 0, 0);
  PlaySound2(effect, 1.0f, 0, -0.5f);
  PlaySound2(nullptr, 1.0f, 0, 0);
  const auto resumed = records(SoundRecord::Resume);
  ASSERT_EQ(resumed.size(), 2u);
  EXPECT_NE(resumed[0].channel, resumed[1].channel);
  EXPECT_NE(resumed[0].channel, CHANNEL_MUSIC);
  EXPECT_FLOAT_EQ(resumed[0].volume, 0.9f);
  EXPECT_FLOAT_EQ(resumed[0].pan, 0.0f);
  EXPECT_FLOAT_EQ(resumed[1].volume, 0.6f);
  EXPECT_FLOAT_EQ(resumed[1].pan, -0.5f);
  // A pan of exactly 0 leaves the channel alone.
  EXPECT_EQ(records(SoundRecord::Pan).size(), 1u);
  EXPECT_EQ(resumed[0].sound, "sfx/beep.ogg");

  headless_clear_sound_log();
  SOUND_ON = 0;
  PlaySound2(effect, 1.0f, 0, 0);
  EXPECT_TRUE(headless_sound_log().empty()) << "no channel at all while sound is off";
}

TEST_F(SoundTextTest, MusicSwitchesKeepsAndRestarts) {
  // Music off: only the volume changes, nothing is recorded as active.
  MUSIC_ON = 0;
  PlayMusic(music, 0.8f);
  EXPECT_TRUE(records(SoundRecord::Play).empty());
  ASSERT_FALSE(records(SoundRecord::Volume).empty());
  EXPECT_NEAR(records(SoundRecord::Volume).back().volume, 0.56f, 1e-6);
  EXPECT_EQ(SND_MUSIC_ACTIVE, nullptr);
  PlayMusic(nullptr, -1);
  EXPECT_TRUE(records(SoundRecord::Play).empty());

  MUSIC_ON = 1;
  PlayMusic(music, 1.0f);
  auto plays = records(SoundRecord::Play);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].channel, CHANNEL_MUSIC);
  EXPECT_EQ(SND_MUSIC_ACTIVE, music);
  EXPECT_TRUE(channel_playing(CHANNEL_MUSIC));

  // While it plays, the per-frame call changes nothing; once it has ended it restarts at the same volume.
  PlayMusic(nullptr, -1);
  EXPECT_EQ(records(SoundRecord::Play).size(), 1u);
  headless_advance(headless_sound_length_ms(music) + 100);
  EXPECT_FALSE(channel_playing(CHANNEL_MUSIC));
  PlayMusic(nullptr, -1);
  plays = records(SoundRecord::Play);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].sound, "sfx/menu.ogg");
  EXPECT_NEAR(plays[1].volume, 0.7f, 1e-6);
}

// A font whose every cell is a solid square in a colour that tells the character.
Image square_font() {
  std::vector<uint32_t> px(64 * 128 * 64);
  for (int c = 0; c < 128; ++c)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) px[y * 64 * 128 + c * 64 + x] = 0xFF000000u | (static_cast<uint32_t>(c) << 16) | 0x20;
  auto img = create_image(64 * 128, 64, px, 64, 64);
  mid_handle_image(img);
  return img;
}

int char_at(int x, int y) {
  const uint32_t p = frame_pixels()[y * 1024 + x];
  if ((p & 0xFF) == 0) return -1;
  return static_cast<int>((p >> 16) & 0xFF);
}

TEST_F(SoundTextTest, GlyphPlacementAndMetrics) {
  kewlfont = square_font();
  set_clear_color(0, 0, 0);
  set_blend(BLEND_SOLID);
  set_color(255, 255, 255);
  set_alpha(1);
  set_rotation(0);

  // Quarter size: A centred at (4, 8) and B at (12, 8), each 16 pixels square.
  clear_screen();
  set_scale(1, 1);
  DrawText3("AB", 0, 0);
  EXPECT_EQ(char_at(0, 8), 'A');
  EXPECT_EQ(char_at(10, 8), 'B');
  EXPECT_EQ(char_at(19, 8), 'B');
  EXPECT_EQ(char_at(21, 8), -1);
  EXPECT_EQ(char_at(12, 15), 'B');
  EXPECT_EQ(char_at(12, 17), -1);

  // At scale 2 the advance doubles and the vertical offset follows the horizontal scale.
  clear_screen();
  set_scale(2, 1);
  DrawText3("A\x80" "C", 100, 100);
  float sx, sy;
  get_scale(sx, sy);
  EXPECT_EQ(sx, 2.0f);
  EXPECT_EQ(sy, 1.0f);
  EXPECT_EQ(char_at(93, 116), 'A');
  EXPECT_EQ(char_at(123, 116), 'A');
  EXPECT_EQ(char_at(150, 116), 'C') << "code 128 draws nothing but keeps its place";
  EXPECT_EQ(char_at(157, 116), -1);
  EXPECT_EQ(char_at(140, 123), 'C');
  EXPECT_EQ(char_at(140, 125), -1);

  // Half size: 32-pixel cells, the first centred at (x + 8, y + 16), advancing 16.
  clear_screen();
  set_scale(1, 1);
  DrawText2("XY", 200, 300);
  EXPECT_EQ(char_at(193, 316), 'X');
  EXPECT_EQ(char_at(207, 316), 'X');
  EXPECT_EQ(char_at(191, 316), -1);
  EXPECT_EQ(char_at(239, 316), 'Y');
  EXPECT_EQ(char_at(241, 316), -1);
  EXPECT_EQ(char_at(200, 331), 'X');
  EXPECT_EQ(char_at(200, 333), -1);

  EXPECT_EQ(TextWidth2(""), 0);
  EXPECT_EQ(TextWidth2("abc"), 48);
  EXPECT_EQ(TextHeight2(""), 64);
  // An empty text draws nothing.
  clear_screen();
  DrawText3("", 0, 0);
  EXPECT_EQ(char_at(4, 8), -1);
}

}  // namespace
