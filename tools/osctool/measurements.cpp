#include "tools/osctool/measurements.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kRate = 44100.0;
// The hysteresis is this fraction of the peak-to-peak swing: noise riding on the mean
// level does not count as extra periods.
constexpr double kHysteresisFraction = 0.1;

double Median(std::vector<double> values) {
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2;
}

// Rising crossings of the mean, each placed between its two samples by linear
// interpolation; after one, the signal must fall below mean - hysteresis to arm again.
std::vector<double> RisingCrossings(const int32_t* values, int count, double mean, double hysteresis) {
  std::vector<double> crossings;
  bool armed = false;
  for (int k = 0; k < count; ++k) {
    const double v = values[k];
    if (v < mean - hysteresis) {
      armed = true;
    } else if (armed && v >= mean) {
      // Armed means the sample before lay below the mean.
      const double before = values[k - 1];
      crossings.push_back((k - 1) + (mean - before) / (v - before));
      armed = false;
    }
  }
  return crossings;
}

}  // namespace

ChannelFigures MeasureChannel(const int32_t* values, int count, double reference) {
  ChannelFigures f;
  f.minimum = *std::min_element(values, values + count);
  f.maximum = *std::max_element(values, values + count);
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
  const double peak = static_cast<double>(std::max(std::llabs(f.minimum), std::llabs(f.maximum)));
  if (peak > 0) f.level = 20.0 * std::log10(peak / reference);

  if (f.peakToPeak == 0) return f;  // a constant has no period
  const double hysteresis = std::max(0.5, kHysteresisFraction * static_cast<double>(f.peakToPeak));
  f.risingCrossings = RisingCrossings(values, count, f.mean, hysteresis);
  if (f.risingCrossings.size() < 2) return f;
  std::vector<double> periods;
  for (std::size_t i = 1; i < f.risingCrossings.size(); ++i)
    periods.push_back(f.risingCrossings[i] - f.risingCrossings[i - 1]);
  f.periodLength = Median(periods);
  f.frequency = kRate / *f.periodLength;
  return f;
}

PairFigures MeasurePair(const ChannelFigures& right, const ChannelFigures& left) {
  PairFigures pair;
  if (right.level && left.level) pair.levelDifference = *left.level - *right.level;
  if (!right.frequency || !left.frequency) return pair;
  if (std::abs(*left.frequency - *right.frequency) >= kSameFrequencyTolerance * *right.frequency)
    return pair;
  // Each right crossing against the nearest left one, as a fraction of the period: left
  // crossing earlier means left leads, a positive phase.
  const double period = (*right.periodLength + *left.periodLength) / 2;
  std::vector<double> shifts;
  for (double r : right.risingCrossings) {
    const auto next = std::lower_bound(left.risingCrossings.begin(), left.risingCrossings.end(), r);
    double best = 0;
    bool found = false;
    for (auto it : {next, next == left.risingCrossings.begin() ? next : next - 1}) {
      if (it == left.risingCrossings.end()) continue;
      const double shift = r - *it;
      if (!found || std::abs(shift) < std::abs(best)) best = shift;
      found = true;
    }
    if (!found) continue;
    double turns = best / period;
    turns -= std::round(turns);  // -0.5 .. 0.5
    shifts.push_back(turns);
  }
  if (shifts.empty()) return pair;
  // Around half a turn the shifts straddle +-0.5: fold them onto one side first.
  const bool nearHalf = std::count_if(shifts.begin(), shifts.end(),
                                      [](double t) { return std::abs(t) > 0.25; }) * 2 >
                        static_cast<std::ptrdiff_t>(shifts.size());
  if (nearHalf)
    for (double& t : shifts)
      if (t < 0) t += 1.0;
  double turns = Median(shifts);
  if (turns > 0.5) turns -= 1.0;
  pair.phase = 360.0 * turns;
  return pair;
}
