// Each bin's period lengths: the table's examples, and every length from 3 to 3127 samples
// in exactly one bin.
#include <gtest/gtest.h>

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

TEST(SpectrumBands, FilledBinsNameTheirNeighbours) {
  EXPECT_EQ(NeighboursOfFilledBin(56), (std::array{55, 57}));
  EXPECT_EQ(NeighboursOfFilledBin(62), (std::array{61, 64}));
  EXPECT_EQ(NeighboursOfFilledBin(63), (std::array{61, 64}));
  EXPECT_EQ(NeighboursOfFilledBin(65), (std::array{64, 66}));
  EXPECT_FALSE(NeighboursOfFilledBin(41));
}

}  // namespace
