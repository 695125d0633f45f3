// Each bin's period lengths: the table's examples, and every length from 3 to 3127 samples
// in exactly one bin; each bin's band of frequencies: where the analysis itself puts a sine.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <memory>
#include <numbers>

#include "analyser/spectrum/analyse_spectrum.h"
#include "tools/osctool/spectrum_bands.h"

namespace {

TEST(SpectrumBands, BinsTakeTheirPeriodLengths) {
  struct Expected {
    int bin, shortest, longest;
  };
  for (const Expected& e : {Expected{4, 2792, 3127}, Expected{20, 442, 494}, Expected{21, 394, 441},
                            Expected{41, 40, 44}, Expected{51, 13, 13}, Expected{55, 8, 8},
                            Expected{61, 4, 4}, Expected{64, 3, 3}}) {
    const auto periods = PeriodsOfBin(e.bin);
    ASSERT_TRUE(periods) << e.bin;
    EXPECT_EQ(periods->shortest, e.shortest) << e.bin;
    EXPECT_EQ(periods->longest, e.longest) << e.bin;
  }
  for (int bin : {0, 1, 2, 3, 56, 60, 62, 63, 65, 66, 99}) EXPECT_FALSE(PeriodsOfBin(bin)) << bin;
}

TEST(SpectrumBands, EveryLengthFromThreeTo3127LandsInOneBin) {
  for (int length = 1; length <= 4410; ++length) {
    int bins = 0;
    for (int bin = 0; bin < 100; ++bin) {
      const auto periods = PeriodsOfBin(bin);
      if (periods && periods->shortest <= length && length <= periods->longest) ++bins;
    }
    EXPECT_EQ(bins, length >= 3 && length <= 3127 ? 1 : 0) << length;
  }
}

// The bin where the analyser's own analysis of a full-scale sine of `hz` peaks.
int PeakBinOfSine(double hz) {
  auto state = std::make_unique<ViewState>();
  state->integrationEnabled = 0;
  for (int k = 0; k < 4000; ++k)  // the 16-bit sample's high byte, made a captured value
    state->samples.rightSamples[k] =
        (static_cast<int32_t>(std::lround(32767 * std::sin(2 * std::numbers::pi * hz * k / 44100))) >> 8) + 1;
  AnalyseSpectrumOf(*state, 1);
  const int32_t* bins = state->spectrum.integratedSpectrum[0];
  return static_cast<int>(std::max_element(bins, bins + kSpectrumBins) - bins);
}

TEST(SpectrumBands, ASinePeaksInTheBinWhoseBandHoldsItAndTheBandsMeet) {
  for (int i = 0; i < 120; ++i) {
    const double hz = 30 * std::pow(11000.0 / 30, i / 119.0);
    const int bin = PeakBinOfSine(hz);
    const auto band = BandOfBin(bin);
    EXPECT_TRUE(band && band->low < hz && hz <= band->high) << hz << " Hz peaks in bin " << bin;
  }
  std::optional<BinBand> below;  // each band begins where the one below ends
  for (int bin = 0; bin < kSpectrumBins; ++bin)
    if (const auto band = BandOfBin(bin)) {
      EXPECT_TRUE(!below || band->low == below->high) << bin;
      below = band;
    }
}

TEST(SpectrumBands, FilledBinsNameTheirNeighbours) {
  EXPECT_EQ(NeighboursOfFilledBin(56), (std::array{55, 57}));
  EXPECT_EQ(NeighboursOfFilledBin(62), (std::array{61, 64}));
  EXPECT_EQ(NeighboursOfFilledBin(63), (std::array{61, 64}));
  EXPECT_EQ(NeighboursOfFilledBin(65), (std::array{64, 66}));
  EXPECT_FALSE(NeighboursOfFilledBin(41));
}

}  // namespace
