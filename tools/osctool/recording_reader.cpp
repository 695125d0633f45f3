#include "tools/osctool/recording_reader.h"

#include <QFile>

#include "tools/osctool/input_file.h"
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

// libsndfile reads floating-point samples as shorts without scaling them (a full-scale
// wave would read as -1..1), so those are read as floats and scaled here. 32768 makes
// a 16-bit recording stored as floats come back exactly.
int16_t ShortOfFullScale(float sample) {
  if (std::isnan(sample)) return 0;
  const long scaled = std::lrint(std::clamp(sample, -1.0f, 1.0f) * 32768.0f);
  return static_cast<int16_t>(std::min(scaled, 32767L));
}

bool IsFloatingPoint(const SF_INFO& info) {
  const int subformat = info.format & SF_FORMAT_SUBMASK;
  return subformat == SF_FORMAT_FLOAT || subformat == SF_FORMAT_DOUBLE;
}

// Reads up to kCaptureFrames frames; returns how many came.
sf_count_t ReadFrames(SNDFILE* file, int channels, bool floatingPoint, std::vector<short>& frames) {
  const size_t samples = static_cast<size_t>(kCaptureFrames) * static_cast<size_t>(channels);
  frames.assign(samples, 0);
  std::vector<float> floats(floatingPoint ? samples : 0);
  sf_count_t got = 0;
  while (got < kCaptureFrames) {
    const sf_count_t offset = got * channels;
    const sf_count_t read =
        floatingPoint ? sf_readf_float(file, floats.data() + offset, kCaptureFrames - got)
                      : sf_readf_short(file, frames.data() + offset, kCaptureFrames - got);
    if (read <= 0) break;
    got += read;
  }
  if (floatingPoint) std::transform(floats.begin(), floats.end(), frames.begin(), ShortOfFullScale);
  return got;
}

void StoreFrames(const std::vector<short>& frames, int channels, uint8_t* buffer) {
  for (int frame = 0; frame < kCaptureFrames; ++frame) {
    const short* first = &frames[static_cast<size_t>(frame) * static_cast<size_t>(channels)];
    buffer[2 * frame] = CaptureByteOf(first[0]);
    buffer[2 * frame + 1] = CaptureByteOf(channels == 1 ? first[0] : first[1]);
  }
}

QString SndfileError(SNDFILE* file) { return QString::fromUtf8(sf_strerror(file)); }

}  // namespace

bool ReadRecordingExcerpt(const QString& path, int64_t startFrame,
                          uint8_t (&buffer)[kCaptureBufferBytes], RecordingFacts& facts,
                          QString& error) {
  // libsndfile would take a directory and report a confusing format error, and would wait
  // on a FIFO for ever.
  QFile input;
  if (!OpenInputFile(path, input, error)) return false;
  SF_INFO info{};
  SndfileHandle file(sf_open_fd(input.handle(), SFM_READ, &info, SF_FALSE));
  if (!file) {
    error = QStringLiteral("cannot read %1: %2").arg(path, SndfileError(nullptr));
    return false;
  }
  facts = RecordingFacts{info.samplerate, info.channels, info.frames};
  if (info.channels < 1) {
    error = QStringLiteral("cannot read %1: it has no channel").arg(path);
    return false;
  }
  if (info.frames < kCaptureFrames || startFrame > info.frames - kCaptureFrames) {
    error = QStringLiteral("%1 is too short: it holds %2 frames, %3 are needed from frame %4")
                .arg(path)
                .arg(info.frames)
                .arg(kCaptureFrames)
                .arg(startFrame);
    return false;
  }
  // Decoders that produce floats (Vorbis, ...) saturate instead of wrapping around.
  sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
  if (startFrame > 0 && sf_seek(file.get(), startFrame, SEEK_SET) != startFrame) {
    error = QStringLiteral("cannot read %1 from frame %2: %3")
                .arg(path)
                .arg(startFrame)
                .arg(SndfileError(file.get()));
    return false;
  }
  std::vector<short> frames;
  const sf_count_t got = ReadFrames(file.get(), info.channels, IsFloatingPoint(info), frames);
  // A header may promise more frames than a truncated file holds.
  if (got < kCaptureFrames) {
    error = sf_error(file.get()) != SF_ERR_NO_ERROR
                ? QStringLiteral("cannot read %1: %2").arg(path, SndfileError(file.get()))
                : QStringLiteral("%1 is too short: it ends after %2 frames, %3 are needed from frame %4")
                      .arg(path)
                      .arg(startFrame + got)
                      .arg(kCaptureFrames)
                      .arg(startFrame);
    return false;
  }
  StoreFrames(frames, info.channels, buffer);
  return true;
}
