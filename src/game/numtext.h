// Numbers as the game's text files write and read them.
#pragma once

#include <string>

// A float as text with 9 significant digits, trailing zeros kept (2.0 -> "2.00000000").
std::string float_text(float v);
// Leading blanks skipped, optional sign, then decimal digits ("$" hexadecimal, "%" binary);
// anything after the number is ignored, no digits give 0. Out-of-range values saturate.
int text_to_int(const std::string& s);
// Leading blanks skipped, then the standard decimal form ("." point, optional exponent);
// text that does not begin with a number gives 0.
float text_to_float(const std::string& s);
