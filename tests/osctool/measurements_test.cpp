// The scope figures against what was synthesised: sines captured as a sound card captures
// them (16-bit samples cut to 8 bits), noise, squares, silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "tools/osctool/measurements.h"

namespace {

constexpr int kFrames = 4000;
constexpr LevelScale kChannel{1, 100, 128};
constexpr double kDegrees = 180 / std::numbers::pi;

// A sine of `fullScale` (1 is the 16-bit range), as the snapshot holds it: the 16-bit sample's
// high byte made unsigned, less 127. `noise` adds a Gaussian floor, in steps of the capture.
std::vector<int32_t> Captured(double fullScale, double hz, double phase, double noise = 0) {
  static std::mt19937 random(3);
  std::normal_distribution<double> floor(0, noise * 256 + 1e-12);
  std::vector<int32_t> values(kFrames);
  for (int k = 0; k < kFrames; ++k) {
    const double sine = 32767 * fullScale * std::sin(2 * std::numbers::pi * hz * k / 44100 + phase);
    const auto s = static_cast<int32_t>(std::clamp(std::round(sine + floor(random)), -32768.0, 32767.0));
    values[k] = ((s >> 8) + 128) - 127;
  }
  return values;
}

ChannelFigures Measure(const std::vector<int32_t>& values) {
  return MeasureChannel(values.data(), kFrames, kChannel);
}

PairFigures Pair(const std::vector<int32_t>& right, const std::vector<int32_t>& left) {
  return MeasurePair(right.data(), left.data(), kFrames, Measure(right), Measure(left));
}

TEST(Measurements, FrequencyAndPhaseOfSinesAcrossTheBandAndTheLevels) {
  std::mt19937 random(20);
  std::uniform_real_distribution<double> turn(-std::numbers::pi, std::numbers::pi);
  for (double level : {0.05, 0.1, 0.3, 1.0})
    for (int step = 0; step <= 60; ++step) {
      const double hz = 20 * std::pow(500.0, step / 60.0);  // 20 Hz .. 10 kHz
      const double start = turn(random), shift = turn(random);
      EXPECT_NEAR(Measure(Captured(level, hz, start)).frequency.value_or(0) / hz, 1, 0.0005)
          << hz << " Hz at " << level;
      if (hz < 50) continue;
      // A noise-free tone whose period is a ratio of small whole numbers (35 samples at
      // 1260 Hz) repeats the capture's steps every few periods, which shifts its phase by up
      // to a few degrees at low levels; an input's noise floor of a third of a step evens it.
      const PairFigures pair = Pair(Captured(level, hz, start, 0.3),
                                    Captured(level * 0.8, hz, start + shift, 0.3));
      EXPECT_NEAR(std::remainder(pair.phase.value_or(999) - shift * kDegrees, 360), 0, 0.5)
          << hz << " Hz at " << level;
    }
}

TEST(Measurements, ADropoutOfTheStreamLeavesTheFrequency) {
  std::vector<int32_t> values = Captured(0.5, 1000, 0), later = Captured(0.5, 1000, 1.3);
  std::copy(later.begin() + 2000, later.end(), values.begin() + 2000);
  EXPECT_NEAR(Measure(values).frequency.value_or(0), 1000, 0.5);
}

TEST(Measurements, NoiseHasNeitherFrequencyNorPhaseNorDoesATonePairedWithIt) {
  std::mt19937 random(5);
  for (double spread : {3.0, 20.0, 60.0}) {
    std::normal_distribution<double> noise(0, spread);
    std::vector<int32_t> right(kFrames), left(kFrames);
    for (int k = 0; k < 2 * kFrames; ++k)
      (k % 2 ? left : right)[k / 2] = 1 + static_cast<int32_t>(std::lround(std::clamp(noise(random), -128.0, 127.0)));
    const ChannelFigures f = Measure(right);
    EXPECT_FALSE(f.frequency) << spread;
    EXPECT_GT(f.periodSpread.value_or(0), 4 * kPeriodSpreadLimit) << spread;
    EXPECT_FALSE(Pair(right, left).phase) << spread;
    EXPECT_FALSE(Pair(Captured(0.5, 1000, 0), left).phase) << spread;
  }
  EXPECT_FALSE(Pair(Captured(0.5, 1000, 0), Captured(0.5, 1020, 0)).phase);
}

TEST(Measurements, LevelsAreReadFromTheCapturesZero) {
  // Silence: every byte 128, +1 in the snapshot, has no level and no period.
  const ChannelFigures silence = Measure(std::vector<int32_t>(kFrames, 1));
  EXPECT_FALSE(silence.level || silence.levelDbfs || silence.frequency);
  // Peaks of 100 either side of the zero: the analyser's 0 dB; half of them 6 dB less.
  std::vector<int32_t> square(kFrames), half(kFrames);
  for (int k = 0; k < kFrames; ++k) {
    square[k] = (k % 100) < 50 ? 101 : -99;
    half[k] = 1 + (square[k] - 1) / 2;
  }
  const ChannelFigures f = Measure(square);
  EXPECT_NEAR(*f.level, 0, 1e-9);
  EXPECT_NEAR(*f.levelDbfs, 20 * std::log10(100.0 / 128), 1e-9);
  EXPECT_NEAR(*f.frequency, 441, 1e-9);
  EXPECT_NEAR(*Pair(square, half).levelDifference, 20 * std::log10(0.5), 1e-9);
  // A sine's peak is read to one step of the capture; full scale is 0 dBFS.
  for (double level : {0.05, 0.2, 1.0}) EXPECT_NEAR(Measure(Captured(level, 997, 0.3)).peak, 128 * level, 1.0);
  EXPECT_NEAR(*Measure(Captured(1.0, 997, 0.3)).levelDbfs, 0, 1e-9);
}

}  // namespace
