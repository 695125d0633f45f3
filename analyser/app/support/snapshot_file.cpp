#include "analyser/app/support/snapshot_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

#include "analyser/app/support/regular_file.h"

namespace {

// Qt's own error strings come from the C library in English; the interface is French, so the
// reason is told from what the file system shows.
QString OpenFailureReason(RegularFileStatus status) {
  switch (status) {
    case RegularFileStatus::Missing:
      return QStringLiteral("le fichier n'existe pas.");
    case RegularFileStatus::Directory:
      return QStringLiteral("c'est un dossier, pas un fichier.");
    case RegularFileStatus::NotRegular:
      return QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou socket).");
    case RegularFileStatus::Denied:
      return QStringLiteral("accès refusé.");
    default:
      return QStringLiteral("erreur de lecture.");
  }
}

QString ReadFailureReason(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("le fichier n'existe pas.");
  if (info.isDir()) return QStringLiteral("c'est un dossier, pas un fichier.");
  if (!info.isReadable() || file.error() == QFileDevice::PermissionsError)
    return QStringLiteral("accès refusé.");
  return QStringLiteral("erreur de lecture.");
}

QString WriteFailureReason(const QString& path, const QFileDevice& file) {
  const QFileInfo info(path);
  const QFileInfo folder(info.absolutePath());
  if (!folder.exists()) return QStringLiteral("le dossier %1 n'existe pas.").arg(
      QDir::toNativeSeparators(folder.filePath()));
  if (info.isDir()) return QStringLiteral("c'est un dossier, pas un fichier.");
  if (!folder.isWritable() || (info.exists() && !info.isWritable()) ||
      file.error() == QFileDevice::PermissionsError)
    return QStringLiteral("accès refusé.");
  if (file.error() == QFileDevice::ResourceError)
    return QStringLiteral("plus de place sur le disque.");
  return QStringLiteral("erreur d'écriture.");
}

}  // namespace

bool ReadSnapshotFile(const QString& path, CSylvarineDoc& document, QString& error) {
  QFile file;
  const RegularFileStatus status = OpenRegularFile(path, file);
  if (status != RegularFileStatus::Opened) {
    error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, OpenFailureReason(status));
    return false;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, ReadFailureReason(path, file));
    return false;
  }
  if (document.LoadSnapshot(reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())) !=
      SnapshotLoadResult::Loaded) {
    error = QStringLiteral("Le fichier %1 est trop court (%2 octets au lieu de %3) : "
                           "ce n'est pas un oscillogramme.")
                .arg(path)
                .arg(bytes.size())
                .arg(static_cast<qulonglong>(kSnapshotBytes));
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
    error = QStringLiteral("Impossible d'enregistrer le fichier %1 : %2")
                .arg(path, WriteFailureReason(path, file));
    return false;
  }
  return true;
}
