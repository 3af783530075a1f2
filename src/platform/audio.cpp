// Audio: sounds, logical channels over SDL_mixer, silent bookkeeping without a device, and the headless sound log.
#include <SDL.h>
#include <SDL_mixer.h>
#include <ogg/ogg.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "headless.h"
#include "internal.h"

constexpr int SOUND_LOOP = 1;

struct SoundData {
  std::string path;
  int length_ms = 0;
  bool loop = false;
  Mix_Chunk* chunk = nullptr;  // only while a device was open at load time

  SoundData() = default;
  SoundData(const SoundData&) = delete;
  SoundData& operator=(const SoundData&) = delete;
  ~SoundData() {
    if (chunk) Mix_FreeChunk(chunk);
  }
};

namespace {

constexpr int FIRST_MIXER_CHANNELS = 16;
constexpr int MAX_MIXER_CHANNELS = 512;

enum class State { Idle, Cued, Playing, Paused };

struct Chan {
  bool reserved = false;  // from alloc_channel: never recycled
  int mix = -1;           // SDL_mixer channel, -1 without a device
  Sound sound;
  float volume = 1.0f;
  float pan = 0.0f;
  State state = State::Idle;
  bool on_mixer = false;  // the current run is really playing on the device
  // Without a device a run is timed against the clock: time played before the current stretch,
  // and when that stretch began.
  int64_t played_ms = 0;
  int64_t run_start = 0;
};

struct Audio {
  bool tried = false;
  bool device = false;
  std::map<Channel, Chan> chans;
  Channel next_id = 1;
  // Finished effect channels are swept when the table reaches this size, which then doubles
  // past what is still alive, so sweeping costs constant time per new channel.
  std::size_t sweep_at = 64;
  std::vector<Channel> mix_owner;  // logical channel holding each mixer channel, 0 when free
  std::vector<SoundRecord> log;
};

Audio g_a;

bool headless() { return platform_mode() == PlatformMode::Headless; }

bool ensure_device() {
  if (headless()) return false;
  if (g_a.tried) return g_a.device;
  g_a.tried = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(FIRST_MIXER_CHANNELS);
  g_a.mix_owner.assign(FIRST_MIXER_CHANNELS, 0);
  g_a.device = true;
  return true;
}

void close_device() {
  if (g_a.device) {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  g_a.device = false;
  g_a.tried = false;
  g_a.mix_owner.clear();
}

// ---- decoding -------------------------------------------------------------------------------

bool read_file(const std::string& path, std::string& out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// Every page must pass its checksum and the stream must reach its end-of-stream page, so a
// damaged or cut-off file is refused instead of playing garbage or stopping short.
bool ogg_pages_intact(const std::string& bytes) {
  ogg_sync_state oy;
  ogg_sync_init(&oy);
  char* buf = ogg_sync_buffer(&oy, static_cast<long>(bytes.size()));
  bool ok = buf != nullptr;
  bool eos = false;
  if (ok) {
    std::memcpy(buf, bytes.data(), bytes.size());
    ogg_sync_wrote(&oy, static_cast<long>(bytes.size()));
    ogg_page page;
    for (;;) {
      const int r = ogg_sync_pageout(&oy, &page);
      if (r == 0) break;
      if (r < 0) {
        ok = false;
        break;
      }
      eos = eos || ogg_page_eos(&page);
    }
  }
  ogg_sync_clear(&oy);
  return ok && eos;
}

struct MemReader {
  const std::string* bytes;
  std::size_t pos;
};

size_t mem_read(void* dst, size_t size, size_t count, void* src) {
  auto* m = static_cast<MemReader*>(src);
  const std::size_t want = size * count;
  const std::size_t n = std::min(want, m->bytes->size() - m->pos);
  std::memcpy(dst, m->bytes->data() + m->pos, n);
  m->pos += n;
  return size ? n / size : 0;
}

int mem_seek(void* src, ogg_int64_t off, int whence) {
  auto* m = static_cast<MemReader*>(src);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(m->pos);
  if (whence == SEEK_END) base = static_cast<ogg_int64_t>(m->bytes->size());
  const ogg_int64_t to = base + off;
  if (to < 0 || to > static_cast<ogg_int64_t>(m->bytes->size())) return -1;
  m->pos = static_cast<std::size_t>(to);
  return 0;
}

long mem_tell(void* src) { return static_cast<long>(static_cast<MemReader*>(src)->pos); }

// Length of an Ogg Vorbis file in milliseconds (rounded up), -1 when it is not one.
int ogg_length_ms(const std::string& bytes) {
  if (!ogg_pages_intact(bytes)) return -1;
  MemReader m{&bytes, 0};
  OggVorbis_File vf;
  const ov_callbacks cb{mem_read, mem_seek, nullptr, mem_tell};
  if (ov_open_callbacks(&m, &vf, nullptr, 0, cb) != 0) return -1;
  const double seconds = ov_time_total(&vf, -1);
  ov_clear(&vf);
  if (seconds < 0) return -1;
  return static_cast<int>(std::ceil(seconds * 1000.0));
}

int wav_length_ms(const std::string& bytes) {
  SDL_AudioSpec spec;
  Uint8* data = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &spec, &data, &len))
    return -1;
  SDL_FreeWAV(data);
  const int frame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  if (frame <= 0 || spec.freq <= 0) return -1;
  return static_cast<int>(std::ceil(static_cast<double>(len / frame) * 1000.0 / spec.freq));
}

// ---- channels -------------------------------------------------------------------------------

Chan* find(Channel ch) {
  const auto it = g_a.chans.find(ch);
  return it == g_a.chans.end() ? nullptr : &it->second;
}

bool run_finished(const Chan& c) {
  if (c.on_mixer) return !Mix_Playing(c.mix);
  if (!c.sound || c.sound->loop) return !c.sound;
  return c.played_ms + (platform_detail::now_ms() - c.run_start) >= c.sound->length_ms;
}

bool playing(Chan& c) {
  if (c.state == State::Playing && run_finished(c)) c.state = State::Idle;
  return c.state == State::Playing;
}

void apply_volume(const Chan& c) {
  if (g_a.device && c.mix >= 0) Mix_Volume(c.mix, static_cast<int>(std::lround(c.volume * MIX_MAX_VOLUME)));
}

// Balance law: the centre leaves both sides at full level, like a channel that was never panned,
// and moving towards one side only lowers the other.
void apply_pan(const Chan& c) {
  if (!g_a.device || c.mix < 0) return;
  const auto left = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f - c.pan)));
  const auto right = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f + c.pan)));
  Mix_SetPanning(c.mix, left, right);
}

void halt(Chan& c) {
  if (c.on_mixer) Mix_HaltChannel(c.mix);
  c.on_mixer = false;
}

void start(Chan& c) {
  halt(c);
  c.state = State::Playing;
  c.played_ms = 0;
  c.run_start = platform_detail::now_ms();
  if (g_a.device && c.mix >= 0 && c.sound && c.sound->chunk)
    c.on_mixer = Mix_PlayChannel(c.mix, c.sound->chunk, c.sound->loop ? -1 : 0) >= 0;
}

// Effect channels that finished (or were stopped) are forgotten, so their mixer channels serve again.
void recycle() {
  for (auto it = g_a.chans.begin(); it != g_a.chans.end();) {
    Chan& c = it->second;
    if (!c.reserved && (c.state == State::Idle || (c.state == State::Playing && run_finished(c)))) {
      halt(c);
      if (c.mix >= 0 && c.mix < static_cast<int>(g_a.mix_owner.size())) g_a.mix_owner[c.mix] = 0;
      it = g_a.chans.erase(it);
    } else {
      ++it;
    }
  }
}

int free_mixer_channel() {
  const auto it = std::find(g_a.mix_owner.begin(), g_a.mix_owner.end(), 0);
  return it == g_a.mix_owner.end() ? -1 : static_cast<int>(it - g_a.mix_owner.begin());
}

int claim_mixer_channel(Channel owner) {
  if (!g_a.device) return -1;
  int m = free_mixer_channel();
  if (m < 0) {
    recycle();
    m = free_mixer_channel();
  }
  if (m < 0) {
    const int n = static_cast<int>(g_a.mix_owner.size());
    if (n >= MAX_MIXER_CHANNELS) return -1;
    const int grown = std::min(MAX_MIXER_CHANNELS, std::max(FIRST_MIXER_CHANNELS, n * 2));
    Mix_AllocateChannels(grown);
    g_a.mix_owner.resize(static_cast<std::size_t>(grown), 0);
    m = n;
  }
  g_a.mix_owner[static_cast<std::size_t>(m)] = owner;
  Mix_HaltChannel(m);
  Mix_Volume(m, MIX_MAX_VOLUME);
  Mix_SetPanning(m, 255, 255);
  return m;
}

Channel new_channel(bool reserved) {
  while (g_a.chans.count(g_a.next_id)) g_a.next_id = g_a.next_id == INT_MAX ? 1 : g_a.next_id + 1;
  const Channel id = g_a.next_id;
  g_a.next_id = g_a.next_id == INT_MAX ? 1 : g_a.next_id + 1;
  const int mix = claim_mixer_channel(id);  // may recycle, so before the new channel exists
  Chan& c = g_a.chans[id];
  c.reserved = reserved;
  c.mix = mix;
  return id;
}

void record(SoundRecord::Op op, Channel ch, const Chan& c) {
  if (!headless()) return;
  g_a.log.push_back(SoundRecord{op, c.sound ? c.sound->path : std::string(), ch, c.volume, c.pan});
}

}  // namespace

Sound load_sound(const std::string& path, int flags) {
  std::string bytes;
  if (!read_file(path, bytes) || bytes.empty()) return nullptr;
  const bool is_ogg = bytes.compare(0, 4, "OggS") == 0;
  const int length = is_ogg ? ogg_length_ms(bytes) : wav_length_ms(bytes);
  if (length < 0) return nullptr;
  auto s = std::make_shared<SoundData>();
  s->path = path;
  s->length_ms = length;
  s->loop = (flags & SOUND_LOOP) != 0;
  if (ensure_device()) {
    s->chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (!s->chunk) return nullptr;
  }
  return s;
}

std::string sound_name(const Sound& s) { return s ? s->path : std::string(); }

void play_sound(const Sound& s, Channel ch) {
  Chan* c = find(ch);
  if (!s || !c) return;
  halt(*c);
  c->sound = s;
  start(*c);
  record(SoundRecord::Play, ch, *c);
}

Channel cue_sound(const Sound& s) {
  if (!s) return 0;
  if (g_a.chans.size() >= g_a.sweep_at) {
    recycle();
    g_a.sweep_at = std::max<std::size_t>(64, 2 * g_a.chans.size());
  }
  ensure_device();
  const Channel id = new_channel(false);
  Chan& c = g_a.chans[id];
  c.sound = s;
  c.state = State::Cued;
  record(SoundRecord::Cue, id, c);
  return id;
}

Channel alloc_channel() {
  ensure_device();
  return new_channel(true);
}

void set_channel_volume(Channel ch, float v) {
  Chan* c = find(ch);
  if (!c) return;
  c->volume = v >= 0.0f ? std::min(v, 1.0f) : 0.0f;  // NaN ends up silent too
  apply_volume(*c);
  record(SoundRecord::Volume, ch, *c);
}

void set_channel_pan(Channel ch, float p) {
  Chan* c = find(ch);
  if (!c) return;
  c->pan = p == p ? std::clamp(p, -1.0f, 1.0f) : 0.0f;
  apply_pan(*c);
  record(SoundRecord::Pan, ch, *c);
}

void stop_channel(Channel ch) {
  Chan* c = find(ch);
  if (!c) return;
  halt(*c);
  c->state = State::Idle;
  record(SoundRecord::Stop, ch, *c);
}

void pause_channel(Channel ch) {
  Chan* c = find(ch);
  if (!c) return;
  if (playing(*c)) {
    if (c->on_mixer) {
      Mix_Pause(c->mix);
    } else {
      c->played_ms += platform_detail::now_ms() - c->run_start;
    }
    c->state = State::Paused;
  }
  record(SoundRecord::Pause, ch, *c);
}

void resume_channel(Channel ch) {
  Chan* c = find(ch);
  if (!c) return;
  if (c->state == State::Cued) {
    start(*c);
  } else if (c->state == State::Paused) {
    if (c->on_mixer) Mix_Resume(c->mix);
    c->run_start = platform_detail::now_ms();
    c->state = State::Playing;
  }
  record(SoundRecord::Resume, ch, *c);
}

bool channel_playing(Channel ch) {
  Chan* c = find(ch);
  return c && playing(*c);
}

bool audio_available() { return ensure_device(); }

const std::vector<SoundRecord>& headless_sound_log() { return g_a.log; }
void headless_clear_sound_log() { g_a.log.clear(); }
int headless_sound_length_ms(const Sound& s) { return s ? s->length_ms : 0; }

void platform_detail::audio_reset() {
  for (auto& [id, c] : g_a.chans) halt(c);
  g_a.chans.clear();
  g_a.next_id = 1;
  g_a.sweep_at = 64;
  g_a.log.clear();
  close_device();
}
