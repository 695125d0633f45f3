#pragma once
// The figures a technician reads off a scope, computed from a run of sample values
// (floating point: these are read off a snapshot, outside the analyser's integer core).
#include <cstdint>
#include <optional>
#include <vector>

struct ChannelFigures {
  int64_t minimum = 0;
  int64_t maximum = 0;
  int64_t peakToPeak = 0;
  double mean = 0;      // DC
  double rmsTotal = 0;  // of the values themselves
  double rmsAc = 0;     // of the values less their mean
  std::optional<double> level;         // dB: 20 log10(max |value| / reference)
  std::optional<double> periodLength;  // samples: median of the measured periods
  std::optional<double> frequency;     // Hz: 44100 / periodLength
  std::vector<double> risingCrossings;  // sample positions, in order
};

struct PairFigures {
  std::optional<double> levelDifference;  // dB: left level - right level
  std::optional<double> phase;            // degrees, left against right, -180..180
};

// Figures of values[0 .. count-1] (count >= 1); `reference` is the magnitude read as 0 dB.
ChannelFigures MeasureChannel(const int32_t* values, int count, double reference);

// Two channels' frequencies are the same when they differ by less than this fraction.
constexpr double kSameFrequencyTolerance = 0.01;
PairFigures MeasurePair(const ChannelFigures& right, const ChannelFigures& left);
