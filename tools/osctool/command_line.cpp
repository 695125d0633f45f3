#include "tools/osctool/command_line.h"

#include <QTextStream>

#include "tools/osctool/osctool_commands.h"

namespace {

// Qt's help text lists options and arguments after its own usage line and description.
QString OptionsPart(const QString& helpText) {
  const qsizetype options = helpText.indexOf(QLatin1String("\nOptions:\n"));
  return options < 0 ? QString() : helpText.mid(options + 1);
}

}  // namespace

bool ParseCommandLine(QCommandLineParser& parser, const QString& command,
                      const QString& usage, const QString& description,
                      const QStringList& arguments, int& status) {
  const QCommandLineOption helpOption = parser.addHelpOption();
  if (!parser.parse(QStringList{QStringLiteral("osctool ") + command} + arguments)) {
    status = FailWith(ExitStatus::Usage, parser.errorText());
    return false;
  }
  if (parser.isSet(helpOption)) {
    QTextStream(stdout) << "Usage: osctool " << command << ' ' << usage << "\n\n"
                        << description << (description.endsWith('\n') ? "" : "\n") << '\n'
                        << OptionsPart(parser.helpText());
    status = 0;
    return false;
  }
  return true;
}
