#include "tools/osctool/output_file.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

// The mode a new file gets from open(2): 0666 less the umask; an existing file keeps its own.
mode_t ModeFor(const QByteArray& target) {
  struct stat existing {};
  if (::stat(target.constData(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* at = bytes.constData();
  for (qsizetype left = bytes.size(); left > 0;) {
    const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    at += written;
    left -= written;
  }
  return true;
}

// Writes the temporary file whole and checks that the disk holds all of it.
bool WriteChecked(int fd, const QByteArray& bytes, mode_t mode) {
  struct stat written {};
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0 || ::fchmod(fd, mode) != 0 || ::fstat(fd, &written) != 0)
    return false;
  if (written.st_size != bytes.size()) {
    errno = EIO;
    return false;
  }
  return true;
}

}  // namespace

QString SystemReason(int errorNumber) {
  static const locale_t english = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return QString::fromLocal8Bit(english ? ::strerror_l(errorNumber, english) : ::strerror(errorNumber));
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString& error) {
  const QFileInfo info(path);
  const QString targetPath = info.isSymLink() ? info.symLinkTarget() : path;
  const QByteArray target = QFile::encodeName(targetPath);
  const QFileInfo targetInfo(targetPath);
  QByteArray temporary =
      QFile::encodeName(targetInfo.absolutePath() + "/." + targetInfo.fileName() + ".XXXXXX");
  const mode_t mode = ModeFor(target);
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  bool written = fd >= 0 && WriteChecked(fd, bytes, mode);
  int reason = errno;
  if (fd >= 0 && ::close(fd) != 0 && written) {
    written = false;
    reason = errno;
  }
  if (written && ::rename(temporary.constData(), target.constData()) != 0) {
    written = false;
    reason = errno;
  }
  if (!written) {
    if (fd >= 0) ::unlink(temporary.constData());
    error = QStringLiteral("cannot write %1: %2").arg(path, SystemReason(reason));
  }
  return written;
}

bool OutputSparesInput(const QString& input, const QString& output, QString& error) {
  struct stat in {}, out {};
  if (::stat(QFile::encodeName(input).constData(), &in) != 0 ||
      ::stat(QFile::encodeName(output).constData(), &out) != 0)
    return true;  // one of them does not exist: nothing can be lost
  if (in.st_dev != out.st_dev || in.st_ino != out.st_ino) return true;
  error = QStringLiteral("%1 is the input %2: choose another file to write").arg(output, input);
  return false;
}
