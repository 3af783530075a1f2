// Controls of the headless mode for tests, benchmarks and tools: the virtual clock, scripted input and recorded output.
#pragma once

#include <string>
#include <vector>

#include "platform.h"

// Moves the virtual clock forward.
void headless_advance(int ms);
void headless_set_time(int ms);

// Scripted input; each goes through post_event like real input.
void headless_key_press(int key);    // down and up: one hit
void headless_key_down(int key);
void headless_key_up(int key);
void headless_type(const std::string& text);  // typed characters
void headless_mouse_move(int x, int y);
void headless_mouse_click(int button);  // down and up
void headless_mouse_button(int button, bool down);

// What the game played. One record per call that changed a channel.
struct SoundRecord {
  enum Op { Play, Cue, Resume, Pause, Stop, Volume, Pan } op;
  std::string sound;  // path the sound was loaded from ("" when not applicable)
  Channel channel = 0;
  float volume = 1.0f;  // channel volume at the time of the record
  float pan = 0.0f;     // channel pan at the time of the record
};
const std::vector<SoundRecord>& headless_sound_log();
void headless_clear_sound_log();
// Headless channels finish after the sound's length (decoded once at load) of virtual time.
int headless_sound_length_ms(const Sound& s);

// Message boxes shown (notify and confirm texts, in order) and the answer confirm gives.
const std::vector<std::string>& headless_messages();
void headless_clear_messages();
void headless_set_confirm_answer(bool yes);
