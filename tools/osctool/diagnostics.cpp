#include "tools/osctool/diagnostics.h"

#include <QTextStream>

int FailWith(ExitStatus kind, const QString& message) {
  QTextStream(stderr) << "osctool: " << message << "\n";
  return StatusOf(kind);
}

void WarnWith(const QString& message) {
  QTextStream(stderr) << "osctool: warning: " << message << "\n";
}
