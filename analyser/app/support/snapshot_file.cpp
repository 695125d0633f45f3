#include "analyser/app/support/snapshot_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

#include "analyser/app/support/regular_file.h"
#include "analyser/document/snapshot_messages.h"

namespace {

// Qt's own error strings come from the C library in English; the interface is French, so the
// cause is told from what the file system shows.
SnapshotFileFault OpenFault(RegularFileStatus status) {
  switch (status) {
    case RegularFileStatus::Missing: return SnapshotFileFault::Missing;
    case RegularFileStatus::Directory: return SnapshotFileFault::Directory;
    case RegularFileStatus::NotRegular: return SnapshotFileFault::NotRegular;
    case RegularFileStatus::Denied: return SnapshotFileFault::Denied;
    default: return SnapshotFileFault::ReadFailed;
  }
}

SnapshotFileFault ReadFault(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  if (!info.exists()) return SnapshotFileFault::Missing;
  if (info.isDir()) return SnapshotFileFault::Directory;
  if (!info.isReadable() || file.error() == QFileDevice::PermissionsError)
    return SnapshotFileFault::Denied;
  return SnapshotFileFault::ReadFailed;
}

SnapshotFileFault WriteFault(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  const QFileInfo folder(info.absolutePath());
  if (!folder.exists()) return SnapshotFileFault::FolderMissing;
  if (info.isDir()) return SnapshotFileFault::Directory;
  if (!folder.isWritable() || (info.exists() && !info.isWritable()) ||
      file.error() == QFileDevice::PermissionsError)
    return SnapshotFileFault::Denied;
  if (file.error() == QFileDevice::ResourceError) return SnapshotFileFault::DiskFull;
  return SnapshotFileFault::WriteFailed;
}

QString Message(SnapshotFileStep step, const QString& path, SnapshotFileFault fault,
                const QString& folder = QString()) {
  return QString::fromStdString(
      SnapshotFaultMessage(step, path.toStdString(), fault, folder.toStdString()));
}

}  // namespace

bool ReadSnapshotFile(const QString& path, CSylvarineDoc& document, QString& error) {
  QFile file;
  const RegularFileStatus status = OpenRegularFile(path, file);
  if (status != RegularFileStatus::Opened) {
    error = Message(SnapshotFileStep::Open, path, OpenFault(status));
    return false;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = Message(SnapshotFileStep::Read, path, ReadFault(path, file));
    return false;
  }
  if (document.LoadSnapshot(reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())) !=
      SnapshotLoadResult::Loaded) {
    error = QString::fromStdString(
        SnapshotTooShortMessage(path.toStdString(), static_cast<uint64_t>(bytes.size())));
    return false;
  }
  return true;
}

bool WriteSnapshotFile(const QString& path, const CSylvarineDoc& document, QString& error) {
  std::vector<uint8_t> bytes(kSnapshotBytes);
  document.StoreSnapshot(bytes.data());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    error = Message(SnapshotFileStep::Write, path, WriteFault(path, file),
                    QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return false;
  }
  return true;
}
