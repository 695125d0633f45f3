#pragma once
// Sound recordings (any format libsndfile reads) turned into the bytes an 8-bit unsigned
// stereo sound card would have delivered.
#include <QString>
#include <cstdint>

#include "analyser/state/view_state.h"

constexpr int kCaptureFrames = kCaptureBufferBytes / 2;

// A sound card delivering 8-bit unsigned from 16-bit keeps the high byte and flips its sign:
// (s >> 8) + 128, which rounds toward minus infinity (-1 gives 127, 255 gives 128).
constexpr uint8_t CaptureByteOf(int16_t sample) {
  return static_cast<uint8_t>((sample >> 8) + 128);
}

struct RecordingFacts {
  int sampleRate = 0;
  int channels = 0;
  int64_t frames = 0;
};

// Fills buffer (left, right interleaved) from kCaptureFrames frames starting at startFrame
// (>= 0). Mono goes to both channels; past two channels only the first two are used.
// Floating-point samples are full scale at +-1.0 and saturate beyond it.
// On failure `error` holds one line for the user and false is returned.
bool ReadRecordingExcerpt(const QString& path, int64_t startFrame,
                          uint8_t (&buffer)[kCaptureBufferBytes], RecordingFacts& facts,
                          QString& error);
