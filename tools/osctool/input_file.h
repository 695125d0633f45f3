#pragma once
// Files that osctool reads (besides snapshots, which the analyser's reader opens).
#include <QFile>
#include <QString>

// Opens a regular file (or a link to one) for reading; a FIFO, a device or a socket is
// refused at once, never waited on. On failure `error` holds one line and false is returned.
bool OpenInputFile(const QString& path, QFile& file, QString& error);
