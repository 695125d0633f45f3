// osctool trigger FILE.osc: the trigger the acquisition would find in a snapshot's sum.
#include <QCommandLineParser>
#include <memory>

#include "tools/osctool/command_line.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/snapshot_io.h"
#include "tools/osctool/trigger_report.h"

int RunTriggerCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("trigger"), QStringLiteral("FILE.osc"),
                        QStringLiteral("Prints {\"schemaVersion\": 1, \"triggerFound\": 0|1, \"triggerOffset\": N}:\n"
                                       "the trigger the acquisition would find in the snapshot's sum (a downward crossing of\n"
                                       "-60 between samples 300 and 1000; the offset counts from 300)."),
                        arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(ExitStatus::Usage, QStringLiteral("trigger takes exactly one snapshot file"));
  auto document = std::make_unique<CSylvarineDoc>();
  QString error;
  if (!ReadSnapshot(files.first(), *document, error)) return FailWith(ExitStatus::InputOutput, error);
  PrintTriggerReport(document->Block().sumSamples);
  return 0;
}
