#pragma once
// What each spectrum bin stands for: the period lengths whose swings it takes, and the
// band of frequencies these lengths are at 44100 samples per second.
#include <array>
#include <cstdint>
#include <optional>

constexpr double kSamplesPerSecond = 44100.0;

struct BinPeriods {
  int32_t shortest;  // samples, inclusive
  int32_t longest;   // samples, inclusive
};

// The period lengths bin `bin` (0..99) takes its value from, or nothing for a bin that
// takes none (0, 1..3 which are always cleared, the filled bins, 66..99).
std::optional<BinPeriods> PeriodsOfBin(int bin);

// The frequencies whose sines a bin takes: a sine of period P samples (P = 44100 / f) is
// measured as floor(P) samples long on its steep edges, so the bin of lengths
// shortest..longest takes low < f <= high, low = 44100 / (longest + 1) and high =
// 44100 / shortest. Neighbouring bins' bands meet.
struct BinBand {
  double low;   // Hz, not included
  double high;  // Hz, included
};
std::optional<BinBand> BandOfBin(int bin);

// For the bins filled with the mean of two others (56, 60, 62, 63, 65): those two.
std::optional<std::array<int, 2>> NeighboursOfFilledBin(int bin);
