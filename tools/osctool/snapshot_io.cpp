#include "tools/osctool/snapshot_io.h"

#include <QByteArray>
#include <QFile>

#include "tools/osctool/input_file.h"
#include "tools/osctool/output_file.h"

bool ReadSnapshot(const QString& path, CSylvarineDoc& document, QString& error) {
  QFile file;
  if (!OpenInputFile(path, file, error)) return false;
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
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
  return true;
}

bool WriteSnapshot(const QString& path, const CSylvarineDoc& document, QString& error) {
  QByteArray bytes(static_cast<qsizetype>(kSnapshotBytes), '\0');
  document.StoreSnapshot(reinterpret_cast<uint8_t*>(bytes.data()));
  return WriteOutputFile(path, bytes, error);
}
