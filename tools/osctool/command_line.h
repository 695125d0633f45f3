#pragma once
// What every sub-command does with its arguments: parse them, and answer --help.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// Parses `arguments` (those after the command name) for `command`. --help prints the
// usage line, `description` and the options on stdout. Returns true when the command
// goes on; otherwise `status` is the exit status (Done after --help, Usage after an error).
bool ParseCommandLine(QCommandLineParser& parser, const QString& command,
                      const QString& usage, const QString& description,
                      const QStringList& arguments, int& status);
