// Input: keyboard, typed characters and mouse state, fed by window events or by a script through post_event.
#include <SDL.h>

#include <array>
#include <deque>

#include "headless.h"
#include "internal.h"

namespace {

constexpr int KEY_COUNT = 256;
constexpr int BUTTON_COUNT = 8;
// A game that never asks for characters must not grow the queue without end.
constexpr std::size_t MAX_TYPED = 1024;

struct InputState {
  std::array<int, KEY_COUNT> key_hits{};
  std::array<bool, KEY_COUNT> keys_down{};
  std::array<int, BUTTON_COUNT> button_hits{};
  std::array<bool, BUTTON_COUNT> buttons_down{};
  std::deque<int> typed;
  int mx = 0, my = 0;
  bool close = false;
};

InputState g_in;
std::function<void(const JournalEntry&)> g_journal;
bool g_text_input_started = false;

bool valid_key(int k) { return k >= 0 && k < KEY_COUNT; }
bool valid_button(int b) { return b >= 1 && b < BUTTON_COUNT; }

// SDL keycode (layout aware) to Windows virtual-key code; 0 when the key has none.
int virtual_key(const SDL_Keysym& ks) {
  const SDL_Keycode k = ks.sym;
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
  switch (k) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: case SDLK_KP_ENTER: case SDLK_RETURN2: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_0: return 96;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: break;
  }
  // Layouts whose letter keys produce other characters still reach the letter codes by position.
  const SDL_Scancode sc = ks.scancode;
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  return 0;
}

int sdl_button(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return b;  // extra buttons keep SDL's numbers (4 and 5)
  }
}

void post(InputEvent::Type t, int code, int x = 0, int y = 0) {
  InputEvent e{t};
  e.code = code;
  e.x = x;
  e.y = y;
  post_event(e);
}

// Decodes UTF-8 text and delivers the printable ASCII characters; the game's texts are ASCII.
void post_text(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    const unsigned char c = *p++;
    if (c < 0x80) {
      if (c >= 32 && c <= 126) post(InputEvent::Char, c);
    } else {
      while ((*p & 0xC0) == 0x80) ++p;  // skip the rest of a multi-byte character
    }
  }
}

// Keys held while the window loses focus would otherwise stay down for good.
void release_everything() {
  for (int k = 0; k < KEY_COUNT; ++k)
    if (g_in.keys_down[k]) post(InputEvent::KeyUp, k);
  for (int b = 1; b < BUTTON_COUNT; ++b)
    if (g_in.buttons_down[b]) post(InputEvent::MouseUp, b, g_in.mx, g_in.my);
}

int clamp_coord(int v, int limit) { return v < 0 ? 0 : (v >= limit ? limit - 1 : v); }

}  // namespace

void platform_detail::journal_clock(int millis) {
  if (!g_journal) return;
  g_journal(JournalEntry{JournalEntry::Clock, InputEvent{InputEvent::KeyDown}, millis});
}

void post_event(const InputEvent& e) {
  switch (e.type) {
    case InputEvent::KeyDown:
      if (valid_key(e.code)) {
        ++g_in.key_hits[e.code];
        g_in.keys_down[e.code] = true;
      }
      break;
    case InputEvent::KeyUp:
      if (valid_key(e.code)) g_in.keys_down[e.code] = false;
      break;
    case InputEvent::Char:
      if (e.code > 0 && g_in.typed.size() < MAX_TYPED) g_in.typed.push_back(e.code);
      break;
    case InputEvent::MouseMove:
      g_in.mx = e.x;
      g_in.my = e.y;
      break;
    case InputEvent::MouseDown:
      if (valid_button(e.code)) {
        ++g_in.button_hits[e.code];
        g_in.buttons_down[e.code] = true;
      }
      break;
    case InputEvent::MouseUp:
      if (valid_button(e.code)) g_in.buttons_down[e.code] = false;
      break;
    case InputEvent::Close:
      g_in.close = true;
      break;
  }
  if (g_journal) {
    g_journal(JournalEntry{JournalEntry::Event, e, 0});
  }
}

void set_journal(std::function<void(const JournalEntry&)> observer) { g_journal = std::move(observer); }

int key_hit(int key) {
  if (!valid_key(key)) return 0;
  const int n = g_in.key_hits[key];
  g_in.key_hits[key] = 0;
  return n;
}

bool key_down(int key) { return valid_key(key) && g_in.keys_down[key]; }

int get_char() {
  if (g_in.typed.empty()) return 0;
  const int c = g_in.typed.front();
  g_in.typed.pop_front();
  return c;
}

void flush_keys() {
  g_in.key_hits.fill(0);
  g_in.button_hits.fill(0);
  g_in.typed.clear();
}

int mouse_x() { return g_in.mx; }
int mouse_y() { return g_in.my; }

int mouse_hit(int button) {
  if (!valid_button(button)) return 0;
  const int n = g_in.button_hits[button];
  g_in.button_hits[button] = 0;
  return n;
}

bool mouse_down(int button) { return valid_button(button) && g_in.buttons_down[button]; }

bool close_requested() { return g_in.close; }

void poll_events() {
  if (platform_mode() == PlatformMode::Headless) return;
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  if (!g_text_input_started && SDL_WasInit(SDL_INIT_VIDEO)) {
    SDL_StartTextInput();
    g_text_input_started = true;
  }
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) {
    switch (ev.type) {
      case SDL_QUIT:
        post(InputEvent::Close, 0);
        break;
      case SDL_KEYDOWN: {
        const int vk = virtual_key(ev.key.keysym);
        // Auto-repeat is not a new press, but it does repeat erasing and entering in text boxes.
        if (vk != 0 && !ev.key.repeat) post(InputEvent::KeyDown, vk);
        if (vk == KEY_BACKSPACE || vk == KEY_RETURN) post(InputEvent::Char, vk);
        break;
      }
      case SDL_KEYUP: {
        const int vk = virtual_key(ev.key.keysym);
        if (vk != 0) post(InputEvent::KeyUp, vk);
        break;
      }
      case SDL_TEXTINPUT:
        post_text(ev.text.text);
        break;
      case SDL_MOUSEMOTION:
        post(InputEvent::MouseMove, 0, clamp_coord(ev.motion.x, SCREEN_W), clamp_coord(ev.motion.y, SCREEN_H));
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const int x = clamp_coord(ev.button.x, SCREEN_W), y = clamp_coord(ev.button.y, SCREEN_H);
        if (x != g_in.mx || y != g_in.my) post(InputEvent::MouseMove, 0, x, y);
        post(ev.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp, sdl_button(ev.button.button),
             x, y);
        break;
      }
      case SDL_WINDOWEVENT:
        if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) release_everything();
        break;
      default:
        break;
    }
  }
}

void headless_key_press(int key) {
  headless_key_down(key);
  headless_key_up(key);
}
void headless_key_down(int key) { post(InputEvent::KeyDown, key); }
void headless_key_up(int key) { post(InputEvent::KeyUp, key); }

void headless_type(const std::string& text) {
  for (const char ch : text) {
    const int c = static_cast<unsigned char>(ch);
    post(InputEvent::Char, c == '\n' ? KEY_RETURN : c);
  }
}

void headless_mouse_move(int x, int y) { post(InputEvent::MouseMove, 0, x, y); }

void headless_mouse_click(int button) {
  headless_mouse_button(button, true);
  headless_mouse_button(button, false);
}

void headless_mouse_button(int button, bool down) {
  post(down ? InputEvent::MouseDown : InputEvent::MouseUp, button, g_in.mx, g_in.my);
}

void platform_detail::input_reset() {
  g_in = InputState{};
  g_text_input_started = false;
}
