// osctool export FILE.osc OUT.wav|OUT.csv [--range FIRST:LAST] [--bits 8|16]
#include <QCommandLineParser>
#include <memory>

#include "tools/osctool/command_line.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/output_file.h"
#include "tools/osctool/snapshot_export.h"
#include "tools/osctool/snapshot_io.h"

namespace {

const QString kExportDescription = QStringLiteral(
    "Writes the snapshot's values for other tools; the extension of OUT chooses the format.\n"
    "  .wav  stereo, 44100 Hz, left first as a sound card delivers; by default the 4000\n"
    "        captured frames (0:3999). Each value becomes the byte it was captured from,\n"
    "        value + 127: 8-bit unsigned holds that byte, --bits 16 holds (byte - 128) * 256.\n"
    "        Values outside -127..128 are clipped to 0 or 255 and counted in a warning.\n"
    "        \"osctool from-wav\" of such a file gives back the captured values.\n"
    "  .csv  a header row index,time_ms,right,left,sum,difference, then one row per index,\n"
    "        the time (index / 44.1 ms) with three decimals; by default all 4011 values\n"
    "        (0:4010), exactly as stored.\n"
    "The file is written whole or not at all.");

}  // namespace

int RunExportCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption rangeOption(
      "range", "indices written, both included (default 0:3999 for WAV, 0:4010 for CSV)",
      "FIRST:LAST");
  const QCommandLineOption bitsOption("bits", "WAV sample size: 8 (default) or 16", "N", "8");
  parser.addOptions({rangeOption, bitsOption});
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  parser.addPositionalArgument("out", "file to write: .wav or .csv");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("export"),
                        QStringLiteral("FILE.osc OUT.wav|OUT.csv [--range FIRST:LAST] [--bits 8|16]"),
                        kExportDescription, arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2)
    return FailWith(ExitStatus::Usage, QStringLiteral("export takes a snapshot file and a file to write"));
  const QString out = files[1];
  const bool wav = out.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
  const bool csv = out.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
  if (!wav && !csv)
    return FailWith(ExitStatus::Usage, QStringLiteral("unknown format of %1: the name must end in .wav or .csv").arg(out));
  const QString bits = parser.value(bitsOption);
  if (bits != QLatin1String("8") && bits != QLatin1String("16"))
    return FailWith(ExitStatus::Usage, QStringLiteral("--bits must be 8 or 16, not \"%1\"").arg(bits));
  if (csv && parser.isSet(bitsOption))
    return FailWith(ExitStatus::Usage, QStringLiteral("--bits applies to WAV files only"));
  SampleRange range{0, wav ? kCapturedFrames - 1 : kSignificantSamples - 1};
  QString error;
  if (parser.isSet(rangeOption) && !ParseSampleRange(parser.value(rangeOption), range, error))
    return FailWith(ExitStatus::Usage, error);
  if (!OutputSparesInput(files[0], out, error)) return FailWith(ExitStatus::Usage, error);
  auto document = std::make_unique<CSylvarineDoc>();
  if (!ReadSnapshot(files[0], *document, error)) return FailWith(ExitStatus::InputOutput, error);

  if (csv) return WriteCsvExport(document->Block(), range, out, error) ? 0 : FailWith(ExitStatus::InputOutput, error);
  int clipped = 0;
  if (!WriteWavExport(document->Block(), range, bits.toInt(), out, clipped, error))
    return FailWith(ExitStatus::InputOutput, error);
  if (clipped > 0)
    WarnWith(QStringLiteral("%1 values outside the capture range -127..128 were clipped").arg(clipped));
  return 0;
}
