#include "tools/osctool/spectrum_bands.h"

#include "analyser/spectrum/analyse_spectrum.h"

std::optional<BinPeriods> PeriodsOfBin(int bin) {
  // Bin g + 20 d takes lengths k with lo < k <= hi, the first decade's boundaries g-1 and
  // g divided by 10 d times; only groups 1..4 reach a fourth decade.
  if (bin < 4 || bin > 64) return std::nullopt;
  const int group = (bin - 1) % 20 + 1;
  const int decade = (bin - 1) / 20;
  int32_t hi = kBinBoundaries[group - 1];
  int32_t lo = kBinBoundaries[group];
  for (int d = 0; d < decade; ++d) {
    hi /= 10;
    lo /= 10;
  }
  if (lo + 1 > hi) return std::nullopt;
  return BinPeriods{lo + 1, hi};
}

std::optional<BinBand> BandOfBin(int bin) {
  const std::optional<BinPeriods> periods = PeriodsOfBin(bin);
  if (!periods) return std::nullopt;
  return BinBand{kSamplesPerSecond / (periods->longest + 1), kSamplesPerSecond / periods->shortest};
}

std::optional<std::array<int, 2>> NeighboursOfFilledBin(int bin) {
  switch (bin) {
    case 56: return std::array{55, 57};
    case 60: return std::array{59, 61};
    case 62:
    case 63: return std::array{61, 64};
    case 65: return std::array{64, 66};
    default: return std::nullopt;
  }
}
