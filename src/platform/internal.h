// Hooks between the platform layer's own units; not for the game.
#pragma once

#include "platform.h"

namespace platform_detail {

// Drawing: back to the start state (white, opaque, alpha blend, scale 1, no rotation, origin 0,
// full viewport, mask colour magenta, no auto mid handle) and no screen. Called by platform_init.
void graphics_reset();
// Audio: stops and forgets every channel and the sound records; closes the device. Called by platform_init.
void audio_reset();
// Input and clock: clears every key, button, typed character and the virtual clock. Called by platform_init.
void input_reset();
void clock_reset();
// Messages recorded in headless mode. Called by platform_init.
void dialogs_reset();

}  // namespace platform_detail
