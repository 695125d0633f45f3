// Period and swing per start position, against a sample-by-sample scan of the two phases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>

#include "analyser/spectrum/analyse_spectrum.h"

namespace {

struct Measured {
  int32_t length;
  int32_t swing;
};

// The scan as the measurement is defined: j walks one sample at a time.
Measured ScanPeriod(const int32_t* x, int i) {
  constexpr int kLast = kSampleSlots - 1;
  if (i >= kLast - 1) return {0, 0};
  const int32_t v = x[i];
  if (x[i + 2] == v) return {0, 0};
  const bool rising = x[i + 2] > v;
  int j = i;
  auto phaseA = [&](int32_t next) { return rising ? next >= v : next <= v; };
  auto phaseB = [&](int32_t next) { return rising ? next <= v : next >= v; };
  while (phaseA(x[j + 1]))
    if (++j == kLast) return {0, 0};
  while (phaseB(x[j + 1]))
    if (++j == kLast) return {0, 0};
  const int32_t high = *std::max_element(x + i, x + j + 1);
  const int32_t low = *std::min_element(x + i, x + j + 1);
  // The swing is a 32-bit difference: beyond 32 bits it wraps.
  return {j - i, static_cast<int32_t>(static_cast<uint32_t>(high) - static_cast<uint32_t>(low))};
}

void ExpectSameAsScan(ViewState& state, const char* what) {
  AnalyseSpectrumOf(state, 1);
  const SpectrumWorkingArrays& work = state.spectrumWork;
  int mismatches = 0;
  for (int i = 0; i < kSampleSlots - 1 && mismatches < 5; ++i) {
    const Measured expected = ScanPeriod(state.samples.rightSamples, i);
    if (work.periodLength[i] != expected.length || work.peakToPeak[i] != expected.swing) {
      ++mismatches;
      ADD_FAILURE() << what << ": start " << i << " measured " << work.periodLength[i] << "/"
                    << work.peakToPeak[i] << ", scan gives " << expected.length << "/"
                    << expected.swing;
    }
  }
}

std::unique_ptr<ViewState> EmptyState() {
  auto state = std::make_unique<ViewState>();
  state->integrationDepth = 1;
  return state;
}

TEST(SpectrumPeriods, EveryStartMatchesTheScanOnManyKindsOfBlock) {
  std::mt19937 random(5);
  for (int round = 0; round < 40; ++round) {
    auto state = EmptyState();
    int32_t* x = state->samples.rightSamples;
    const int filled = round % 2 == 0 ? kSignificantSamples : kSampleSlots;
    // Few distinct levels make equal samples frequent: ties decide the phases' ends.
    const int32_t levels = 1 + static_cast<int32_t>(round % 5) * 3;
    std::uniform_int_distribution<int32_t> level(-levels, levels);
    const double hertz = 5.0 + 37.0 * round;
    const double amplitude = 1.0 + round * 3.0;
    for (int n = 0; n < filled; ++n) {
      const double sine = amplitude * std::sin(2.0 * std::numbers::pi * hertz * n / 44100.0);
      x[n] = static_cast<int32_t>(std::lround(sine)) + (round % 3 == 0 ? level(random) : 0);
    }
    ExpectSameAsScan(*state, "sine and noise");
  }
}

TEST(SpectrumPeriods, ExtremeValuesAndStepsMatchTheScan) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  std::mt19937 random(9);
  std::uniform_int_distribution<int32_t> word(kMin, kMax);
  std::uniform_int_distribution<int> pick(0, 3);
  auto state = EmptyState();
  int32_t* x = state->samples.rightSamples;
  const int32_t choices[4] = {kMin, kMax, 0, -1};
  for (int n = 0; n < kSampleSlots; ++n) x[n] = choices[pick(random)];
  ExpectSameAsScan(*state, "limits");
  for (int n = 0; n < kSampleSlots; ++n) x[n] = word(random);
  ExpectSameAsScan(*state, "words");
  // One long step and a slow ramp: periods that end just before or at the last slot.
  for (int n = 0; n < kSampleSlots; ++n) x[n] = n < 2000 ? 50 : -50;
  x[4018] = 60;
  ExpectSameAsScan(*state, "step");
  for (int n = 0; n < kSampleSlots; ++n) x[n] = (n % 2011) - 1000;
  ExpectSameAsScan(*state, "ramp");
}

}  // namespace
