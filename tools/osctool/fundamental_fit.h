#pragma once
// The fundamental of a periodic signal: the sine at a known frequency that fits it best.
#include <cstdint>

struct Fundamental {
  double amplitude;  // of the fitted sine
  double phase;      // radians: the fit is amplitude * sin(2 pi k / period + phase) + offset
};

// Least-squares fit of a sine of `period` samples and an offset to values[0 .. count-1],
// over the whole periods that fit in them (all of them when there is less than one).
Fundamental FitFundamental(const int32_t* values, int count, double period);
