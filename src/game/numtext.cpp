// Conversions between numbers and the text of data and save files.
#include "numtext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

std::string float_text(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%#.9g", static_cast<double>(v));
  return buf;
}

int text_to_int(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    neg = s[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i < s.size() && s[i] == '%') {
    base = 2;
    ++i;
  }
  // Accumulate in 64 bits and saturate, so absurd values in a player's file cannot overflow.
  const int64_t cap = static_cast<int64_t>(std::numeric_limits<int>::max()) + 1;
  int64_t value = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= base) break;
    value = value * base + d;
    if (value > cap) value = cap;
  }
  if (neg) return static_cast<int>(-value);
  return static_cast<int>(value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : value);
}

float text_to_float(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    neg = s[i] == '-';
    ++i;
  }
  // from_chars reads only the plain decimal form and never depends on the locale.
  double d = 0.0;
  const char* first = s.data() + i;
  const char* last = s.data() + s.size();
  if (first == last || !((*first >= '0' && *first <= '9') || *first == '.')) return 0.0f;
  auto res = std::from_chars(first, last, d, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large saturates, too small becomes 0: strtod tells which (the game never changes the locale).
    d = std::strtod(std::string(first, res.ptr).c_str(), nullptr);
  } else if (res.ec != std::errc()) {
    return 0.0f;
  }
  if (!std::isfinite(d)) return 0.0f;
  if (d > std::numeric_limits<float>::max()) d = std::numeric_limits<float>::max();
  const float f = static_cast<float>(d);
  return neg ? -f : f;
}
