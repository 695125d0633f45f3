// A snapshot may hold any 32-bit values: the analysis must stay defined and sane.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>

#include "analyser/spectrum/analyse_spectrum.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

std::unique_ptr<ViewState> StateWith(uint8_t compression) {
  auto state = std::make_unique<ViewState>();
  state->spectrumCompression = compression;
  state->integrationEnabled = 1;
  state->integrationDepth = 1;
  return state;
}

void ExpectSaneResults(const ViewState& state) {
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < kSpectrumBins; ++k) {
      EXPECT_GE(state.spectrum.integratedSpectrum[c][k], 0);
      EXPECT_GE(state.spectrum.displaySpectrum[c][k], 0);
    }
  for (int k = 0; k < kSpectrumBins; ++k) EXPECT_GE(state.spectrumWork.spectrumBins[k], 0);
}

TEST(SpectrumExtremes, FullScaleTriangleSaturatesInsteadOfOverflowing) {
  auto state = StateWith(1);
  const int32_t triangle[8] = {0, kMax / 2, kMax, kMax / 2, 0, kMin / 2, kMin, kMin / 2};
  for (int n = 0; n < kSampleSlots; ++n) {
    state->samples.rightSamples[n] = triangle[n % 8];
    state->samples.leftSamples[n] = triangle[n % 8];
  }
  for (int run = 0; run < 4; ++run) {
    AnalyseSpectrumOf(*state, 1);
    AnalyseSpectrumOf(*state, 2);
  }
  // The swing of 2^32 - 1 is kept whole; the summed histogram saturates at the bins.
  EXPECT_EQ(state->spectrumWork.peakToPeak[0], int64_t{kMax} - int64_t{kMin});
  const int32_t* bins = state->spectrumWork.spectrumBins;
  EXPECT_GT(bins[55], bins[56]);
  EXPECT_GT(bins[56], 0);
  EXPECT_EQ(std::max_element(bins, bins + kSpectrumBins) - bins, 55);
  int64_t saturatedThenWeighted = kMax;  // the histogram entry is far above int32
  for (int pass = 0; pass < 5; ++pass) saturatedThenWeighted = saturatedThenWeighted * 45 / 75;
  EXPECT_EQ(bins[55], saturatedThenWeighted);
  EXPECT_GT(state->spectrum.integratedSpectrum[0][55], bins[55]);
  EXPECT_GE(state->spectrum.displaySpectrum[0][55], 256);
  EXPECT_LE(state->spectrum.displaySpectrum[0][55], 511);
  ExpectSaneResults(*state);
}

TEST(SpectrumExtremes, AlternatingLimitsAndRandomWordsStayDefined) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> word(kMin, kMax);
  for (uint8_t compression = 0; compression <= 2; ++compression) {
    auto state = StateWith(compression);
    for (int n = 0; n < kSampleSlots; ++n) {
      state->samples.rightSamples[n] = (n / 3) % 2 == 0 ? kMin : kMax;
      state->samples.leftSamples[n] = word(random);
    }
    for (int run = 0; run < 3; ++run) {
      AnalyseSpectrumOf(*state, 1);
      AnalyseSpectrumOf(*state, 2);
    }
    ExpectSaneResults(*state);
    EXPECT_GT(state->spectrum.integratedSpectrum[1][50], 0);
  }
}

TEST(SpectrumExtremes, DepthZeroDoesNotDivideByZero) {
  auto state = StateWith(2);
  state->integrationDepth = 0;
  for (int n = 0; n < kSampleSlots; ++n) state->samples.rightSamples[n] = (n % 8) * 10;
  AnalyseSpectrumOf(*state, 1);
  ExpectSaneResults(*state);
}

}  // namespace
