#pragma once
#include <cstdint>

constexpr int kSampleSlots = 4020;       // slots per array
constexpr int kSignificantSamples = 4011;  // indices 0..4010 are significant
constexpr int kCapturedFrames = 4000;

// The four arrays in member order: right, left, difference, sum.
struct SampleBlock {
  int32_t rightSamples[kSampleSlots] = {};
  int32_t leftSamples[kSampleSlots] = {};
  int32_t differenceSamples[kSampleSlots] = {};
  int32_t sumSamples[kSampleSlots] = {};
};
