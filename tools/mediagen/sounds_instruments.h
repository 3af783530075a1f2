// Playable instruments of the media generator: each renders one note into a buffer starting at its onset.
#pragma once

#include "sounds_synth.h"

namespace mediagen::snd {

// Drums.
Mono kick(float vel, double tune = 1.0);
Mono snare(float vel, Rng& rng, double tone_hz = 190.0);
Mono hat(float vel, bool open, Rng& rng);
Mono clap(float vel, Rng& rng);
Mono crash(float vel, Rng& rng, double seconds = 2.5);
Mono timpani(double hz, float vel, Rng& rng);

// Pitched voices: `gate` is how long the key is held, the buffer includes the release.
Mono bass(double hz, double gate, float vel, double cutoff = 900.0);
Mono brass(double hz, double gate, float vel, Rng& rng);
Stereo pad(double hz, double gate, float vel, double cutoff, Rng& rng);
Mono lead(double hz, double gate, float vel, double vibrato_depth = 0.006, bool square = false);
Mono pluck(double hz, double gate, float vel, double brightness = 1.0);
Mono bell(double hz, double seconds, float vel, double brightness = 1.0);

// Sweeping filtered noise, rising (up = true) or falling, for transitions.
Mono riser(double seconds, bool up, Rng& rng);

}  // namespace mediagen::snd
