#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "analyser/document/sylvarine_doc.h"
#include "analyser/spectrum/analyse_spectrum.h"
#include "analyser/spectrum/spectrum_commands.h"
#include "analyser/state/command_ids.h"
#include "tests/support/golden_file.h"

namespace {

constexpr int32_t kTriangle[8] = {0, 5, 10, 5, 0, -5, -10, -5};

// A view state with the start-up spectrum settings: Courte and Commune.
std::unique_ptr<ViewState> StartUpState() {
  auto state = std::make_unique<ViewState>();
  state->spectrumCompression = SpectrumCompression::Common;
  state->integrationEnabled = 1;
  state->integrationDepth = IntegrationDepth::Short;
  return state;
}

// The eight-sample triangle rising by `step` per sample (5 unless given).
void FillTriangle(int32_t* samples, int count, int32_t step = 5) {
  for (int n = 0; n < count; ++n) samples[n] = kTriangle[n % 8] / 5 * step;
}

// Like a capture: byte - 127 from a rounded sine of amplitude 100 around the 8-bit centre.
void FillSine(int32_t* samples, double hertz, double amplitude = 100.0,
              int count = kSignificantSamples) {
  for (int n = 0; n < count; ++n)
    samples[n] =
        static_cast<int32_t>(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hertz * n / 44100.0))) +
        1;
}

int LargestBin(const int32_t* bins) {
  return static_cast<int>(std::max_element(bins, bins + kSpectrumBins) - bins);
}

std::vector<int> NonZeroBins(const int32_t* bins) {
  std::vector<int> found;
  for (int k = 0; k < kSpectrumBins; ++k)
    if (bins[k] != 0) found.push_back(k);
  return found;
}

TEST(SpectrumAnalysis, ConstantBlockHasNoPeriodAndTheIntegrationDecays) {
  auto state = StartUpState();
  std::fill(std::begin(state->samples.rightSamples), std::end(state->samples.rightSamples), 1);
  state->spectrum.integratedSpectrum[0][30] = 100;
  state->spectrum.integratedSpectrum[0][31] = 1;

  AnalyseSpectrumOf(*state, 1);
  for (int k = 0; k < kSpectrumBins; ++k) EXPECT_EQ(state->spectrumWork.spectrumBins[k], 0);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][30], 50);
  for (int run = 0; run < 10; ++run) AnalyseSpectrumOf(*state, 1);
  // Each run removes half, rounded down, so a value below N + 1 stays.
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][30], 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][31], 1);
}

TEST(SpectrumAnalysis, TriangleOverEveryWorkingEntryFindsPeriodsOfEightSamples) {
  auto state = StartUpState();
  FillTriangle(state->samples.rightSamples, kSampleSlots);

  AnalyseSpectrumOf(*state, 1);
  const SpectrumWorkingArrays& work = state->spectrumWork;
  EXPECT_EQ(work.periodHistogram[8], 4010);
  for (int i = 0; i < 8; ++i) {
    const bool hasPeriod = i == 0 || i == 3 || i == 4 || i == 7;
    EXPECT_EQ(work.periodLength[i], hasPeriod ? 8 : 0) << "start " << i;
    EXPECT_EQ(work.peakToPeak[i], hasPeriod ? 20 : 0) << "start " << i;
  }
  EXPECT_EQ(NonZeroBins(work.spectrumBins), (std::vector<int>{55, 56}));
  EXPECT_EQ(work.spectrumBins[55], 311);
  EXPECT_EQ(work.spectrumBins[56], 139);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 311);

  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 467);
}

TEST(SpectrumAnalysis, TriangleLoadedFromASnapshotEndsInZeros) {
  auto doc = std::make_unique<CSylvarineDoc>();
  FillTriangle(doc->Block().rightSamples, kSignificantSamples);
  std::vector<uint8_t> bytes(kSnapshotBytes);
  doc->StoreSnapshot(bytes.data());
  auto loaded = std::make_unique<CSylvarineDoc>();
  ASSERT_EQ(loaded->LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  auto state = StartUpState();
  loaded->ProvideBlock(state->samples);

  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 310);
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 465);
}

TEST(SpectrumAnalysis, ChannelTwoReadsTheLeftSamplesAndWritesOnlyItsOwnArrays) {
  auto state = StartUpState();
  FillTriangle(state->samples.leftSamples, kSampleSlots);
  state->spectrum.displaySpectrum[0][55] = 77;

  AnalyseSpectrumOf(*state, 2);
  EXPECT_EQ(state->spectrum.integratedSpectrum[1][55], 311);
  EXPECT_EQ(NonZeroBins(state->spectrum.integratedSpectrum[0]), std::vector<int>{});
  EXPECT_EQ(state->spectrum.displaySpectrum[0][55], 77);

  AnalyseSpectrumOf(*state, 3);  // not a channel: nothing changes
  EXPECT_EQ(state->spectrum.integratedSpectrum[1][55], 311);
}

TEST(SpectrumAnalysis, SinesLandInTheirBins) {
  struct Case {
    double hertz;
    int bin;
  };
  for (const Case c : {Case{1000, 41}, Case{50, 14}, Case{100, 21}}) {
    auto state = StartUpState();
    FillSine(state->samples.rightSamples, c.hertz);
    AnalyseSpectrumOf(*state, 1);
    EXPECT_EQ(LargestBin(state->spectrumWork.spectrumBins), c.bin) << c.hertz << " Hz";
  }
  auto state = StartUpState();
  FillSine(state->samples.rightSamples, 100);
  AnalyseSpectrumOf(*state, 1);
  const int32_t* bins = state->spectrumWork.spectrumBins;
  EXPECT_GT(bins[20], 0);
  EXPECT_LT(bins[20], bins[21]);
}

TEST(SpectrumAnalysis, RealLevelsOfOneKilohertzMeasureFortyFourOrFortyFive) {
  auto state = StartUpState();
  FillSine(state->samples.rightSamples, 1000, 20);
  AnalyseSpectrumOf(*state, 1);
  int counted = 0, inRange = 0;
  for (int i = 0; i < 4000 - 50; ++i) {
    const int32_t length = state->spectrumWork.periodLength[i];
    if (length > 2) {
      ++counted;
      if (length == 44 || length == 45) ++inRange;
    }
  }
  EXPECT_GT(counted, 3000);
  EXPECT_GT(inRange, counted * 9 / 10);
  EXPECT_EQ(LargestBin(state->spectrumWork.spectrumBins), 41);
}

TEST(SpectrumAnalysis, ZigZagOfLengthOneContributesToNoBin) {
  auto state = StartUpState();
  const int32_t pattern[3] = {0, 10, -10};
  for (int n = 0; n < kSampleSlots; ++n) state->samples.rightSamples[n] = pattern[n % 3];
  AnalyseSpectrumOf(*state, 1);
  EXPECT_GT(state->spectrumWork.periodHistogram[1], 0);
  EXPECT_EQ(NonZeroBins(state->spectrumWork.spectrumBins), std::vector<int>{});
}

TEST(SpectrumAnalysis, SignalBelowFourteenHertzFillingTheBlockContributesToNoBin) {
  auto state = StartUpState();
  FillSine(state->samples.rightSamples, 12, 100, kSampleSlots);
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(NonZeroBins(state->spectrumWork.spectrumBins), std::vector<int>{});
}

// Low-pass noise of several widths spreads periods over most bins; what folding, filling
// and weighting make of them is recorded once.
TEST(SpectrumAnalysis, NoiseSpectraAreTheRecordedOnes) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> level(-127, 128);
  std::string out;
  for (int block = 0; block < 4; ++block) {
    auto state = StartUpState();
    int32_t held = 0;
    const int hold = 1 + block * 3;
    for (int n = 0; n < kSignificantSamples; ++n) {
      if (n % hold == 0) held = level(random);
      state->samples.rightSamples[n] = held;
    }
    AnalyseSpectrumOf(*state, 1);
    const SpectrumWorkingArrays& work = state->spectrumWork;
    EXPECT_GT(NonZeroBins(work.spectrumBins).size(), 10u) << "hold " << hold;
    out += "hold " + std::to_string(hold) + ":";
    for (int k = 0; k < kSpectrumBins; ++k) out += " " + std::to_string(work.spectrumBins[k]);
    out += "\n";
  }
  EXPECT_TRUE(MatchesGoldenFile("noise_spectra.txt", out));
}

TEST(SpectrumAnalysis, IntegrationSettlesAtTheDepthsFixedPoint) {
  struct Case {
    uint32_t command;
    int32_t low, high;  // S = 311: I/(N+1) = S/N at the fixed point
  };
  for (const Case c :
       {Case{CommandId::IntegrationShort, 622, 623}, Case{CommandId::IntegrationMedium, 412, 415},
        Case{CommandId::IntegrationLong, 372, 377}}) {
    auto state = StartUpState();
    HandleSpectrumCommand(*state, c.command);
    FillTriangle(state->samples.rightSamples, kSampleSlots);
    for (int run = 0; run < 60; ++run) AnalyseSpectrumOf(*state, 1);
    const int32_t settled = state->spectrum.integratedSpectrum[0][55];
    EXPECT_GE(settled, c.low) << c.command;
    EXPECT_LE(settled, c.high) << c.command;
    AnalyseSpectrumOf(*state, 1);
    EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], settled) << c.command;
  }
}

TEST(SpectrumAnalysis, IntegrationOffTakesTheRawBinsAndOnAgainStartsFromThem) {
  auto state = StartUpState();
  FillTriangle(state->samples.rightSamples, kSampleSlots);
  for (int run = 0; run < 5; ++run) AnalyseSpectrumOf(*state, 1);
  HandleSpectrumCommand(*state, CommandId::IntegrationOff);
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 311);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][56], 139);
  HandleSpectrumCommand(*state, CommandId::IntegrationShort);
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.integratedSpectrum[0][55], 467);
}

TEST(SpectrumCompressionTest, OffCommonAndIndependentScaleAsChosen) {
  auto state = StartUpState();
  FillSine(state->samples.rightSamples, 1000);  // channel 2 stays silent (all zero)

  HandleSpectrumCommand(*state, CommandId::CompressionOff);
  AnalyseSpectrumOf(*state, 1);
  AnalyseSpectrumOf(*state, 2);
  for (int k = 0; k < kSpectrumBins; ++k)
    EXPECT_EQ(state->spectrum.displaySpectrum[0][k], state->spectrum.integratedSpectrum[0][k]);
  EXPECT_GT(state->spectrum.displaySpectrum[0][41], 260);

  HandleSpectrumCommand(*state, CommandId::CompressionCommon);
  AnalyseSpectrumOf(*state, 1);
  const int32_t peak = state->spectrum.displaySpectrum[0][41];
  EXPECT_GE(peak, 256);
  EXPECT_LE(peak, 511);
  AnalyseSpectrumOf(*state, 2);
  EXPECT_EQ(NonZeroBins(state->spectrum.displaySpectrum[1]), std::vector<int>{});

  // A weak left channel: scaled by the right channel's maximum, or by its own.
  FillSine(state->samples.leftSamples, 1000, 5);
  AnalyseSpectrumOf(*state, 2);
  const int32_t leftIntegrated = state->spectrum.integratedSpectrum[1][41];
  const int32_t rightMaximum = state->spectrum.integratedSpectrum[0][41];
  ASSERT_GT(leftIntegrated, 256);
  EXPECT_EQ(state->spectrum.displaySpectrum[1][41], leftIntegrated / (rightMaximum / 256));
  HandleSpectrumCommand(*state, CommandId::CompressionIndependent);
  AnalyseSpectrumOf(*state, 2);
  const int32_t ownMaximum = state->spectrum.integratedSpectrum[1][41];
  EXPECT_EQ(state->spectrum.displaySpectrum[1][41], ownMaximum / (ownMaximum / 256));
  EXPECT_GE(state->spectrum.displaySpectrum[1][41], 256);
}

TEST(SpectrumCompressionTest, ChannelOneUsesChannelTwosPreviousValues) {
  auto state = StartUpState();
  FillTriangle(state->samples.rightSamples, kSampleSlots);  // bin 55 = 311
  state->spectrum.integratedSpectrum[1][10] = 256 * 100;    // left from an earlier cycle
  AnalyseSpectrumOf(*state, 1);
  EXPECT_EQ(state->spectrum.displaySpectrum[0][55], 311 / 100);
  AnalyseSpectrumOf(*state, 2);  // silent now: left decays to half, the divisor to 50
  EXPECT_EQ(state->spectrum.displaySpectrum[1][10], 12800 / 50);
}

TEST(SpectrumCompressionTest, SmallMaximumIsNotScaled) {
  auto state = StartUpState();
  HandleSpectrumCommand(*state, CommandId::CompressionIndependent);
  FillTriangle(state->samples.rightSamples, kSampleSlots, 1);  // swing 4 instead of 20
  AnalyseSpectrumOf(*state, 1);
  const int32_t largest = state->spectrum.integratedSpectrum[0][55];
  ASSERT_GT(largest, 0);
  ASSERT_LT(largest, 256);
  EXPECT_EQ(state->spectrum.displaySpectrum[0][55], largest);
}

}  // namespace
