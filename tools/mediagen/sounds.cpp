// Sound half of the media generator: renders, encodes and writes every sound file of the game.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mediagen.h"
#include "sounds.h"
#include "sounds_vorbis.h"

namespace mediagen {

namespace {

// Each file gets its own fixed stream serial, derived from its name, so rebuilt files are identical.
int serial_for(const std::string& name) {
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return static_cast<int>(h & 0x7fffffff);
}

void put(Output& out, const std::string& name, const std::vector<uint8_t>& bytes) {
  if (!out.write("sfx/" + name + ".ogg", bytes)) {
    std::fprintf(stderr, "mediagen: could not write sfx/%s.ogg under %s\n", name.c_str(), out.root().c_str());
    std::exit(1);
  }
}

void put(Output& out, const std::string& name, const snd::Mono& m) { put(out, name, snd::encode_ogg(m, 0.5f, serial_for(name))); }
void put(Output& out, const std::string& name, const snd::Stereo& s) { put(out, name, snd::encode_ogg(s, 0.4f, serial_for(name))); }

struct Line {
  const char* name;
  const char* text;
  double depth;  // playback speed of the speech: lower is deeper and slower
};

const Line kLines[] = {
    {"doublekill", "Double kill", 0.84},   {"tripplekill", "Triple kill", 0.83},  {"multikill", "Multi kill", 0.82},
    {"ultrakill", "Ultra kill", 0.81},     {"monsterkill", "Monster kill", 0.74}, {"unstoppable", "Unstoppable", 0.8},
    {"wickedsick", "Wicked sick", 0.8},
};

}  // namespace

void generate_sounds(Output& out) {
  // The two files start-up needs come first, so a half-finished run still lets the game start.
  put(out, "menu", snd::make_music("menu"));
  put(out, "welcome", snd::make_welcome());
  for (int i = 0; i < snd::kEffectCount; ++i) put(out, snd::kEffects[i], snd::make_effect(snd::kEffects[i]));
  for (const Line& l : kLines) put(out, l.name, snd::make_voice(l.text, l.depth));
  for (int i = 0; i < snd::kTrackCount; ++i)
    if (std::string(snd::kTracks[i]) != "menu") put(out, snd::kTracks[i], snd::make_music(snd::kTracks[i]));
}

}  // namespace mediagen
