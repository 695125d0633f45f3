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
  // Single periods between successive crossings of one direction, in order.
  std::vector<double> singles[2];
  for (bool rising : {true, false}) {
    const Crossing* previous = nullptr;
    for (const Crossing& c : crossings) {
      if (c.rising != rising) continue;
      if (previous != nullptr) singles[rising ? 0 : 1].push_back(c.at - previous->at);
      previous = &c;
    }
  }
  std::vector<double> all(singles[0]);
  all.insert(all.end(), singles[1].begin(), singles[1].end());
  if (all.empty()) return std::nullopt;
  std::nth_element(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2), all.end());
  const double median = all[all.size() / 2];
  // Two crossings each placed within a sample may make a short period two samples off.
  const double tolerance = std::max(kOutlierFraction * median, 2.0);
  const auto agrees = [&](double single) { return std::abs(single - median) <= tolerance; };

  // The periods that agree add up to the span of the crossings they join: the mean keeps
  // the precision of (last - first) / (n - 1) and drops a period a dropout broke.
  double sum = 0;
  int kept = 0;
  for (const std::vector<double>& direction : singles)
    for (double single : direction)
      if (agrees(single)) {
        sum += single;
        ++kept;
      }
  const int periods = static_cast<int>(all.size());
  if (kept < kSteadyShare * periods) {
    double total = 0, squares = 0;
    for (double single : all) {
      total += single;
      squares += single * single;
    }
    const double mean = total / periods;
    return PeriodEstimate{mean, std::sqrt(std::fmax(0.0, squares / periods - mean * mean)) / mean, periods};
  }
  const double length = sum / kept;

  // Short periods are compared over runs of them at least kAgreementSpan long, so that the
  // placing of a crossing between two samples does not count as disagreement.
  const std::size_t run = static_cast<std::size_t>(std::max(1.0, std::ceil(kAgreementSpan / length)));
  double runSum = 0, squares = 0;
  int runs = 0;
  for (const std::vector<double>& direction : singles)
    for (std::size_t i = 0; i + run <= direction.size(); ++i) {
      double total = 0;
      bool steady = true;
      for (std::size_t j = i; j < i + run; ++j) {
        total += direction[j];
        steady = steady && agrees(direction[j]);
      }
      if (!steady) continue;
      runSum += total / static_cast<double>(run);
      squares += (total / static_cast<double>(run)) * (total / static_cast<double>(run));
      ++runs;
    }
  if (runs == 0) return PeriodEstimate{length, 0, periods};
  const double mean = runSum / runs;
  const double variance = std::fmax(0.0, squares / runs - mean * mean);
  return PeriodEstimate{length, std::sqrt(variance) / length, periods};
}
