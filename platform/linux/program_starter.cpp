#include "platform/linux/program_starter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

bool ProgramStarter::StartProgram(std::string_view program, const std::string_view* arguments,
                                  int argumentCount) {
  QString name = QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size()));
  if (name.isEmpty()) return false;
  QString executable;
  if (name.contains('/')) {
    QFileInfo info(name);
    if (info.isFile() && info.isExecutable()) executable = info.absoluteFilePath();
  } else {
    executable = QStandardPaths::findExecutable(name);
  }
  if (executable.isEmpty()) return false;
  QStringList list;
  for (int i = 0; i < argumentCount; ++i)
    list << QString::fromUtf8(arguments[i].data(), static_cast<qsizetype>(arguments[i].size()));
  return QProcess::startDetached(executable, list);
}
