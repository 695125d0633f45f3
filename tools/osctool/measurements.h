#pragma once
// The figures a technician reads off a scope, computed from a run of sample values
// (floating point: these are read off a snapshot, outside the analyser's integer core).
#include <cstdint>
#include <optional>

// Where a run of values has its zero and what its levels are read against.
struct LevelScale {
  double zero;       // the value of silence: +1 for a channel (byte 128 less 127), +2 for the sum
  double reference;  // the analyser's 0 dB: a peak of 100 (200 for the sum)
  double fullScale;  // the largest peak the capture holds: 128 (256 for the sum and difference)
};

struct ChannelFigures {
  int64_t minimum = 0;
  int64_t maximum = 0;
  int64_t peakToPeak = 0;
  double mean = 0;      // DC
  double rmsTotal = 0;  // of the values themselves
  double rmsAc = 0;     // of the values less their mean
  double peak = 0;      // the largest distance from the scale's zero
  std::optional<double> level;         // dB: 20 log10(peak / reference); none for silence
  std::optional<double> levelDbfs;     // dB: 20 log10(peak / fullScale)
  std::optional<double> periodSpread;  // the single periods' standard deviation / period
  std::optional<double> periodLength;  // samples: the mean period; none where periods disagree
  std::optional<double> frequency;     // Hz: 44100 / periodLength
};

struct PairFigures {
  std::optional<double> levelDifference;  // dB: left level - right level
  std::optional<double> phase;            // degrees, left against right, -180..180
};

// Periods that differ from one another by more than this (standard deviation over their
// mean) are no frequency: noise, or several tones at once.
constexpr double kPeriodSpreadLimit = 0.05;
// Two channels carry the same frequency when theirs differ by less than this fraction.
constexpr double kSameFrequencyTolerance = 0.01;

// Figures of values[0 .. count-1] (count >= 1).
ChannelFigures MeasureChannel(const int32_t* values, int count, const LevelScale& scale);

// The pair right and left, both of `count` values: the phase of their fundamentals, fitted at
// their common frequency over whole periods, where both carry that frequency.
PairFigures MeasurePair(const int32_t* right, const int32_t* left, int count,
                        const ChannelFigures& rightFigures, const ChannelFigures& leftFigures);
