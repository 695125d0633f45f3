#pragma once
#include <cstdint>

#include "analyser/document/sample_block.h"

constexpr int kSpectrumBins = 100;
constexpr int kHistogramSlots = 4411;  // period lengths 0..4410
constexpr int kRangeLevels = 12;       // 2^11 <= 4020 < 2^12

// Scratch arrays of one analysis; nothing carries over between runs.
// Everything is 32-bit: swings and sums of a snapshot's extreme values wrap.
struct SpectrumWorkingArrays {
  int32_t workingSamples[kSampleSlots] = {};
  int32_t periodLength[kSampleSlots] = {};
  int32_t peakToPeak[kSampleSlots] = {};
  int32_t periodHistogram[kHistogramSlots] = {};
  int32_t spectrumBins[kSpectrumBins] = {};
  // rangeMax[L][k] and rangeMin[L][k]: extremes of workingSamples[k .. k + 2^L - 1],
  // filled where that range lies inside the block. They let each start position find
  // the end of its period and its swing without walking the period sample by sample.
  int32_t rangeMax[kRangeLevels][kSampleSlots] = {};
  int32_t rangeMin[kRangeLevels][kSampleSlots] = {};
};

// Kept for the life of the view; index 0 is channel 1 (right), index 1 channel 2 (left).
struct SpectrumResultArrays {
  int32_t integratedSpectrum[2][kSpectrumBins] = {};
  int32_t displaySpectrum[2][kSpectrumBins] = {};
};
