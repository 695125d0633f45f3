#include "tools/osctool/input_file.h"

#include "analyser/app/support/regular_file.h"

bool OpenInputFile(const QString& path, QFile& file, QString& error) {
  switch (OpenRegularFile(path, file)) {
    case RegularFileStatus::Opened:
      return true;
    case RegularFileStatus::Missing:
      error = QStringLiteral("cannot open %1: no such file").arg(path);
      return false;
    case RegularFileStatus::Directory:
      error = QStringLiteral("cannot read %1: it is a directory").arg(path);
      return false;
    case RegularFileStatus::NotRegular:
      error = QStringLiteral("cannot read %1: it is not a regular file (a FIFO, a device or a socket)")
                  .arg(path);
      return false;
    case RegularFileStatus::Denied:
      error = QStringLiteral("cannot open %1: permission denied").arg(path);
      return false;
    case RegularFileStatus::Failed:
      break;
  }
  error = QStringLiteral("cannot open %1").arg(path);
  return false;
}
