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

// Clock: the raw clock reading in milliseconds (virtual in headless mode), and the journal hook
// through which every reading handed to the game is observed.
int64_t now_ms();
void journal_clock(int millis);
// Files and TCP: a stream over a connected socket, and the limit for waiting on a line (5000 ms).
StreamPtr make_socket_stream(int fd);
void set_tcp_read_timeout_ms(int ms);

}  // namespace platform_detail
