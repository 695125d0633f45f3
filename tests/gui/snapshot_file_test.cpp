// Snapshot files on disk: French reasons for failures, nothing lost when a read or write fails.
#include <gtest/gtest.h>

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "analyser/app/support/snapshot_file.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

class SnapshotFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    document.Block().rightSamples[7] = 42;
  }
  QTemporaryDir dir;
  CSylvarineDoc document;
  QString error;
};

TEST_F(SnapshotFileTest, SavedFileReadsBackIntoAnotherDocument) {
  const QString path = dir.filePath("a.osc");
  ASSERT_TRUE(WriteSnapshotFile(path, document, error)) << error.toStdString();
  EXPECT_EQ(ReadAll(path).size(), static_cast<qsizetype>(kSnapshotBytes));
  CSylvarineDoc other;
  ASSERT_TRUE(ReadSnapshotFile(path, other, error)) << error.toStdString();
  EXPECT_EQ(other.Block().rightSamples[7], 42);
  EXPECT_EQ(other.loadedFromFile, 1);
}

TEST_F(SnapshotFileTest, ReadFailuresSayWhyInFrenchAndKeepTheBlock) {
  EXPECT_FALSE(ReadSnapshotFile(dir.filePath("absent.osc"), document, error));
  EXPECT_EQ(error, QStringLiteral("Impossible d'ouvrir le fichier %1 : le fichier n'existe pas.")
                       .arg(dir.filePath("absent.osc")));

  EXPECT_FALSE(ReadSnapshotFile(dir.path(), document, error));
  EXPECT_TRUE(error.endsWith(QStringLiteral("c'est un dossier, pas un fichier."))) << error.toStdString();

  const QString shortFile = dir.filePath("short.osc");
  WriteAll(shortFile, QByteArray(1000, '\x01'));
  EXPECT_FALSE(ReadSnapshotFile(shortFile, document, error));
  EXPECT_TRUE(error.contains(QStringLiteral("trop court (1000 octets au lieu de 64176)")))
      << error.toStdString();
  EXPECT_EQ(document.Block().rightSamples[7], 42);
  EXPECT_EQ(document.loadedFromFile, 0);
}

// A FIFO without a writer would block a plain open() for ever: these must come back at once.
TEST_F(SnapshotFileTest, FifosDevicesAndSocketsAreRefusedWithoutWaiting) {
  const QString fifo = dir.filePath("pipe.osc");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString socketPath = dir.filePath("socket.osc");
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray socketName = QFile::encodeName(socketPath);
  ASSERT_LT(static_cast<std::size_t>(socketName.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, socketName.constData(), static_cast<std::size_t>(socketName.size()));
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const QString linkToFifo = dir.filePath("link.osc");
  ASSERT_TRUE(QFile::link(fifo, linkToFifo));

  for (const QString& path : {fifo, socketPath, QStringLiteral("/dev/null"), linkToFifo}) {
    EXPECT_FALSE(ReadSnapshotFile(path, document, error)) << path.toStdString();
    EXPECT_EQ(error, QStringLiteral("Impossible d'ouvrir le fichier %1 : ce n'est pas un fichier "
                                    "ordinaire (tube, périphérique ou socket).")
                         .arg(path));
  }
  EXPECT_EQ(document.Block().rightSamples[7], 42);
  EXPECT_EQ(document.loadedFromFile, 0);
  ::close(listener);
}

TEST_F(SnapshotFileTest, ALinkToASnapshotIsRead) {
  const QString path = dir.filePath("a.osc");
  ASSERT_TRUE(WriteSnapshotFile(path, document, error)) << error.toStdString();
  const QString link = dir.filePath("b.osc");
  ASSERT_TRUE(QFile::link(path, link));
  CSylvarineDoc other;
  ASSERT_TRUE(ReadSnapshotFile(link, other, error)) << error.toStdString();
  EXPECT_EQ(other.Block().rightSamples[7], 42);
}

TEST_F(SnapshotFileTest, AFailedSaveNamesTheMissingFolderAndKeepsWhatStandsInTheWay) {
  const QString missing = dir.filePath("nowhere/a.osc");
  EXPECT_FALSE(WriteSnapshotFile(missing, document, error));
  EXPECT_EQ(error, QStringLiteral("Impossible d'enregistrer le fichier %1 : le dossier %2 n'existe pas.")
                       .arg(missing, dir.filePath("nowhere")));

  // A folder standing where the file should go: the save fails and the folder stays.
  const QString folder = dir.filePath("taken.osc");
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.osc"));
  EXPECT_FALSE(WriteSnapshotFile(folder, document, error));
  EXPECT_TRUE(error.endsWith(QStringLiteral("c'est un dossier, pas un fichier."))) << error.toStdString();
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
