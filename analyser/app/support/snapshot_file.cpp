#include "analyser/app/support/snapshot_file.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

bool ReadSnapshotFile(const QString& path, CSylvarineDoc& document, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(path, file.errorString());
    return false;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kSnapshotBytes));
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, file.errorString());
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
    error = QStringLiteral("Impossible d'enregistrer le fichier %1 : %2").arg(path, file.errorString());
    return false;
  }
  return true;
}
