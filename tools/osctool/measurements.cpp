#include "tools/osctool/measurements.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/osctool/crossings.h"
#include "tools/osctool/fundamental_fit.h"

namespace {

constexpr double kRate = 44100.0;
// The hysteresis of a crossing is this fraction of the peak-to-peak swing: noise riding on
// the level does not count as extra periods.
constexpr double kHysteresisFraction = 0.15;
// On a slow edge the capture's steps and a little noise flicker over two steps or so: a
// small swing needs a hysteresis of that many steps, as long as it stays well inside it.
constexpr double kHysteresisSteps = 2.5;
constexpr double kSmallSwingFraction = 0.35;

double Decibels(double ratio) { return 20.0 * std::log10(ratio); }

}  // namespace

ChannelFigures MeasureChannel(const int32_t* values, int count, const LevelScale& scale) {
  ChannelFigures f;
  const auto [lowest, highest] = std::minmax_element(values, values + count);
  f.minimum = *lowest;
  f.maximum = *highest;
  f.peakToPeak = f.maximum - f.minimum;
  double sum = 0, squares = 0;
  for (int k = 0; k < count; ++k) {
    sum += values[k];
    squares += static_cast<double>(values[k]) * values[k];
  }
  f.mean = sum / count;
  f.rmsTotal = std::sqrt(squares / count);
  double deviations = 0;
  for (int k = 0; k < count; ++k) deviations += (values[k] - f.mean) * (values[k] - f.mean);
  f.rmsAc = std::sqrt(deviations / count);
  f.peak = std::max(std::abs(static_cast<double>(f.maximum) - scale.zero),
                    std::abs(static_cast<double>(f.minimum) - scale.zero));
  if (f.peak > 0) {
    f.level = Decibels(f.peak / scale.reference);
    f.levelDbfs = Decibels(f.peak / scale.fullScale);
  }

  if (f.peakToPeak == 0) return f;  // a constant has no period
  // The middle of the swing: a partial period shifts the mean but not the extremes.
  const double level = (static_cast<double>(f.maximum) + static_cast<double>(f.minimum)) / 2;
  const double swing = static_cast<double>(f.peakToPeak);
  const double hysteresis =
      std::max(kHysteresisFraction * swing, std::min(kHysteresisSteps, kSmallSwingFraction * swing));
  const std::optional<PeriodEstimate> period =
      PeriodFromCrossings(LevelCrossings(values, count, level, hysteresis));
  if (!period) return f;
  f.periodSpread = period->spread;
  if (period->spread > kPeriodSpreadLimit) return f;
  f.periodLength = period->length;
  f.frequency = kRate / period->length;
  return f;
}

PairFigures MeasurePair(const int32_t* right, const int32_t* left, int count,
                        const ChannelFigures& rightFigures, const ChannelFigures& leftFigures) {
  PairFigures pair;
  if (rightFigures.level && leftFigures.level)
    pair.levelDifference = *leftFigures.level - *rightFigures.level;
  if (!rightFigures.frequency || !leftFigures.frequency) return pair;
  const double rightHz = *rightFigures.frequency, leftHz = *leftFigures.frequency;
  if (std::abs(leftHz - rightHz) >= kSameFrequencyTolerance * rightHz) return pair;
  const double period = kRate / ((rightHz + leftHz) / 2);
  const double turns = (FitFundamental(left, count, period).phase -
                        FitFundamental(right, count, period).phase) / (2 * std::numbers::pi);
  double degrees = 360.0 * (turns - std::round(turns));
  if (degrees <= -180.0) degrees += 360.0;
  pair.phase = degrees;
  return pair;
}
