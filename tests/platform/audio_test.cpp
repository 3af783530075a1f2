// Sounds and channels: loading, the headless sound log and timing, the silent mode and the SDL_mixer path.
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "headless.h"

namespace fs = std::filesystem;

namespace {

// A mono 44.1 kHz sine of the given length as an Ogg Vorbis file.
std::string encode_sine_ogg(int ms) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  vorbis_encode_init_vbr(&vi, 1, 44100, 0.1f);
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1);
  std::string out;
  ogg_page og;
  auto append = [&] {
    out.append(reinterpret_cast<const char*>(og.header), static_cast<std::size_t>(og.header_len));
    out.append(reinterpret_cast<const char*>(og.body), static_cast<std::size_t>(og.body_len));
  };
  ogg_packet h1, h2, h3;
  vorbis_analysis_headerout(&vd, &vc, &h1, &h2, &h3);
  ogg_stream_packetin(&os, &h1);
  ogg_stream_packetin(&os, &h2);
  ogg_stream_packetin(&os, &h3);
  while (ogg_stream_flush(&os, &og)) append();
  const int frames = 44100 * ms / 1000;
  float** buf = vorbis_analysis_buffer(&vd, frames);
  for (int i = 0; i < frames; ++i) buf[0][i] = 0.3f * std::sin(static_cast<float>(i) * 0.0627f);
  vorbis_analysis_wrote(&vd, frames);
  vorbis_analysis_wrote(&vd, 0);
  while (vorbis_analysis_blockout(&vd, &vb) == 1) {
    vorbis_analysis(&vb, nullptr);
    vorbis_bitrate_addblock(&vb);
    ogg_packet op;
    while (vorbis_bitrate_flushpacket(&vd, &op)) {
      ogg_stream_packetin(&os, &op);
      while (ogg_stream_pageout(&os, &og)) append();
    }
  }
  while (ogg_stream_flush(&os, &og)) append();
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

struct AudioFiles : ::testing::Test {
  fs::path dir;
  std::string beep, music;
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "pellaron-audio-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
    beep = write("beep.ogg", encode_sine_ogg(500));
    music = write("music.ogg", encode_sine_ogg(2000));
    platform_init(PlatformMode::Headless);
  }
  void TearDown() override {
    platform_init(PlatformMode::Headless);
    fs::remove_all(dir);
  }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream((dir / name).string(), std::ios::binary) << bytes;
    return (dir / name).string();
  }
};

TEST_F(AudioFiles, LoadKnowsLengthAndNameAndRefusesDamagedFiles) {
  const Sound s = load_sound(beep);
  ASSERT_TRUE(s);
  EXPECT_EQ(sound_name(s), beep);
  EXPECT_NEAR(headless_sound_length_ms(s), 500, 1);
  EXPECT_NEAR(headless_sound_length_ms(load_sound(music)), 2000, 1);

  const std::string good = encode_sine_ogg(500);
  std::string flipped = good;
  flipped[flipped.size() / 2] ^= 0x55;
  const std::pair<const char*, std::string> bad[] = {
      {"cut.ogg", good.substr(0, good.size() / 2)},
      {"cut_late.ogg", good.substr(0, good.size() - 20)},
      {"flipped.ogg", flipped},
      {"empty.ogg", ""},
      {"text.ogg", "not a sound at all\n"},
      {"header_only.ogg", good.substr(0, 60)},
  };
  for (const auto& [name, bytes] : bad) EXPECT_FALSE(load_sound(write(name, bytes))) << name;
  EXPECT_FALSE(load_sound((dir / "missing.ogg").string()));
  EXPECT_EQ(sound_name(nullptr), "");
}

TEST_F(AudioFiles, EffectChannelIsRecordedAndPlaysForTheSoundsLengthOfVirtualTime) {
  const Sound s = load_sound(beep);
  ASSERT_TRUE(s);
  const Channel ch = cue_sound(s);
  ASSERT_NE(ch, 0);
  EXPECT_FALSE(channel_playing(ch)) << "a cued sound waits paused";
  set_channel_pan(ch, -0.5f);
  set_channel_volume(ch, 0.6f);
  resume_channel(ch);
  EXPECT_TRUE(channel_playing(ch));

  const auto& log = headless_sound_log();
  ASSERT_EQ(log.size(), 4u);
  const SoundRecord::Op ops[] = {SoundRecord::Cue, SoundRecord::Pan, SoundRecord::Volume, SoundRecord::Resume};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(log[i].op, ops[i]);
    EXPECT_EQ(log[i].sound, beep);
    EXPECT_EQ(log[i].channel, ch);
  }
  EXPECT_FLOAT_EQ(log[0].volume, 1.0f);
  EXPECT_FLOAT_EQ(log[0].pan, 0.0f);
  EXPECT_FLOAT_EQ(log[1].pan, -0.5f);
  EXPECT_FLOAT_EQ(log[3].volume, 0.6f);
  EXPECT_FLOAT_EQ(log[3].pan, -0.5f);

  const int len = headless_sound_length_ms(s);
  headless_advance(len - 101);
  EXPECT_TRUE(channel_playing(ch));
  pause_channel(ch);
  EXPECT_FALSE(channel_playing(ch));
  headless_advance(10000);  // a paused channel does not run down
  resume_channel(ch);
  EXPECT_TRUE(channel_playing(ch));
  headless_advance(100);
  EXPECT_TRUE(channel_playing(ch));
  headless_advance(1);
  EXPECT_FALSE(channel_playing(ch));

  set_channel_volume(ch, 7.0f);  // clamped
  set_channel_pan(ch, -3.0f);
  EXPECT_FLOAT_EQ(log.back().volume, 1.0f);
  EXPECT_FLOAT_EQ(log.back().pan, -1.0f);
  headless_clear_sound_log();
  EXPECT_TRUE(headless_sound_log().empty());
}

TEST_F(AudioFiles, AllocatedChannelKeepsVolumeAndPanAcrossPlaysAndStops) {
  const Sound a = load_sound(music), b = load_sound(beep);
  const Channel music_ch = alloc_channel();
  ASSERT_NE(music_ch, 0);
  EXPECT_FALSE(channel_playing(music_ch));
  set_channel_volume(music_ch, 0.56f);
  play_sound(a, music_ch);
  EXPECT_TRUE(channel_playing(music_ch));
  headless_advance(100);
  play_sound(b, music_ch);  // replaces the music and starts the new sound from its beginning
  EXPECT_EQ(headless_sound_log().back().op, SoundRecord::Play);
  EXPECT_EQ(headless_sound_log().back().sound, beep);
  EXPECT_FLOAT_EQ(headless_sound_log().back().volume, 0.56f);
  headless_advance(headless_sound_length_ms(b) - 1);
  EXPECT_TRUE(channel_playing(music_ch));
  stop_channel(music_ch);
  EXPECT_FALSE(channel_playing(music_ch));
  EXPECT_EQ(headless_sound_log().back().op, SoundRecord::Stop);

  // Many effects later the allocated channel is still the game's to use.
  for (int i = 0; i < 50; ++i) {
    const Channel fx = cue_sound(b);
    EXPECT_NE(fx, music_ch);
    resume_channel(fx);
    headless_advance(1000);
  }
  play_sound(a, music_ch);
  EXPECT_TRUE(channel_playing(music_ch));
  EXPECT_FLOAT_EQ(headless_sound_log().back().volume, 0.56f);
}

TEST_F(AudioFiles, NoChannelOrNoSoundDoesNothing) {
  const Sound s = load_sound(beep);
  EXPECT_EQ(cue_sound(nullptr), 0);
  for (const Channel ch : {0, 12345, -1}) {
    play_sound(s, ch);
    set_channel_volume(ch, 0.5f);
    set_channel_pan(ch, 0.5f);
    pause_channel(ch);
    resume_channel(ch);
    stop_channel(ch);
    EXPECT_FALSE(channel_playing(ch));
  }
  const Channel ch = alloc_channel();
  play_sound(nullptr, ch);
  EXPECT_FALSE(channel_playing(ch));
  EXPECT_TRUE(headless_sound_log().empty());
  EXPECT_FALSE(audio_available());
}

// The real mode: first without any usable device (the game goes silent but keeps time), then
// through SDL_mixer on SDL's dummy device.
struct RealAudio : AudioFiles {
  std::string saved;
  void SetUp() override {
    AudioFiles::SetUp();
    if (const char* v = std::getenv("SDL_AUDIODRIVER")) saved = v;
  }
  void TearDown() override {
    if (saved.empty()) {
      unsetenv("SDL_AUDIODRIVER");
    } else {
      setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    }
    AudioFiles::TearDown();
  }
};

TEST_F(RealAudio, WithoutADeviceChannelsStillKeepTime) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform_init(PlatformMode::Real);
  EXPECT_FALSE(audio_available());
  const std::string short_one = write("short.ogg", encode_sine_ogg(100));
  const Sound s = load_sound(short_one);
  ASSERT_TRUE(s);
  const Channel ch = cue_sound(s);
  resume_channel(ch);
  EXPECT_TRUE(channel_playing(ch));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(channel_playing(ch));
  EXPECT_TRUE(headless_sound_log().empty()) << "only headless runs keep a log";
}

TEST_F(RealAudio, MixerChannelsGrowAndFollowPauseAndStop) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform_init(PlatformMode::Real);
  if (!audio_available()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  const Sound s = load_sound(music);
  ASSERT_TRUE(s);
  const Channel keep = alloc_channel();
  std::vector<Channel> fx;
  for (int i = 0; i < 40; ++i) {  // more than the mixer starts with
    fx.push_back(cue_sound(s));
    set_channel_pan(fx.back(), i % 2 ? 0.7f : -0.7f);
    resume_channel(fx.back());
  }
  std::sort(fx.begin(), fx.end());
  EXPECT_EQ(std::unique(fx.begin(), fx.end()), fx.end());
  for (const Channel c : fx) EXPECT_TRUE(channel_playing(c)) << c;
  pause_channel(fx[0]);
  EXPECT_FALSE(channel_playing(fx[0]));
  resume_channel(fx[0]);
  EXPECT_TRUE(channel_playing(fx[0]));
  stop_channel(fx[1]);
  EXPECT_FALSE(channel_playing(fx[1]));
  play_sound(s, keep);
  EXPECT_TRUE(channel_playing(keep));
  const Sound corrupt = load_sound(write("bad.ogg", "OggS but nothing else"));
  EXPECT_FALSE(corrupt);
}

}  // namespace
