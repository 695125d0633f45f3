#include "tools/osctool/crossings.h"

#include <algorithm>
#include <cmath>

namespace {

// The crossing between samples k-1 and k, by a least-squares line through the run of
// samples around it that lie within `band` of the level.
double PlaceCrossing(const int32_t* values, int count, int k, double level, double band) {
  int first = k - 1, last = k;
  while (first > 0 && std::abs(values[first - 1] - level) < band) --first;
  while (last + 1 < count && std::abs(values[last + 1] - level) < band) ++last;
  double n = 0, sumT = 0, sumV = 0, sumTT = 0, sumTV = 0;
  for (int t = first; t <= last; ++t) {
    const double x = t - k, v = values[t];
    n += 1;
    sumT += x;
    sumV += v;
    sumTT += x * x;
    sumTV += x * v;
  }
  const double slope = (n * sumTV - sumT * sumV) / (n * sumTT - sumT * sumT);
  const double offset = (sumV - slope * sumT) / n;
  const double at = (level - offset) / slope;
  // The line is steered by the run; the crossing stays between its two samples.
  return k + std::fmin(0.0, std::fmax(-1.0, at));
}

}  // namespace

std::vector<Crossing> LevelCrossings(const int32_t* values, int count, double level,
                                     double hysteresis) {
  std::vector<Crossing> crossings;
  int side = 0;  // -1 below level - hysteresis, +1 above level + hysteresis, 0 not yet
  for (int k = 0; k < count; ++k) {
    const double v = values[k];
    if (side < 0 && v >= level) {
      crossings.push_back({PlaceCrossing(values, count, k, level, hysteresis), true});
      side = 0;
    } else if (side > 0 && v <= level) {
      crossings.push_back({PlaceCrossing(values, count, k, level, hysteresis), false});
      side = 0;
    }
    if (v < level - hysteresis) side = -1;
    if (v > level + hysteresis) side = 1;
  }
  return crossings;
}

std::optional<PeriodEstimate> PeriodFromCrossings(const std::vector<Crossing>& crossings) {
  std::vector<double> directions[2];
  for (const Crossing& c : crossings) directions[c.rising ? 0 : 1].push_back(c.at);
  // The single periods of each direction add up to its last crossing less its first.
  double span = 0;
  int periods = 0;
  for (const std::vector<double>& at : directions)
    if (at.size() >= 2) {
      span += at.back() - at.front();
      periods += static_cast<int>(at.size()) - 1;
    }
  if (periods == 0) return std::nullopt;
  const double length = span / periods;
  // Short periods are compared over runs of them at least kAgreementSpan long, so that the
  // placing of a crossing between two samples does not count as disagreement.
  const int run = std::max(1, static_cast<int>(std::ceil(kAgreementSpan / length)));
  double sum = 0, squares = 0;
  int runs = 0;
  for (const std::vector<double>& at : directions)
    for (std::size_t i = 0; i + static_cast<std::size_t>(run) < at.size(); ++i) {
      const double single = (at[i + static_cast<std::size_t>(run)] - at[i]) / run;
      sum += single;
      squares += single * single;
      ++runs;
    }
  if (runs == 0) return PeriodEstimate{length, 0, periods};
  const double mean = sum / runs;
  const double variance = std::fmax(0.0, squares / runs - mean * mean);
  return PeriodEstimate{length, std::sqrt(variance) / length, periods};
}
