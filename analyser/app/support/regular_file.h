#pragma once
// Opening a file that a person named, for reading, without ever blocking: a FIFO, a
// device or a socket is refused before anything waits on it.
#include <QFile>
#include <QString>

enum class RegularFileStatus {
  Opened,
  Missing,
  Directory,
  NotRegular,  // a FIFO, a device or a socket
  Denied,
  Failed,
};

// Opens `path` read-only into `file` (which must be closed) when it is a regular file
// (a symbolic link to one is fine); any other outcome leaves `file` closed.
RegularFileStatus OpenRegularFile(const QString& path, QFile& file);
