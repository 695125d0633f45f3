#include <QSaveFile>
#include <sndfile.h>

#include <vector>

#include "tools/osctool/snapshot_export.h"

namespace {
constexpr int kRate = 44100;
}  // namespace

bool WriteWavExport(const SampleBlock& block, const SampleRange& range, int bits,
                    const QString& path, int& clippedValues, QString& error) {
  // libsndfile writes a short s as the unsigned byte (s >> 8) + 128, and from-wav reads
  // it back the same way: both formats carry the captured bytes exactly.
  std::vector<short> frames;
  frames.reserve(static_cast<std::size_t>(range.Count()) * 2);
  clippedValues = 0;
  for (int k = range.first; k <= range.last; ++k) {
    for (int32_t value : {block.leftSamples[k], block.rightSamples[k]}) {
      bool clipped = false;
      const uint8_t byte = CapturedByteOf(value, clipped);
      clippedValues += clipped ? 1 : 0;
      frames.push_back(static_cast<short>((byte - 128) * 256));
    }
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | (bits == 16 ? SF_FORMAT_PCM_16 : SF_FORMAT_PCM_U8);
  SNDFILE* sound = sf_open_fd(file.handle(), SFM_WRITE, &info, SF_FALSE);
  if (sound == nullptr) {
    error = QStringLiteral("cannot write %1: %2").arg(path, QString::fromUtf8(sf_strerror(nullptr)));
    file.cancelWriting();
    return false;
  }
  const sf_count_t written = sf_writef_short(sound, frames.data(), range.Count());
  const QString soundError = QString::fromUtf8(sf_strerror(sound));
  const int closed = sf_close(sound);
  if (written != range.Count() || closed != 0) {
    error = QStringLiteral("cannot write %1: %2").arg(path, soundError);
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}
