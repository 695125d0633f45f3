#include "analyser/app/xdg_html_handler.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

constexpr int kQueryTimeoutMs = 5000;

QString QueryDefaultDesktopEntry() {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
  if (!query.waitForStarted(kQueryTimeoutMs)) return {};
  if (!query.waitForFinished(kQueryTimeoutMs)) {
    query.kill();
    query.waitForFinished();
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  const QString output = QString::fromUtf8(query.readAllStandardOutput());
  return output.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// Desktop file identifiers map "-" to subfolders: "kde-web.desktop" may be kde/web.desktop.
QString LocateDesktopEntry(const QString& id) {
  QString candidate = id;
  for (;;) {
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, candidate);
    if (!path.isEmpty()) return path;
    const qsizetype dash = candidate.indexOf(QLatin1Char('-'));
    if (dash < 0) return {};
    candidate[dash] = QLatin1Char('/');
  }
}

// The first word of an Exec value, with its quoting and escapes undone.
QString FirstExecWord(const QString& exec) {
  QString word;
  qsizetype i = 0;
  while (i < exec.size() && exec[i].isSpace()) ++i;
  if (i < exec.size() && exec[i] == QLatin1Char('"')) {
    for (++i; i < exec.size() && exec[i] != QLatin1Char('"'); ++i) {
      if (exec[i] == QLatin1Char('\\') && i + 1 < exec.size()) ++i;
      word += exec[i];
    }
    return word;
  }
  for (; i < exec.size() && !exec[i].isSpace(); ++i) word += exec[i];
  return word;
}

}  // namespace

QString ExecProgramOfDesktopEntry(const QString& desktopEntryText) {
  bool inMainGroup = false;
  const QStringList lines = desktopEntryText.split(QLatin1Char('\n'));
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inMainGroup = line == QLatin1String("[Desktop Entry]");
      continue;
    }
    if (!inMainGroup) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed() != QLatin1String("Exec")) continue;
    return FirstExecWord(line.mid(equals + 1));
  }
  return {};
}

std::optional<std::string> XdgHtmlHandler::DefaultHtmlHandler() {
  const QString id = QueryDefaultDesktopEntry();
  if (id.isEmpty()) return std::nullopt;
  const QString entryPath = LocateDesktopEntry(id);
  if (entryPath.isEmpty()) return std::nullopt;
  QFile entry(entryPath);
  if (!entry.open(QIODevice::ReadOnly)) return std::nullopt;
  const QString program = ExecProgramOfDesktopEntry(QString::fromUtf8(entry.readAll()));
  if (program.isEmpty()) return std::nullopt;
  QString executable;
  if (program.contains(QLatin1Char('/'))) {
    const QFileInfo info(program);
    if (info.isFile() && info.isExecutable()) executable = info.absoluteFilePath();
  } else {
    executable = QStandardPaths::findExecutable(program);
  }
  if (executable.isEmpty()) return std::nullopt;
  return executable.toStdString();
}
