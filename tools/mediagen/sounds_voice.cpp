// Spoken lines of the game: espeak-ng speaks them, then they are made to sound like an arcade announcer.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sounds.h"
#include "sounds_instruments.h"

namespace mediagen::snd {

namespace {

[[noreturn]] void no_espeak(const char* why) {
  std::fprintf(stderr,
               "mediagen: the announcer voice needs espeak-ng, which %s.\n"
               "Install it with tools/install-deps.sh (Debian package espeak-ng).\n",
               why);
  std::exit(1);
}

uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Runs espeak-ng and returns its speech as mono float at its own sample rate.
Mono speak(const std::string& text, int& rate) {
  for (char c : text)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == ' ')) no_espeak("was asked to speak an unsafe text");
  const std::string cmd = "espeak-ng -v en-us+m3 -s 125 -p 32 -a 180 --stdout \"" + text + "\" 2>/dev/null";
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) no_espeak("could not be started");
  std::vector<uint8_t> wav;
  uint8_t buf[8192];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, pipe)) > 0) wav.insert(wav.end(), buf, buf + got);
  const int status = pclose(pipe);
  if (status != 0 || wav.size() < 44 || std::memcmp(wav.data(), "RIFF", 4) != 0) no_espeak("is missing or failed");
  // Walk the chunks; espeak-ng writing to a pipe cannot know the data size, so the data runs to the end.
  size_t pos = 12;
  int channels = 1, bits = 16;
  rate = 22050;
  while (pos + 8 <= wav.size()) {
    const uint32_t size = le32(&wav[pos + 4]);
    if (std::memcmp(&wav[pos], "fmt ", 4) == 0 && pos + 24 <= wav.size()) {
      channels = le16(&wav[pos + 10]);
      rate = static_cast<int>(le32(&wav[pos + 12]));
      bits = le16(&wav[pos + 22]);
    } else if (std::memcmp(&wav[pos], "data", 4) == 0) {
      if (bits != 16 || channels < 1) no_espeak("produced an unexpected sample format");
      Mono out;
      const size_t frame = 2 * static_cast<size_t>(channels);
      for (size_t i = pos + 8; i + frame <= wav.size(); i += frame)
        out.push_back(static_cast<int16_t>(le16(&wav[i])) / 32768.0f);
      return out;
    }
    pos += 8 + size + (size & 1);
  }
  no_espeak("produced no sound");
}

// Lowers, thickens and drives the speech, then adds a slap-back and a hall.
Mono announce(const std::string& text, double depth, double echo_db, double room) {
  int rate = 0;
  Mono raw = speak(text, rate);
  trim(raw, 0.01f, 0.02);
  Mono v = resample(raw, static_cast<double>(rate) / kRate * depth);
  Biquad aa(Biquad::LowPass, std::min(9000.0, rate * 0.5 * depth * 0.9), 0.7);
  Biquad hp(Biquad::HighPass, 70.0, 0.7), lows(Biquad::LowShelf, 170.0, 0.7, 7.0), pres(Biquad::Peak, 2800.0, 1.0, 4.0);
  for (auto& s : v) s = pres.process(lows.process(hp.process(aa.process(s))));
  const float pk = std::max(peak(v), 1e-6f);
  for (auto& s : v) s = soft_clip(s / pk * 2.4f) / soft_clip(2.4f);
  Mono out = v;
  out.resize(v.size() + samples(1.2), 0.0f);
  mix(out, v, samples(0.09), db_gain(echo_db));
  mix(out, v, samples(0.18), db_gain(echo_db * 2.0));
  Stereo in(out.size());
  in.l = out;
  in.r = out;
  Reverb rv(room, 0.35, 1.0);
  const Stereo w = rv.run(in, 0);
  for (size_t i = 0; i < out.size(); ++i) out[i] += (w.l[i] + w.r[i]) * 0.5f * 0.3f;
  trim(out, 2e-4f * peak(out), 0.0);
  fade(out, 0.003, 0.08);
  return out;
}

}  // namespace

Mono make_voice(const std::string& text, double depth) {
  Mono m = announce(text, depth, -9.0, 0.7);
  level(m, -13.0, -1.5);
  fade(m, 0.001, 0.01);
  return m;
}

Mono make_welcome() {
  Rng rng(131);
  Mono voice = announce("Welcome to Pellaron", 0.88, -12.0, 0.85);
  const double lead_in = 0.55;
  Mono m(samples(lead_in) + voice.size() + samples(0.6), 0.0f);
  // A rising chime that opens the game, its shimmer ringing on under the voice.
  const int notes[] = {72, 76, 79, 84, 88};
  for (int k = 0; k < 5; ++k) mix(m, bell(midi_hz(notes[k]), 2.5, 0.7f, 0.8), samples(0.09 * k), 0.22f);
  Stereo p = pad(midi_hz(60), 1.6, 0.7f, 2500.0, rng);
  for (size_t i = 0; i < p.size() && i < m.size(); ++i) m[i] += (p.l[i] + p.r[i]) * 0.25f;
  const float vp = std::max(peak(voice), 1e-6f);
  mix(m, voice, samples(lead_in), 0.9f / vp);
  Stereo in(m.size());
  in.l = m;
  in.r = m;
  Reverb rv(0.9, 0.2, 1.0);
  const Stereo w = rv.run(in, 0);
  for (size_t i = 0; i < m.size(); ++i) m[i] += (w.l[i] + w.r[i]) * 0.5f * 0.2f;
  fade(m, 0.002, 0.4);
  level(m, -15.0, -1.5);
  fade(m, 0.001, 0.01);
  return m;
}

}  // namespace mediagen::snd
