// The scope figures against closed forms: sines, squares, DC, silence, phase pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "tools/osctool/measurements.h"

namespace {

constexpr int kFrames = 4000;

std::vector<int32_t> Sine(double amplitude, double hz, double phaseDegrees = 0, double offset = 0) {
  std::vector<int32_t> values(kFrames);
  for (int k = 0; k < kFrames; ++k)
    values[k] = static_cast<int32_t>(std::lround(
        offset + amplitude * std::sin(2 * std::numbers::pi * hz * k / 44100.0 +
                                      phaseDegrees * std::numbers::pi / 180.0)));
  return values;
}

ChannelFigures Measure(const std::vector<int32_t>& values, double reference = 100) {
  return MeasureChannel(values.data(), static_cast<int>(values.size()), reference);
}

TEST(Measurements, SineOfKnownAmplitudeAndFrequency) {
  const ChannelFigures f = Measure(Sine(100, 1000));
  EXPECT_EQ(f.minimum, -100);
  EXPECT_EQ(f.maximum, 100);
  EXPECT_EQ(f.peakToPeak, 200);
  EXPECT_NEAR(f.mean, 0, 0.5);
  EXPECT_NEAR(f.rmsAc, 100 / std::sqrt(2.0), 0.5);
  EXPECT_NEAR(f.rmsTotal, 100 / std::sqrt(2.0), 0.5);
  ASSERT_TRUE(f.level);
  EXPECT_NEAR(*f.level, 0.0, 1e-9);
  ASSERT_TRUE(f.frequency);
  EXPECT_NEAR(*f.frequency, 1000, 1000 * 0.001);
  EXPECT_NEAR(*f.periodLength, 44.1, 0.05);
}

TEST(Measurements, FrequenciesAcrossTheBandAreMeasuredClosely) {
  // A tenth of a percent up to 3 kHz; at five samples a period, half a percent.
  for (double hz : {50.0, 441.0, 997.0, 3000.0}) {
    const ChannelFigures f = Measure(Sine(60, hz, 30, 1));
    ASSERT_TRUE(f.frequency) << hz;
    EXPECT_NEAR(*f.frequency, hz, hz * 0.001) << hz;
  }
  const ChannelFigures high = Measure(Sine(60, 9000, 30, 1));
  EXPECT_NEAR(*high.frequency, 9000, 9000 * 0.005);
}

TEST(Measurements, NoiseOnTheMeanLevelAddsNoPeriods) {
  std::vector<int32_t> values = Sine(50, 500);
  uint32_t seed = 12345;
  for (int32_t& v : values) {
    seed = seed * 1664525u + 1013904223u;
    v += static_cast<int32_t>(seed >> 29) - 4;  // -4..3
  }
  const ChannelFigures f = Measure(values);
  ASSERT_TRUE(f.frequency);
  EXPECT_NEAR(*f.frequency, 500, 5);
}

TEST(Measurements, SquareWave) {
  // +-50 around 10, 100 samples a period: 441 Hz.
  std::vector<int32_t> values(kFrames);
  for (int k = 0; k < kFrames; ++k) values[k] = (k % 100) < 50 ? 60 : -40;
  const ChannelFigures f = Measure(values);
  EXPECT_EQ(f.peakToPeak, 100);
  EXPECT_DOUBLE_EQ(f.mean, 10);
  EXPECT_DOUBLE_EQ(f.rmsAc, 50);
  EXPECT_NEAR(f.rmsTotal, std::sqrt(50.0 * 50.0 + 10.0 * 10.0), 1e-9);
  EXPECT_NEAR(*f.level, 20 * std::log10(0.6), 1e-9);
  EXPECT_NEAR(*f.frequency, 441, 1e-9);
}

TEST(Measurements, ConstantAndSilenceHaveNoFrequency) {
  const ChannelFigures dc = Measure(std::vector<int32_t>(kFrames, 30));
  EXPECT_EQ(dc.peakToPeak, 0);
  EXPECT_DOUBLE_EQ(dc.mean, 30);
  EXPECT_DOUBLE_EQ(dc.rmsTotal, 30);
  EXPECT_DOUBLE_EQ(dc.rmsAc, 0);
  EXPECT_NEAR(*dc.level, 20 * std::log10(0.3), 1e-9);
  EXPECT_FALSE(dc.frequency);
  EXPECT_FALSE(dc.periodLength);

  const ChannelFigures silence = Measure(std::vector<int32_t>(kFrames, 1));  // captured 128s
  EXPECT_NEAR(*silence.level, -40, 1e-9);
  EXPECT_FALSE(silence.frequency);

  const ChannelFigures zero = Measure(std::vector<int32_t>(kFrames, 0));
  EXPECT_FALSE(zero.level);

  // One step is a single crossing: still no period.
  std::vector<int32_t> step(kFrames, -50);
  for (int k = 2000; k < kFrames; ++k) step[k] = 50;
  EXPECT_FALSE(Measure(step).frequency);
}

TEST(Measurements, SumLevelIsReadAgainstItsOwnReference) {
  const ChannelFigures f = Measure(Sine(200, 1000), 200);
  EXPECT_NEAR(*f.level, 0.0, 1e-9);
}

TEST(Measurements, OppositePhaseChannels) {
  const ChannelFigures right = Measure(Sine(80, 1000));
  const ChannelFigures left = Measure(Sine(80, 1000, 180));
  const PairFigures pair = MeasurePair(right, left);
  ASSERT_TRUE(pair.levelDifference);
  EXPECT_NEAR(*pair.levelDifference, 0, 1e-9);
  ASSERT_TRUE(pair.phase);
  EXPECT_NEAR(std::abs(*pair.phase), 180, 1.0);
}

TEST(Measurements, PhaseSignSaysWhichChannelLeads) {
  const ChannelFigures right = Measure(Sine(100, 1000));
  const PairFigures leads = MeasurePair(right, Measure(Sine(50, 1000, 90)));
  EXPECT_NEAR(*leads.phase, 90, 1.0);
  EXPECT_NEAR(*leads.levelDifference, 20 * std::log10(0.5), 1e-9);
  const PairFigures lags = MeasurePair(right, Measure(Sine(100, 1000, -45)));
  EXPECT_NEAR(*lags.phase, -45, 1.0);
  const PairFigures same = MeasurePair(right, right);
  EXPECT_NEAR(*same.phase, 0, 1e-9);
}

TEST(Measurements, DifferentFrequenciesOrASilentChannelGiveNoPhase) {
  const ChannelFigures right = Measure(Sine(100, 1000));
  EXPECT_FALSE(MeasurePair(right, Measure(Sine(100, 1050))).phase);
  const PairFigures silent = MeasurePair(right, Measure(std::vector<int32_t>(kFrames, 1)));
  EXPECT_FALSE(silent.phase);
  EXPECT_NEAR(*silent.levelDifference, -40, 1e-9);
}

}  // namespace
