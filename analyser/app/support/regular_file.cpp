#include "analyser/app/support/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

RegularFileStatus StatusOfErrno(int error) {
  if (error == ENOENT || error == ENOTDIR) return RegularFileStatus::Missing;
  if (error == EACCES || error == EPERM) return RegularFileStatus::Denied;
  if (error == EISDIR) return RegularFileStatus::Directory;
  return RegularFileStatus::Failed;
}

RegularFileStatus StatusOfType(mode_t mode) {
  if (S_ISREG(mode)) return RegularFileStatus::Opened;
  if (S_ISDIR(mode)) return RegularFileStatus::Directory;
  return RegularFileStatus::NotRegular;
}

}  // namespace

RegularFileStatus OpenRegularFile(const QString& path, QFile& file) {
  const QByteArray name = QFile::encodeName(path);
  if (name.isEmpty()) return RegularFileStatus::Missing;
  // Looked at first, so that a FIFO or a device is not even opened.
  struct stat before {};
  if (::stat(name.constData(), &before) != 0) return StatusOfErrno(errno);
  if (const RegularFileStatus type = StatusOfType(before.st_mode); type != RegularFileStatus::Opened)
    return type;
  // The name may be swapped for a FIFO in between: O_NONBLOCK keeps that open from waiting
  // for a writer, and the type of what was really opened is checked again.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return StatusOfErrno(errno);
  struct stat opened {};
  RegularFileStatus status = ::fstat(fd, &opened) == 0 ? StatusOfType(opened.st_mode)
                                                      : RegularFileStatus::Failed;
  if (status == RegularFileStatus::Opened) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) status = RegularFileStatus::Failed;
  }
  if (status == RegularFileStatus::Opened &&
      file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    return status;
  ::close(fd);
  return status == RegularFileStatus::Opened ? RegularFileStatus::Failed : status;
}
