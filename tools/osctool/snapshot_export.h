#pragma once
// A snapshot's values taken to other tools: a WAV recording or a CSV table. Both files
// are written atomically: on failure nothing is left at `path`.
#include <QString>

#include "analyser/document/sample_block.h"
#include "tools/osctool/sample_range.h"

// The byte a sound card delivered for a captured value (value + 127), clipped to 0..255.
// `clipped` is set when the value lay outside the capture range -127..128.
constexpr uint8_t CapturedByteOf(int32_t value, bool& clipped) {
  const int64_t byte = static_cast<int64_t>(value) + 127;
  clipped = byte < 0 || byte > 255;
  return static_cast<uint8_t>(byte < 0 ? 0 : byte > 255 ? 255 : byte);
}

// Stereo, 44100 Hz, left first, one frame per index of `range`: 8-bit unsigned holding the
// captured bytes themselves, or 16-bit holding (byte - 128) * 256. `clippedValues` counts
// the values (of both channels) that had to be clipped.
bool WriteWavExport(const SampleBlock& block, const SampleRange& range, int bits,
                    const QString& path, int& clippedValues, QString& error);

// Header "index,time_ms,right,left,sum,difference", then one row per index of `range`,
// the time (index / 44.1) with three decimals.
bool WriteCsvExport(const SampleBlock& block, const SampleRange& range, const QString& path,
                    QString& error);
