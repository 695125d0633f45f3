#include <sndfile.h>

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <vector>

#include "tools/osctool/output_file.h"
#include "tools/osctool/snapshot_export.h"

namespace {

constexpr int kRate = 44100;

// A file in memory for libsndfile, so that the recording is made whole before anything is
// written to the disk.
struct MemoryFile {
  QByteArray bytes;
  sf_count_t position = 0;
};

MemoryFile& FileOf(void* user) { return *static_cast<MemoryFile*>(user); }

SF_VIRTUAL_IO MemoryIo() {
  SF_VIRTUAL_IO io{};
  io.get_filelen = [](void* user) -> sf_count_t { return FileOf(user).bytes.size(); };
  io.seek = [](sf_count_t offset, int whence, void* user) -> sf_count_t {
    MemoryFile& file = FileOf(user);
    const sf_count_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? file.bytes.size() : 0;
    file.position = std::max<sf_count_t>(0, base + offset);
    return file.position;
  };
  io.read = [](void* into, sf_count_t count, void* user) -> sf_count_t {
    MemoryFile& file = FileOf(user);
    const sf_count_t got = std::clamp<sf_count_t>(file.bytes.size() - file.position, 0, count);
    std::memcpy(into, file.bytes.constData() + file.position, static_cast<size_t>(got));
    file.position += got;
    return got;
  };
  io.write = [](const void* from, sf_count_t count, void* user) -> sf_count_t {
    MemoryFile& file = FileOf(user);
    if (file.position + count > file.bytes.size())
      file.bytes.resize(static_cast<qsizetype>(file.position + count), '\0');
    std::memcpy(file.bytes.data() + file.position, from, static_cast<size_t>(count));
    file.position += count;
    return count;
  };
  io.tell = [](void* user) -> sf_count_t { return FileOf(user).position; };
  return io;
}

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

  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | (bits == 16 ? SF_FORMAT_PCM_16 : SF_FORMAT_PCM_U8);
  SF_VIRTUAL_IO io = MemoryIo();
  MemoryFile file;
  SNDFILE* sound = sf_open_virtual(&io, SFM_WRITE, &info, &file);
  if (sound == nullptr) {
    error = QStringLiteral("cannot make %1: %2").arg(path, QString::fromUtf8(sf_strerror(nullptr)));
    return false;
  }
  const sf_count_t written = sf_writef_short(sound, frames.data(), range.Count());
  const QString soundError = QString::fromUtf8(sf_strerror(sound));
  if (sf_close(sound) != 0 || written != range.Count()) {
    error = QStringLiteral("cannot make %1: %2").arg(path, soundError);
    return false;
  }
  return WriteOutputFile(path, file.bytes, error);
}
