#include "tools/osctool/osctool_commands.h"

#include <QTextStream>

int FailWith(const QString& message) {
  QTextStream(stderr) << "osctool: " << message << "\n";
  return 2;
}

void WarnWith(const QString& message) {
  QTextStream(stderr) << "osctool: warning: " << message << "\n";
}
