// Every sound effect, the music channel and the bitmap-font text go through these helpers.
#pragma once

#include <string>

#include "platform.h"

// Sound effects on (1) or silenced (0). Starts at 1; the options set it.
extern int SOUND_ON;
// Music may start (1) or not (0). Starts at 1; read from the settings at start-up and set by the options.
extern int MUSIC_ON;
// The one music channel, allocated at start-up.
extern Channel CHANNEL_MUSIC;
// The music last started on CHANNEL_MUSIC (compared by identity to switch tracks).
extern Sound SND_MUSIC_ACTIVE;
// The bitmap font: 128 cells of 64x64, cell n showing character n; loaded at start-up.
extern Image kewlfont;

// Plays an effect on a channel of its own at 0.6 of `volume`; `channel` is unused (callers pass 0).
// A pan of exactly 0 keeps the channel's default pan.
void PlaySound2(const Sound& sound, float volume, Channel channel, float pan);
// Switches or keeps the music. A negative volume leaves the volume alone; with no sound the
// active music is restarted once it has ended, which is how music loops.
void PlayMusic(const Sound& sound, float volume);
// Half-size bitmap text: 16 pixels per character at scale 1.
void DrawText2(const std::string& txt, int x, int y);
// Quarter-size bitmap text: 8 pixels per character at scale 1, like the default font.
void DrawText3(const std::string& txt, int x, int y);
int TextWidth2(const std::string& text);
int TextHeight2(const std::string& text);
