// osctool trigger FILE.osc: the trigger the acquisition would find in a snapshot's sum.
#include <QCommandLineParser>
#include <memory>

#include "analyser/app/support/snapshot_file.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/trigger_report.h"

int RunTriggerCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  if (!parser.parse(QStringList{QStringLiteral("osctool trigger")} + arguments))
    return FailWith(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(QStringLiteral("trigger takes exactly one snapshot file"));
  auto document = std::make_unique<CSylvarineDoc>();
  QString error;
  if (!ReadSnapshotFile(files.first(), *document, error)) return FailWith(error);
  PrintTriggerReport(document->Block().sumSamples);
  return 0;
}
