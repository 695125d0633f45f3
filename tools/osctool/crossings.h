#pragma once
// The period of a signal from all its crossings of a level, each placed between samples.
#include <cstdint>
#include <optional>
#include <vector>

struct Crossing {
  double at;  // sample position, between two samples
  bool rising;
};

// Crossings of `level` by values[0 .. count-1], rising and falling, in order. After a
// crossing the signal must pass `hysteresis` beyond the level on the other side before the
// next one counts, so that noise riding on the level adds none. Each crossing is placed by
// a straight line through the samples within `hysteresis` of the level around it (two
// samples on a steep edge, several on a slow one, which evens out the capture's steps).
std::vector<Crossing> LevelCrossings(const int32_t* values, int count, double level,
                                     double hysteresis);

struct PeriodEstimate {
  double length;  // samples: the mean period over every crossing of one direction
  double spread;  // how much the periods differ: standard deviation / length
  int periods;    // how many single periods were measured
};

// Periods shorter than this many samples are compared over runs of them this long.
constexpr double kAgreementSpan = 20;
// A single period further than this fraction (or 2 samples) from the median is not one of
// the signal's (a dropout of the stream, a click) and is left out ...
constexpr double kOutlierFraction = 0.1;
// ... as long as at least this share of the periods is left.
constexpr double kSteadyShare = 0.9;

// The period from successive crossings of the same direction: the mean of the single
// periods that lie near their median, which for a steady signal is (last - first) / (n - 1)
// of the rising ones and of the falling ones, pooled; nothing without one whole period.
// The spread compares the periods one by one, or the short ones by runs of kAgreementSpan;
// with more than a tenth of them far from the median, it is that of them all.
std::optional<PeriodEstimate> PeriodFromCrossings(const std::vector<Crossing>& crossings);
