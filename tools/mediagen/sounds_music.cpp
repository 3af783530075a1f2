// Music of the game: a small step sequencer and the four tracks composed for it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "sounds.h"
#include "sounds_instruments.h"

namespace mediagen::snd {

namespace {

// ---------------------------------------------------------------------------------------------
// Notation: melodies as "NOTE:STEPS" tokens in sixteenth steps ("C#5:4", "Bb4:2", "r:2" a rest;
// a trailing '!' accents), chords as names ("Am", "Bb", "F#m"), drums as 16-character bar strings.

struct Note {
  double step;  // from the start of the phrase
  double len;
  int midi;
  float vel;
};

int pitch_class(char letter) {
  static const int pcs[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  return pcs[letter - 'A'];
}

std::vector<Note> phrase(std::string text) {
  std::replace(text.begin(), text.end(), '|', ' ');  // bar lines are only for the reader
  std::vector<Note> out;
  std::istringstream in(text);
  std::string tok;
  double step = 0.0;
  while (in >> tok) {
    const auto colon = tok.find(':');
    const std::string name = tok.substr(0, colon);
    const bool accent = tok.back() == '!';
    const double len = std::atof(tok.substr(colon + 1).c_str());
    if (name != "r") {
      size_t i = 1;
      int pc = pitch_class(name[0]);
      if (name[i] == '#') ++pc, ++i;
      else if (name[i] == 'b') --pc, ++i;
      const int octave = std::atoi(name.c_str() + i);
      out.push_back({step, len, 12 * (octave + 1) + pc, accent ? 1.0f : 0.82f});
    }
    step += len;
  }
  return out;
}

struct Chord {
  int root;  // pitch class
  bool minor;
  int tone(int k) const { return root + (k == 0 ? 0 : k == 1 ? (minor ? 3 : 4) : 7); }
  // The triad between G3 and F#4, so changes move by small steps.
  std::vector<int> voicing(int low = 55) const {
    std::vector<int> v;
    for (int k = 0; k < 3; ++k) {
      int n = tone(k);
      while (n < low) n += 12;
      while (n >= low + 12) n -= 12;
      v.push_back(n);
    }
    std::sort(v.begin(), v.end());
    return v;
  }
  int bass(int low = 36) const {
    int n = root;
    while (n < low) n += 12;
    while (n >= low + 12) n -= 12;
    return n;
  }
};

std::vector<Chord> progression(std::string text) {
  std::replace(text.begin(), text.end(), '|', ' ');
  std::vector<Chord> out;
  std::istringstream in(text);
  std::string tok;
  while (in >> tok) {
    int pc = pitch_class(tok[0]);
    size_t i = 1;
    if (i < tok.size() && tok[i] == '#') ++pc, ++i;
    else if (i < tok.size() && tok[i] == 'b') --pc, ++i;
    out.push_back({(pc + 12) % 12, i < tok.size() && tok[i] == 'm'});
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// The sequencer: notes go onto a dry bus and two send buses (hall and echo); the render is then
// folded at the loop length so the tails of the last bars sound over the first ones, exactly as
// when the track repeats.

class Song {
 public:
  Song(double bpm, int bars, uint64_t seed) : rng(seed), step_s_(60.0 / bpm / 4.0), bars_(bars) {}

  Rng rng;

  size_t pos(double step) const { return samples(step * step_s_); }
  double secs(double steps) const { return steps * step_s_; }
  int bars() const { return bars_; }

  void put(const Mono& m, double step, float gain, float pan, float reverb = 0.0f, float delay = 0.0f) {
    const size_t p = pos(step);
    mix(dry_, m, p, gain, pan);
    if (reverb > 0) mix(rev_, m, p, gain * reverb, pan);
    if (delay > 0) mix(dly_, m, p, gain * delay, pan);
  }
  void put(const Stereo& s, double step, float gain, float reverb = 0.0f, float delay = 0.0f) {
    const size_t p = pos(step);
    mix(dry_, s, p, gain);
    if (reverb > 0) mix(rev_, s, p, gain * reverb);
    if (delay > 0) mix(dly_, s, p, gain * delay);
  }

  // One bar of drums from pattern strings: 'x' hit, 'X' accent, 'g' ghost, 'o' open hat.
  void drums(int bar, const char* kick_p, const char* snare_p, const char* hat_p, float vel, float snare_verb = 0.15f) {
    for (int s = 0; s < 16; ++s) {
      const double step = bar * 16.0 + s;
      if (kick_p && kick_p[s] != '.') put(kick(hit(kick_p[s]) * vel), step, 0.9f, 0.0f);
      if (snare_p && snare_p[s] != '.') {
        if (snare_p[s] == 'c')
          put(clap(vel, rng), step, 0.6f, 0.1f, 0.3f);
        else
          put(snare(hit(snare_p[s]) * vel, rng), step, 0.55f, 0.05f, snare_verb);
      }
      if (hat_p && hat_p[s] != '.') {
        const bool open = hat_p[s] == 'o';
        const float swing = (s % 2) ? 0.7f : 1.0f;
        put(hat(hit(hat_p[s]) * vel * swing, open, rng), step, open ? 0.22f : 0.25f, 0.35f, 0.05f);
      }
    }
  }

  // A melody phrase starting at `bar`; `play` renders one note.
  template <class Play>
  void melody(int bar, const std::vector<Note>& notes, int transpose, float gain, float pan, float reverb, float delay,
              Play play) {
    for (const Note& n : notes)
      put(play(midi_hz(n.midi + transpose), secs(n.len) * 0.92, n.vel), bar * 16.0 + n.step, gain, pan, reverb, delay);
  }

  // Mixes the buses, folds the loop and levels the whole.
  Stereo finish(double delay_steps, float delay_feedback, double room, float reverb_wet, double rms_db) {
    const size_t loop = pos(bars_ * 16.0);
    const size_t n = std::max({dry_.size(), rev_.size(), dly_.size(), loop});
    dry_.resize(n);
    rev_.resize(n);
    dly_.resize(n);
    Reverb rv(room, 0.45, 1.0);
    const Stereo wet = rv.run(rev_, samples(4.0));
    const Stereo ech = echo(dly_, secs(delay_steps), delay_feedback, 1.0f, true, 3500.0, samples(3.0));
    Stereo full(std::max(wet.size(), ech.size()));
    mix(full, dry_, 0);
    mix(full, wet, 0, reverb_wet);
    for (size_t i = 0; i < ech.size(); ++i) {  // only the repeats: the echo bus itself is not heard dry
      full.l[i] += ech.l[i] - (i < dly_.size() ? dly_.l[i] : 0.0f);
      full.r[i] += ech.r[i] - (i < dly_.size() ? dly_.r[i] : 0.0f);
    }
    Biquad hl(Biquad::HighPass, 28.0, 0.7), hr(Biquad::HighPass, 28.0, 0.7);
    hl.run(full.l);
    hr.run(full.r);
    Stereo out(loop);
    for (size_t i = 0; i < full.size(); ++i) {
      out.l[i % loop] += full.l[i];
      out.r[i % loop] += full.r[i];
    }
    double acc = 0.0;
    for (size_t i = 0; i < loop; ++i) acc += 0.5 * (out.l[i] * out.l[i] + out.r[i] * out.r[i]);
    const float g = db_gain(rms_db) / static_cast<float>(std::sqrt(acc / static_cast<double>(loop)) + 1e-9);
    for (size_t i = 0; i < loop; ++i) out.l[i] *= g, out.r[i] *= g;
    limit_loop(out, db_gain(-2.0));  // the encoder adds a little overshoot on top
    // The game restarts a finished track itself, so both ends meet silence: a few milliseconds of
    // fade stop a click there and are too short to hear when the track repeats seamlessly.
    fade(out.l, 0.012, 0.03);
    fade(out.r, 0.012, 0.03);
    return out;
  }

 private:
  static float hit(char c) { return c == 'X' ? 1.0f : c == 'g' ? 0.35f : 0.8f; }

  // The limiter sees the track as a ring: three copies, keeping the middle one.
  static void limit_loop(Stereo& s, float ceiling) {
    const size_t n = s.size();
    Stereo ring(3 * n);
    for (int k = 0; k < 3; ++k) {
      std::copy(s.l.begin(), s.l.end(), ring.l.begin() + static_cast<std::ptrdiff_t>(k * n));
      std::copy(s.r.begin(), s.r.end(), ring.r.begin() + static_cast<std::ptrdiff_t>(k * n));
    }
    limit(ring, ceiling, 0.15);
    std::copy(ring.l.begin() + static_cast<std::ptrdiff_t>(n), ring.l.begin() + static_cast<std::ptrdiff_t>(2 * n), s.l.begin());
    std::copy(ring.r.begin() + static_cast<std::ptrdiff_t>(n), ring.r.begin() + static_cast<std::ptrdiff_t>(2 * n), s.r.begin());
  }

  double step_s_;
  int bars_;
  Stereo dry_, rev_, dly_;
};

// Chord pad over one bar (or `bars` bars).
void pad_bar(Song& s, int bar, const Chord& c, float gain, double cutoff, int bars = 1, int low = 55) {
  for (int n : c.voicing(low)) s.put(pad(midi_hz(n), s.secs(16.0 * bars) * 0.97, 0.8f, cutoff, s.rng), bar * 16.0, gain, 0.35f);
}

// Arpeggio of the chord in sixteenths; `shape` indexes chord tones (3 = root an octave up).
void arp_bar(Song& s, int bar, const Chord& c, const char* shape, int octave, float gain, float bright, double step_len = 1.0) {
  const auto v = c.voicing();
  const int tones[4] = {v[0], v[1], v[2], v[0] + 12};
  const int count = static_cast<int>(16.0 / step_len);
  for (int k = 0; k < count; ++k) {
    const int idx = shape[k % std::strlen(shape)] - '0';
    const float vel = (k % 4 == 0) ? 0.9f : 0.65f;
    const float pan = (k % 2) ? 0.35f : -0.35f;
    s.put(pluck(midi_hz(tones[idx] + 12 * octave), s.secs(step_len) * 0.8, vel, bright), bar * 16.0 + k * step_len, gain,
          pan, 0.2f, 0.25f);
  }
}

// Bass line from a 16-step pattern of offsets: digits are semitone offsets ('0' root, '7' fifth,
// 'o' octave), '.' rest, '-' holds the previous note.
void bass_bar(Song& s, int bar, const Chord& c, const char* pattern, float gain, double cutoff) {
  const int root = c.bass();
  for (int k = 0; k < 16; ++k) {
    const char p = pattern[k];
    if (p == '.' || p == '-') continue;
    int len = 1;
    while (k + len < 16 && pattern[k + len] == '-') ++len;
    const int off = p == 'o' ? 12 : p - '0';
    s.put(bass(midi_hz(root + off), s.secs(len) * 0.85, k % 4 == 0 ? 1.0f : 0.85f, cutoff), bar * 16.0 + k, gain, 0.0f);
  }
}

// ---------------------------------------------------------------------------------------------
// Menu: a calm, hopeful A minor theme over a steady pulse; the last bar sits on E so the loop
// falls back onto the A minor of the opening.

Stereo menu_track() {
  Song s(100.0, 28, 1001);
  const auto prog = progression(
      "Am F C G | Am F C G Am F G E | Dm Am F C Dm Am E E | Am F C G Am F G E");
  const auto themeA = phrase(
      "E5:4 A5:4 C6:4 B5:2 A5:2 | C6:6 A5:2 F5:8 | G5:4 E5:4 G5:4 C6:4 | B5:8 D6:4 B5:4 |"
      "E5:4 A5:4 C6:4 E6:4 | F6:4 E6:2 D6:2 C6:8 | D6:4 C6:2 B5:2 G5:4 B5:4 | G#5:8 B5:4 E5:4");
  const auto themeB = phrase(
      "F5:6 E5:2 D5:4 F5:4 | E5:6 C5:2 A4:8 | A4:4 C5:4 F5:4 A5:4 | G5:8 E5:4 C5:4 |"
      "D5:4 F5:4 A5:4 D6:4 | C6:6 B5:2 A5:8 | G#5:4 B5:4 E6:8 | D6:4 B5:4 G#5:4 E5:4");
  auto lead_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel, 0.005, false); };
  auto bell_voice = [](double hz, double gate, float vel) { return bell(hz, std::max(1.2, gate + 0.8), vel, 0.7); };
  for (int b = 0; b < s.bars(); ++b) {
    const Chord& c = prog[b];
    pad_bar(s, b, c, 0.32f, b < 4 ? 1400.0 : 2200.0);
    const bool calm = b < 4 || b == s.bars() - 1;  // the last bar already breathes like the opening
    arp_bar(s, b, c, calm ? "0120" : "01231210", 1, calm ? 0.18f : 0.2f, calm ? 0.5 : 0.8, calm ? 2.0 : 1.0);
    if (b == s.bars() - 1)
      bass_bar(s, b, c, "0-------........", 0.5f, 600.0);
    else if (b >= 4)
      bass_bar(s, b, c, b < 12 ? "0-------0---o-7-" : "0---0-o-0---o-70", 0.55f, 700.0);
    if (b < 4) continue;
    if (b == s.bars() - 1)  // the band steps back so the quiet opening follows naturally
      s.drums(b, "x.......x.......", nullptr, "x...x...x...x...", 0.5f);
    else if (b < 12)
      s.drums(b, "x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", 0.7f);
    else
      s.drums(b, "x.....x...x.....", b == 19 ? "....x...x.x.xxxx" : "....x..g....x...", "x.xxx.xox.xxx.xo", 0.75f);
  }
  s.melody(4, themeA, -12, 0.42f, -0.1f, 0.25f, 0.2f, lead_voice);
  s.melody(12, themeB, -12, 0.42f, -0.1f, 0.25f, 0.2f, lead_voice);
  s.melody(20, themeA, -12, 0.4f, -0.1f, 0.25f, 0.2f, lead_voice);
  s.melody(20, themeA, 0, 0.2f, 0.3f, 0.3f, 0.3f, bell_voice);
  s.put(riser(s.secs(32), true, s.rng), 2 * 16.0, 0.12f, 0.0f, 0.3f);
  return s.finish(3.0, 0.35f, 0.85, 0.9f, -17.0);
}

// ---------------------------------------------------------------------------------------------
// Game: driving D minor action at 140 bpm, four to the floor, octave bass and a brass-like lead.

Stereo game_track() {
  Song s(140.0, 56, 2002);
  const char* a = "Dm Bb F C Dm Bb C A ";
  const std::string text = std::string(a) + a + "Gm Dm Bb A Gm Dm Bb A " + "Bb C Dm Dm " + a +
                           "Bb C Am Dm Bb C A A " + a + "Dm Bb C A";
  const auto prog = progression(text);
  const auto t1 = phrase(
      "D5:2 F5:2 A5:4 G5:2 F5:2 E5:2 F5:2 | D5:4 r:2 D5:2 F5:2 G5:2 A5:4 | C6:4 A5:4 F5:4 A5:4 | G5:6 E5:2 C5:4 E5:4 |"
      "D5:2 F5:2 A5:4 D6:4 C6:2 A5:2 | Bb5:4 A5:2 G5:2 F5:4 D5:4 | E5:4 G5:4 C6:4 E5:4 | C#6:8 A5:4 E5:4");
  const auto t2 = phrase(
      "G5:4 Bb5:4 D6:6 C6:2 | A5:8 F5:4 D5:4 | F5:4 G5:2 A5:2 Bb5:4 D6:4 | C#6:8 E6:4 C#6:4 |"
      "D6:4 Bb5:4 G5:4 Bb5:4 | A5:6 G5:2 F5:4 A5:4 | Bb5:4 A5:4 G5:4 F5:4 | E5:8 A5:4 C#6:4");
  const auto t3 = phrase(
      "F5:2 F5:2 F5:2 G5:2 A5:4 F5:4 | G5:2 G5:2 G5:2 A5:2 Bb5:4 G5:4 | A5:2 A5:2 A5:2 C6:2 E6:4 C6:4 | D6:12 r:4 |"
      "F5:2 F5:2 F5:2 G5:2 A5:4 D6:4 | E6:4 D6:4 C6:4 Bb5:4 | A5:8 C#6:4 E6:4 | A5:16");
  auto lead_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel, 0.007, false); };
  auto sq_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel * 0.8f, 0.004, true); };
  for (int b = 0; b < s.bars(); ++b) {
    const Chord& c = prog[b];
    const bool brk = b >= 24 && b < 28;
    const bool fill = b == 7 || b == 23 || b == 43 || b == 55;
    pad_bar(s, b, c, brk ? 0.3f : 0.18f, brk ? 1200.0 : 1800.0);
    if (brk) {
      s.drums(b, b == 27 ? "x...x...x...x.x." : nullptr, b == 27 ? "........x.x.xxxx" : nullptr, "..x...x...x...x.", 0.7f);
      bass_bar(s, b, c, "0-------0-------", 0.5f, 400.0);
      arp_bar(s, b, c, "01230123", 1, 0.16f, 0.4);
      continue;
    }
    s.drums(b, "X...x...X...x...", fill ? "....x...x.xgx.XX" : "....X.......X..g", "x.o.x.o.x.o.xxox", 0.85f);
    bass_bar(s, b, c, "0.o.0.o.0.o.0o0o", 0.5f, 1100.0);
    if (b >= 16 && b < 24) arp_bar(s, b, c, "0123210132102312", 1, 0.15f, 1.0);
    if (b < 8 || b >= 52) {  // off-beat chord stabs
      for (int k = 0; k < 4; ++k)
        for (int n : c.voicing(60)) s.put(pluck(midi_hz(n), s.secs(1.5), 0.8f, 0.7), b * 16.0 + k * 4 + 2, 0.13f, 0.2f, 0.2f);
    }
  }
  s.melody(8, t1, 0, 0.36f, -0.15f, 0.2f, 0.2f, lead_voice);
  s.melody(16, t2, 0, 0.36f, -0.15f, 0.2f, 0.2f, lead_voice);
  s.melody(28, t1, 12, 0.22f, 0.2f, 0.25f, 0.25f, sq_voice);
  s.melody(28, t1, 0, 0.3f, -0.15f, 0.2f, 0.2f, lead_voice);
  s.melody(36, t3, 0, 0.36f, -0.1f, 0.2f, 0.25f, lead_voice);
  s.melody(36, t3, -12, 0.2f, 0.25f, 0.1f, 0.0f, sq_voice);
  s.melody(44, t1, 0, 0.36f, -0.15f, 0.2f, 0.2f, lead_voice);
  s.melody(44, t1, -5, 0.16f, 0.3f, 0.2f, 0.2f, sq_voice);  // a fourth below
  s.put(riser(s.secs(64), true, s.rng), 24 * 16.0, 0.14f, 0.0f, 0.3f);
  s.put(crash(0.8f, s.rng), 28 * 16.0, 0.14f, -0.2f, 0.2f);
  return s.finish(3.0, 0.3f, 0.7, 0.7f, -16.0);
}

// ---------------------------------------------------------------------------------------------
// Snow: tense E minor with a Phrygian shadow, a cold bell melody and half-time drums.

Stereo snow_track() {
  Song s(96.0, 40, 3003);
  const auto prog = progression(
      "Em F Em F | Em C Am B Em C Am B | Em C Am B Em C Am B | Am F Em B Am F C B | Em C Am B Em C Am B | Em F Em F");
  const auto m1 = phrase(
      "E5:4 G5:4 B5:8 | C6:4 B5:4 G5:8 | A5:4 C6:4 E6:8 | D#6:8 B5:8 |"
      "E6:4 D6:4 B5:8 | C6:4 B5:4 G5:4 E5:4 | A5:4 B5:4 C6:4 E6:4 | F#6:8 D#6:8");
  const auto m2 = phrase(
      "A4:6 C5:2 E5:8 | F5:6 E5:2 C5:8 | B4:6 G4:2 E5:8 | D#5:8 F#5:8 |"
      "A5:6 G5:2 E5:8 | F5:4 A5:4 C6:8 | G5:6 E5:2 C5:8 | B4:8 D#5:4 F#5:4");
  auto bell_voice = [](double hz, double gate, float vel) { return bell(hz, std::max(1.6, gate + 1.2), vel, 1.0); };
  auto lead_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel, 0.008, true); };
  for (int b = 0; b < s.bars(); ++b) {
    const Chord& c = prog[b];
    const bool edge = b < 4 || b >= 36;
    pad_bar(s, b, c, 0.3f, edge ? 900.0 : 1500.0);
    arp_bar(s, b, c, "02120212", 0, 0.2f, 0.45, 2.0);  // the ticking ostinato
    if (edge) {
      s.drums(b, nullptr, nullptr, "..x...x...x...x.", 0.5f);
      if (b == 39) s.put(riser(s.secs(16), true, s.rng), b * 16.0, 0.12f, 0.0f, 0.3f);
      continue;
    }
    bass_bar(s, b, c, "0.0.0.0.0.0.0.07", 0.5f, b < 20 ? 500.0 : 800.0);
    if (b < 12)
      s.drums(b, "x.........x.....", nullptr, "x.xxx.xxx.xxx.xx", 0.6f);
    else
      s.drums(b, "x.........x..x..", (b % 8 == 7) ? "........X...X.XX" : "........X.......", "x.xxx.xox.xxx.xo", 0.7f,
              0.45f);
  }
  s.melody(12, m1, 0, 0.3f, 0.2f, 0.35f, 0.3f, bell_voice);
  s.melody(20, m2, 0, 0.34f, -0.15f, 0.25f, 0.3f, lead_voice);
  s.melody(28, m1, 0, 0.28f, 0.2f, 0.35f, 0.3f, bell_voice);
  s.melody(28, m1, -12, 0.22f, -0.2f, 0.25f, 0.25f, lead_voice);
  return s.finish(6.0, 0.45f, 0.9, 1.0f, -17.5);
}

// ---------------------------------------------------------------------------------------------
// Night city: C minor synth pop at 116 bpm, pulsing octave bass, big-room snare and echoing lead.

Stereo city_track() {
  Song s(116.0, 44, 4004);
  const auto prog = progression(
      "Cm Ab Eb Bb | Cm Ab Eb Bb Cm Ab Eb Bb | Cm Ab Eb Bb Cm Ab Eb Bb | Fm Ab Bb Bb Fm Ab Bb G |"
      "Cm Ab Eb Bb Cm Ab Eb Bb | Fm Ab Bb G | Cm Ab Eb Bb");
  const auto l1 = phrase(
      "G5:4 Eb5:2 C5:2 G5:4 Ab5:2 G5:2 | Eb5:8 C5:4 Eb5:4 | Bb5:4 G5:2 Eb5:2 Bb5:4 C6:2 Bb5:2 | F5:8 D5:4 F5:4 |"
      "G5:4 C6:4 Eb6:4 D6:2 C6:2 | C6:8 Ab5:4 Eb5:4 | G5:4 Bb5:4 Eb6:4 D6:4 | D6:8 Bb5:4 F5:4");
  const auto l2 = phrase(
      "F5:4 Ab5:4 C6:8 | Eb6:6 C6:2 Ab5:8 | D6:4 C6:4 Bb5:4 F5:4 | Bb5:16 |"
      "C6:4 Ab5:4 F5:4 Ab5:4 | Eb6:8 C6:4 Eb6:4 | F6:6 Eb6:2 D6:8 | B5:8 D6:4 G5:4");
  auto lead_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel, 0.006, false); };
  auto sq_voice = [](double hz, double gate, float vel) { return lead(hz, gate, vel * 0.8f, 0.004, true); };
  for (int b = 0; b < s.bars(); ++b) {
    const Chord& c = prog[b];
    const bool intro = b < 4, brk = b >= 36 && b < 40;
    pad_bar(s, b, c, 0.26f, brk ? 1000.0 : 1900.0, 1, 53);
    arp_bar(s, b, c, "0123102301231032", 1, 0.14f, intro || brk ? 0.5 : 0.9);
    if (intro || brk) {
      s.drums(b, nullptr, nullptr, "x.x.x.x.x.x.x.x.", 0.55f);
      bass_bar(s, b, c, "0-------0-------", 0.45f, 500.0);
      if (b == 39) s.put(riser(s.secs(16), true, s.rng), b * 16.0, 0.14f, 0.0f, 0.3f);
      continue;
    }
    const bool fill = b % 8 == 3 && b != 3;
    s.drums(b, "X.......x.x.....", fill ? "....X.....x.X.xx" : "....X.......X...", "x.x.x.x.x.x.x.x.", 0.8f, 0.5f);
    bass_bar(s, b, c, "0o0o0o0o0o0o0o0o", 0.45f, 900.0);
  }
  s.melody(12, l1, 0, 0.34f, -0.1f, 0.25f, 0.35f, lead_voice);
  s.melody(20, l2, 0, 0.34f, -0.1f, 0.25f, 0.35f, lead_voice);
  s.melody(28, l1, 0, 0.32f, -0.1f, 0.25f, 0.35f, lead_voice);
  s.melody(28, l1, -12, 0.2f, 0.3f, 0.15f, 0.2f, sq_voice);
  return s.finish(3.0, 0.4f, 0.85, 0.8f, -16.5);
}

}  // namespace

const char* const kTracks[] = {"menu", "game", "game2", "game3"};
const int kTrackCount = static_cast<int>(std::size(kTracks));

Stereo make_music(const std::string& name) {
  if (name == "menu") return menu_track();
  if (name == "game") return game_track();
  if (name == "game2") return snow_track();
  if (name == "game3") return city_track();
  std::fprintf(stderr, "mediagen: no music track called %s\n", name.c_str());
  std::exit(1);
}

}  // namespace mediagen::snd
