// A snapshot may hold any 32-bit values: the analysis must stay defined and its
// integers wrap exactly as 32-bit signed arithmetic does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>

#include "analyser/spectrum/analyse_spectrum.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Reduces an exact result to the 32-bit signed value it wraps to.
int32_t Wrapped(int64_t exact) {
  constexpr int64_t kSpan = int64_t{1} << 32;
  int64_t v = exact % kSpan;
  if (v < 0) v += kSpan;
  if (v >= kSpan / 2) v -= kSpan;
  return static_cast<int32_t>(v);
}

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

// An eight-sample triangle, 0, A/2, A, A/2, 0, -A/2, -A, -A/2, over every slot.
void FillTriangle(int32_t* samples, int32_t half, int32_t full, int32_t negativeHalf,
                  int32_t negativeFull) {
  const int32_t triangle[8] = {0, half, full, half, 0, negativeHalf, negativeFull, negativeHalf};
  for (int n = 0; n < kSampleSlots; ++n) samples[n] = triangle[n % 8];
}

TEST(SpectrumExtremes, FullScaleTriangleWrapsItsSwingAndTruncatesTowardZero) {
  auto state = StateWith(1);
  FillTriangle(state->samples.rightSamples, kMax / 2, kMax, kMin / 2, kMin);
  AnalyseSpectrumOf(*state, 1);
  const SpectrumWorkingArrays& work = state->spectrumWork;
  // kMax - kMin is 2^32 - 1, which wraps to -1; 2005 of them sum to -2005.
  EXPECT_EQ(work.peakToPeak[0], -1);
  EXPECT_EQ(work.periodLength[0], 8);
  EXPECT_EQ(work.periodHistogram[8], -200);  // not -201
  // A bin is the largest entry from 0 up, so the negative entry leaves everything at 0.
  for (int k = 0; k < kSpectrumBins; ++k) {
    EXPECT_EQ(work.spectrumBins[k], 0) << "bin " << k;
    EXPECT_EQ(state->spectrum.integratedSpectrum[0][k], 0) << "bin " << k;
  }
}

TEST(SpectrumExtremes, LargeSwingsWrapInTheWeightingAndStayNegativeAfterwards) {
  auto state = StateWith(1);
  FillTriangle(state->samples.rightSamples, 200000, 400000, -200000, -400000);
  state->spectrum.integratedSpectrum[1][30] = 1 << 20;
  AnalyseSpectrumOf(*state, 1);
  const SpectrumWorkingArrays& work = state->spectrumWork;
  // 2005 swings of 800000 still fit in 32 bits.
  EXPECT_EQ(work.periodHistogram[8], 160400000);

  int32_t bin55 = 160400000;
  int32_t bin56 = (160400000 + 0) / 2;
  for (int pass = 0; pass < 5; ++pass) {
    bin55 = Wrapped(int64_t{bin55} * 45) / 75;
    bin56 = Wrapped(int64_t{bin56} * 44) / 75;
  }
  ASSERT_LT(bin55, 0);
  ASSERT_LT(bin56, 0);
  EXPECT_EQ(work.spectrumBins[55], bin55);
  EXPECT_EQ(work.spectrumBins[56], bin56);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], bin55);

  // Common compression: the largest value over both channels, from 0 up, here channel 2's.
  const int32_t divisor = (1 << 20) / 256;
  EXPECT_EQ(state->spectrum.displaySpectrum[0][55], bin55 / divisor);  // toward zero
  EXPECT_EQ(state->spectrum.displaySpectrum[0][56], bin56 / divisor);
  EXPECT_NE(bin55 % divisor, 0);  // so that rounding down would differ

  // Integration Courte on negative values: both divisions truncate toward zero.
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], bin55 + bin55 - bin55 / 2);
}

TEST(SpectrumExtremes, AlternatingLimitsAndRandomWordsStayDefined) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> word(kMin, kMax);
  int32_t right[kSampleSlots];
  int32_t left[kSampleSlots];
  for (int n = 0; n < kSampleSlots; ++n) {
    right[n] = (n / 3) % 2 == 0 ? kMin : kMax;
    left[n] = word(random);
  }
  for (uint8_t compression = 0; compression <= 2; ++compression) {
    auto state = StateWith(compression);
    auto again = StateWith(compression);
    for (ViewState* s : {state.get(), again.get()}) {
      std::copy(right, right + kSampleSlots, s->samples.rightSamples);
      std::copy(left, left + kSampleSlots, s->samples.leftSamples);
      for (int run = 0; run < 3; ++run) {
        AnalyseSpectrumOf(*s, 1);
        AnalyseSpectrumOf(*s, 2);
      }
    }
    for (int c = 0; c < 2; ++c)
      for (int k = 0; k < kSpectrumBins; ++k) {
        const int32_t integrated = state->spectrum.integratedSpectrum[c][k];
        const int32_t display = state->spectrum.displaySpectrum[c][k];
        EXPECT_EQ(integrated, again->spectrum.integratedSpectrum[c][k]);
        EXPECT_EQ(display, again->spectrum.displaySpectrum[c][k]);
        // Compression only ever divides by a positive divisor.
        EXPECT_LE(std::llabs(display), std::llabs(int64_t{integrated}));
        if (compression == 0) {
          EXPECT_EQ(display, integrated);
        }
        if (k <= 3 || k >= 66) {
          EXPECT_EQ(integrated, 0) << "bin " << k;
        }
      }
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
