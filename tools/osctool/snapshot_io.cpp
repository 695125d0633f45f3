#include "tools/osctool/snapshot_io.h"

#include <QByteArray>
#include <QFile>

#include "tools/osctool/diagnostics.h"
#include "tools/osctool/input_file.h"
#include "tools/osctool/output_file.h"

namespace {

// The sound recordings a snapshot may be mistaken for, by the first bytes of their headers.
QString RecordingFormatOf(const QByteArray& head) {
  const QByteArray type = head.mid(8, 4);
  if ((head.startsWith("RIFF") || head.startsWith("RIFX") || head.startsWith("RF64")) && type == "WAVE")
    return QStringLiteral("WAV");
  if (head.startsWith("FORM") && (type == "AIFF" || type == "AIFC")) return QStringLiteral("AIFF");
  if (head.startsWith("fLaC")) return QStringLiteral("FLAC");
  if (head.startsWith("OggS")) return QStringLiteral("Ogg");
  if (head.startsWith(".snd")) return QStringLiteral("AU");
  return QString();
}

}  // namespace

bool ReadSnapshot(const QString& path, CSylvarineDoc& document, QString& error) {
  QFile file;
  if (!OpenInputFile(path, file, error)) return false;
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return false;
  }
  // Any 64176 bytes load as a snapshot; a recording would give noise without a word.
  if (const QString format = RecordingFormatOf(bytes.left(12)); !format.isEmpty()) {
    error = QStringLiteral("%1 is a %2 recording, not a snapshot: \"osctool from-wav\" makes one of it")
                .arg(path, format);
    return false;
  }
  if (document.LoadSnapshot(reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())) != SnapshotLoadResult::Loaded) {
    error = QStringLiteral("%1 is not a snapshot: it holds %2 bytes, a snapshot %3")
                .arg(path)
                .arg(bytes.size())
                .arg(static_cast<qulonglong>(kSnapshotBytes));
    return false;
  }
  if (!file.atEnd())
    WarnWith(QStringLiteral("%1 is longer than a snapshot: only its first %2 bytes are read")
                 .arg(path)
                 .arg(static_cast<qulonglong>(kSnapshotBytes)));
  return true;
}

bool WriteSnapshot(const QString& path, const CSylvarineDoc& document, QString& error) {
  QByteArray bytes(static_cast<qsizetype>(kSnapshotBytes), '\0');
  document.StoreSnapshot(reinterpret_cast<uint8_t*>(bytes.data()));
  return WriteOutputFile(path, bytes, error);
}
