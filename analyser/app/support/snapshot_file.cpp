#include "analyser/app/support/snapshot_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

#include "analyser/app/support/regular_file.h"
#include "analyser/document/snapshot_file_messages.h"

namespace {

// Qt's own error strings come from the C library in English; the interface is French, so the
// cause is told from what the file system shows.
FileFault OpenFault(RegularFileStatus status) {
  switch (status) {
    case RegularFileStatus::Missing: return FileFault::Missing;
    case RegularFileStatus::Directory: return FileFault::Directory;
    case RegularFileStatus::NotRegular: return FileFault::NotRegular;
    case RegularFileStatus::Denied: return FileFault::Denied;
    default: return FileFault::ReadError;
  }
}

FileFault ReadFault(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  if (!info.exists()) return FileFault::Missing;
  if (info.isDir()) return FileFault::Directory;
  if (!info.isReadable() || file.error() == QFileDevice::PermissionsError) return FileFault::Denied;
  return FileFault::ReadError;
}

FileFault WriteFault(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  const QFileInfo folder(info.absolutePath());
  if (!folder.exists()) return FileFault::FolderMissing;
  if (info.isDir()) return FileFault::Directory;
  if (!folder.isWritable() || (info.exists() && !info.isWritable()) ||
      file.error() == QFileDevice::PermissionsError)
    return FileFault::Denied;
  if (file.error() == QFileDevice::ResourceError) return FileFault::DiskFull;
  return FileFault::WriteError;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool ReadSnapshotFile(const QString& path, CSylvarineDoc& document, QString& error) {
  const std::string name = path.toStdString();
  QFile file;
  const RegularFileStatus status = OpenRegularFile(path, file);
  if (status != RegularFileStatus::Opened) {
    error = Text(OpenFailureMessage(name, OpenFault(status)));
    return false;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = Text(ReadFailureMessage(name, ReadFault(path, file)));
    return false;
  }
  if (document.LoadSnapshot(reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())) !=
      SnapshotLoadResult::Loaded) {
    error = Text(TooShortMessage(name, static_cast<std::size_t>(bytes.size())));
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
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    error = Text(SaveFailureMessage(path.toStdString(), WriteFault(path, file),
                                    folder.toStdString()));
    return false;
  }
  return true;
}
