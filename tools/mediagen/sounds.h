// Sound half of the media generator: the list of every sound file and the makers of each area.
#pragma once

#include <string>

#include "sounds_synth.h"

namespace mediagen::snd {

// Short effects, mono, levelled and faded at both ends.
Mono make_effect(const std::string& name);
// Announcer and greeting lines spoken by espeak-ng and treated; exits with a message when it is missing.
Mono make_voice(const std::string& text, double depth);
Mono make_welcome();
// Music tracks, stereo, looping without a seam.
Stereo make_music(const std::string& name);

// Effect names make_effect knows, in generation order.
extern const char* const kEffects[];
extern const int kEffectCount;
// Music names make_music knows.
extern const char* const kTracks[];
extern const int kTrackCount;

}  // namespace mediagen::snd
