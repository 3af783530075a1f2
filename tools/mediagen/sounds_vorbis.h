// OGG Vorbis encoding of synthesised sound into bytes, deterministic from run to run.
#pragma once

#include <cstdint>
#include <vector>

#include "sounds_synth.h"

namespace mediagen::snd {

// Encodes at kRate with VBR quality `quality` (-0.1 .. 1); samples are clamped to [-1, 1].
std::vector<uint8_t> encode_ogg(const Mono& mono, float quality, int serial);
std::vector<uint8_t> encode_ogg(const Stereo& stereo, float quality, int serial);

}  // namespace mediagen::snd
