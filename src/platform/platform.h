// The platform layer's public face: drawing, audio, input, time, random numbers, files, TCP, dialogs and lists.
//
// The game reaches the machine only through this header. Two modes share every function:
//   real     - an SDL2 window with audio; what the player gets.
//   headless - no window and no sound device: pictures are rendered in software into an offscreen
//              1024x768 frame, the clock is virtual and only moves when the caller advances it, input
//              comes from a script and audio records what was played (see headless.h).
// Both modes draw through the same software rasteriser, so a headless frame is what the player sees.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "list.h"

// ---------------------------------------------------------------------------------------------
// Mode and program
// ---------------------------------------------------------------------------------------------

enum class PlatformMode { Real, Headless };

// Chooses the mode. Must be called before open_graphics; the default mode is Real.
// Re-initialising resets the drawing state, input, clock (headless) and audio records.
void platform_init(PlatformMode mode);
PlatformMode platform_mode();

// Makes the directory of the running executable the working directory, so that the game finds
// data/, gfx/ and sfx/ beside itself whatever directory it was started from.
void enter_program_dir();
// Absolute path of the running executable ("" when unknown).
std::string own_executable_path();

// ---------------------------------------------------------------------------------------------
// Screen and drawing
// ---------------------------------------------------------------------------------------------

constexpr int SCREEN_W = 1024;
constexpr int SCREEN_H = 768;

enum BlendMode { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };

// depth 0 opens a window, any other depth full screen (the 4:3 picture centred with borders).
// The picture is always width x height logical pixels; a resized window scales it the same way.
// Returns false when no screen could be opened (headless always succeeds).
bool open_graphics(int width, int height, int depth, int hz);
void close_graphics();
int graphics_width();
int graphics_height();

void set_clear_color(int r, int g, int b);
void clear_screen();
// Presents the frame and paces frames at the rate given to open_graphics, by vsync or by
// sleeping, never by busy waiting. Also pumps window events into the input state.
// Headless: does not touch the virtual clock.
void flip();

void set_color(int r, int g, int b);
void get_color(int& r, int& g, int& b);
void set_alpha(float a);
float get_alpha();
void set_blend(int mode);
int get_blend();
void set_scale(float sx, float sy);  // negative values mirror
void get_scale(float& sx, float& sy);
void set_rotation(float degrees);    // clockwise on screen
float get_rotation();
void set_origin(float x, float y);   // added to every drawing position
void get_origin(float& x, float& y);
void set_viewport(int x, int y, int w, int h);  // clip rectangle, screen pixels
void set_mask_color(int r, int g, int b);       // pixels of this colour become transparent in images loaded afterwards
void hide_mouse();
void show_mouse();

// Images. An image is a strip of equally sized cells (frames) with one handle point, which is the
// drawing position and the centre of rotation and scaling. An empty Image is "no image": every
// function accepts it and does nothing (or answers 0 / false).
struct ImageData;
using Image = std::shared_ptr<ImageData>;

constexpr int IMAGE_DEFAULT = -1;  // masked and filtered
constexpr int IMAGE_MIPMAPPED = 4; // filtered, mask colour not applied

// A missing, corrupt or truncated file gives no image.
Image load_image(const std::string& path, int flags = IMAGE_DEFAULT);
// Cells of cell_w x cell_h are cut left to right, top to bottom; frames first .. first+count-1 are kept.
Image load_anim_image(const std::string& path, int cell_w, int cell_h, int first, int count, int flags = IMAGE_DEFAULT);
// An image made from RGBA pixels (row-major, 0xAARRGGBB), cut into cells like load_anim_image.
// The mask colour is applied as for a loaded file unless flags is IMAGE_MIPMAPPED.
Image create_image(int width, int height, const std::vector<uint32_t>& argb, int cell_w = 0, int cell_h = 0,
                   int flags = IMAGE_DEFAULT);

void set_image_handle(const Image& img, float x, float y);
void mid_handle_image(const Image& img);
void auto_mid_handle(bool on);  // images loaded afterwards get a centre handle
int image_width(const Image& img);   // cell width
int image_height(const Image& img);  // cell height
int image_frames(const Image& img);
void get_image_handle(const Image& img, float& x, float& y);

void draw_image(const Image& img, float x, float y, int frame = 0);
void draw_rect(float x, float y, float w, float h);
void draw_line(float x1, float y1, float x2, float y2);
void draw_oval(float x, float y, float w, float h);

// Pixel-exact overlap of the non-transparent pixels of two image frames, each placed at its handle.
bool images_collide(const Image& img1, float x1, float y1, int f1, const Image& img2, float x2, float y2, int f2);
bool images_collide_transformed(const Image& img1, float x1, float y1, int f1, float rot1, float sx1, float sy1,
                                const Image& img2, float x2, float y2, int f2, float rot2, float sx2, float sy2);

// Metrics of the platform's default font: 8 pixels per character, 16 pixels high at scale 1.
int text_width(const std::string& text);
int text_height(const std::string& text);

// The current frame as 0xAARRGGBB pixels, SCREEN_W x SCREEN_H, row-major (valid until the next draw).
const uint32_t* frame_pixels();
// Writes the current frame to a PNG file; false on failure.
bool save_frame_png(const std::string& path);

// ---------------------------------------------------------------------------------------------
// Audio
// ---------------------------------------------------------------------------------------------

struct SoundData;
using Sound = std::shared_ptr<SoundData>;
using Channel = int;  // 0 is "no channel"

// A missing, corrupt or truncated file gives no sound. Flags: 0 plays once.
Sound load_sound(const std::string& path, int flags = 0);
std::string sound_name(const Sound& s);  // the path it was loaded from
void play_sound(const Sound& s, Channel ch);  // plays on ch, replacing what it played
Channel cue_sound(const Sound& s);            // a new channel holding the sound, paused
Channel alloc_channel();
void set_channel_volume(Channel ch, float v);  // 0..1
void set_channel_pan(Channel ch, float p);     // -1 left .. 1 right
void stop_channel(Channel ch);
void pause_channel(Channel ch);
void resume_channel(Channel ch);
bool channel_playing(Channel ch);  // true while its sound is playing (a paused sound counts as not playing)
// True when sound is really heard: a device was opened. Without one the game runs silently.
bool audio_available();

// ---------------------------------------------------------------------------------------------
// Input (keys numbered by Windows virtual-key codes; mouse buttons 1 left, 2 right, 3 middle)
// ---------------------------------------------------------------------------------------------

enum Key {
  KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_RETURN = 13, KEY_SHIFT = 16, KEY_CONTROL = 17, KEY_ESCAPE = 27,
  KEY_SPACE = 32, KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_DELETE = 46,
  KEY_0 = 48, KEY_A = 65, KEY_F1 = 112, KEY_F12 = 123
};

int key_hit(int key);     // presses since last asked (or since flush_keys); resets the count
bool key_down(int key);
int get_char();           // next typed character code, 0 when none waits
void flush_keys();        // clears key and mouse hit counts and typed characters
int mouse_x();            // logical screen pixels
int mouse_y();
int mouse_hit(int button);
bool mouse_down(int button);
// Reads pending window events into the input state (flip does this too). Headless: no-op.
void poll_events();
// True once the window was asked to close (the window's close button).
bool close_requested();

// Every input event, real or scripted, enters through post_event, so a session can be
// journalled and replayed.
struct InputEvent {
  enum Type { KeyDown, KeyUp, Char, MouseMove, MouseDown, MouseUp, Close } type;
  int code = 0;  // virtual-key code, character code or mouse button
  int x = 0, y = 0;
};
void post_event(const InputEvent& e);
// Observer called for every event and clock reading (nullptr to stop); for recording sessions.
struct JournalEntry {
  enum Kind { Event, Clock } kind;
  InputEvent event;
  int millis = 0;
};
void set_journal(std::function<void(const JournalEntry&)> observer);

// ---------------------------------------------------------------------------------------------
// Time and random numbers
// ---------------------------------------------------------------------------------------------

int millisecs();              // milliseconds since an arbitrary start (headless: the virtual clock)
int64_t calendar_seconds();   // POSIX time
void delay(int ms);           // sleeps; headless: advances the virtual clock by ms

void seed_random(uint32_t seed);
int rand_int(int a, int b);   // between a and b inclusive
int rand_int(int n);          // rand_int(1, n)
float rand_float(float a, float b);  // [a, b) for a < b
float rand_float(float x);           // rand_float(0, x)

// ---------------------------------------------------------------------------------------------
// Files and network
// ---------------------------------------------------------------------------------------------

class Stream;  // a file or TCP stream
using StreamPtr = std::shared_ptr<Stream>;

StreamPtr open_read(const std::string& path);
// Writing goes to a temporary file beside `path` that replaces it only when the stream is closed,
// so a crash or a full disk mid-save never leaves a truncated file behind.
StreamPtr open_write(const std::string& path);
// Bytes up to a line feed or a zero byte (consumed), carriage returns dropped, one byte per character.
std::string read_line(const StreamPtr& s);
bool write_line(const StreamPtr& s, const std::string& text);  // text + CR LF
bool write_bytes(const StreamPtr& s, const std::string& bytes);
bool at_eof(const StreamPtr& s);
int read_byte(const StreamPtr& s);  // -1 at the end
// Closes; for a file opened by open_write, commits it. False when the data could not be saved.
bool close_stream(const StreamPtr& s);

int file_type(const std::string& path);  // 0 missing, 1 file, 2 directory
bool make_dir(const std::string& path);
bool delete_file(const std::string& path);
struct DirData;
using Dir = std::shared_ptr<DirData>;
Dir read_dir(const std::string& path);  // none when it cannot be read
std::string next_file(const Dir& d);    // names including "." and ".."; "" at the end
void close_dir(const Dir& d);

struct BankData;
using Bank = std::shared_ptr<BankData>;
Bank load_bank(const std::string& path);
int bank_size(const Bank& b);
int peek_byte(const Bank& b, int i);  // 0 outside the bank

// Connects within a bounded time; reading a line gives up after 5000 ms without data
// (also when the server sends nothing at all), returning what arrived.
StreamPtr open_tcp_stream(const std::string& host, int port);

void print_line(const std::string& text);  // to standard output

// ---------------------------------------------------------------------------------------------
// Dialogs and process
// ---------------------------------------------------------------------------------------------

void notify(const std::string& text);   // modal message (headless: recorded)
bool confirm(const std::string& text);  // modal yes/no, true for yes (headless: recorded, scripted answer)
// Starts the program at `path` directly (no shell) with no arguments and waits for it to end.
// Returns its exit status, or -1 when it could not be started.
int run_program(const std::string& path);
[[noreturn]] void end_program();        // ends at once; exit handlers run
void at_program_exit(void (*handler)());
