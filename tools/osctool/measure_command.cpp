// osctool measure FILE.osc [--range FIRST:LAST]: a scope's automatic measurements, as JSON.
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <memory>

#include "analyser/app/support/snapshot_file.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/measurements.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/sample_range.h"

namespace {

const QString kMeasureDescription = QStringLiteral(
    "Prints, as JSON, the figures of each channel (right, left, sum = left + right,\n"
    "difference = right - left) over the snapshot's indices FIRST..LAST, both included\n"
    "(default 0:3999, the 4000 captured frames), and of the pair right and left.\n"
    "Each figure is {\"value\": ..., \"unit\": ...}; \"sample\" is the snapshot's own unit\n"
    "(a captured byte less 127: silence is +1). With v[k] the n values of the range:\n"
    "  minimum, maximum   the smallest and largest v[k]\n"
    "  peakToPeak         maximum - minimum\n"
    "  mean               DC: sum of v[k] / n\n"
    "  rmsTotal           sqrt(sum of v[k]^2 / n)\n"
    "  rmsAc              sqrt(sum of (v[k] - mean)^2 / n)\n"
    "  level              dB against the analyser's 0 dB: 20 log10(P / R), P the largest\n"
    "                     magnitude |v[k]|, R = 100 (a peak of 100, as the meters and scales\n"
    "                     read it) for right, left and difference, 200 for the sum (as the\n"
    "                     Sum display's scale); null when P is 0\n"
    "  periodLength       samples: the median of the measured periods, each the distance\n"
    "                     between two successive rising crossings of the mean level; a\n"
    "                     crossing is placed between its two samples by linear interpolation\n"
    "                     and counts only after the signal was below mean - h, with h a tenth\n"
    "                     of peakToPeak (at least 0.5); null with fewer than two crossings\n"
    "                     (silence, a constant)\n"
    "  frequency          Hz: 44100 / periodLength, or null; for a clean sine within\n"
    "                     0.1 % up to 3 kHz and 0.5 % near 10 kHz\n"
    "Pair:\n"
    "  levelDifference    dB: left level - right level, or null\n"
    "  phase              degrees of left against right, -180..180, positive when left\n"
    "                     leads: the median over right's crossings of the shift to the\n"
    "                     nearest crossing of left, as a fraction of the period; null\n"
    "                     unless both frequencies exist and differ by less than 1 %.");

QJsonObject Figure(double value, const char* unit) {
  return QJsonObject{{"value", value}, {"unit", QLatin1String(unit)}};
}

QJsonObject Figure(const std::optional<double>& value, const char* unit) {
  return QJsonObject{{"value", value ? QJsonValue(*value) : QJsonValue()},
                     {"unit", QLatin1String(unit)}};
}

QJsonObject ChannelReport(const ChannelFigures& f, double reference) {
  QJsonObject level = Figure(f.level, "dB");
  level["reference"] = reference;
  return QJsonObject{{"minimum", Figure(static_cast<double>(f.minimum), "sample")},
                     {"maximum", Figure(static_cast<double>(f.maximum), "sample")},
                     {"peakToPeak", Figure(static_cast<double>(f.peakToPeak), "sample")},
                     {"mean", Figure(f.mean, "sample")},
                     {"rmsTotal", Figure(f.rmsTotal, "sample")},
                     {"rmsAc", Figure(f.rmsAc, "sample")},
                     {"level", level},
                     {"periodLength", Figure(f.periodLength, "samples")},
                     {"frequency", Figure(f.frequency, "Hz")}};
}

}  // namespace

int RunMeasureCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption rangeOption("range", "indices measured, both included (default 0:3999)",
                                       "FIRST:LAST", "0:3999");
  parser.addOption(rangeOption);
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("measure"), QStringLiteral("FILE.osc [--range FIRST:LAST]"),
                        kMeasureDescription, arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(ExitStatus::Usage, QStringLiteral("measure takes exactly one snapshot file"));
  SampleRange range;
  QString error;
  if (!ParseSampleRange(parser.value(rangeOption), range, error)) return FailWith(ExitStatus::Usage, error);
  auto document = std::make_unique<CSylvarineDoc>();
  if (!ReadSnapshotFile(files.first(), *document, error)) return FailWith(ExitStatus::InputOutput, error);

  const SampleBlock& block = document->Block();
  constexpr double kChannelReference = 100, kSumReference = 200;
  const auto measure = [&](const int32_t* values, double reference) {
    return MeasureChannel(values + range.first, range.Count(), reference);
  };
  const ChannelFigures right = measure(block.rightSamples, kChannelReference);
  const ChannelFigures left = measure(block.leftSamples, kChannelReference);
  const ChannelFigures sum = measure(block.sumSamples, kSumReference);
  const ChannelFigures difference = measure(block.differenceSamples, kChannelReference);
  const PairFigures pair = MeasurePair(right, left);

  const QJsonObject report{
      {"file", files.first()},
      {"range", QJsonObject{{"first", range.first}, {"last", range.last}, {"count", range.Count()}}},
      {"sampleRate", Figure(44100.0, "Hz")},
      {"channels", QJsonObject{{"right", ChannelReport(right, kChannelReference)},
                               {"left", ChannelReport(left, kChannelReference)},
                               {"sum", ChannelReport(sum, kSumReference)},
                               {"difference", ChannelReport(difference, kChannelReference)}}},
      {"pair", QJsonObject{{"levelDifference", Figure(pair.levelDifference, "dB")},
                           {"phase", Figure(pair.phase, "deg")}}}};
  std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
  return 0;
}
