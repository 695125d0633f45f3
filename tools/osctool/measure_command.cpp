// osctool measure FILE.osc [--range FIRST:LAST]: a scope's automatic measurements, as JSON.
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <memory>

#include "tools/osctool/command_line.h"
#include "tools/osctool/measurements.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/report_schema.h"
#include "tools/osctool/sample_range.h"
#include "tools/osctool/snapshot_io.h"

namespace {

const QString kMeasureDescription = QStringLiteral(
    "Prints, as JSON, the figures of each channel (right, left, sum = left + right,\n"
    "difference = right - left) over the snapshot's indices FIRST..LAST, both included\n"
    "(default 0:3999, the 4000 captured frames), and of the pair right and left.\n"
    "The report's \"schemaVersion\" is 1. Each figure is {\"value\": ..., \"unit\": ...};\n"
    "\"sample\" is the snapshot's own unit, of values (a captured byte less 127: silence\n"
    "is +1) and of time (1/44100 s). With v[k] the n values of the range:\n"
    "  minimum, maximum   the smallest and largest v[k]\n"
    "  peakToPeak         maximum - minimum\n"
    "  mean               DC: sum of v[k] / n\n"
    "  rmsTotal           sqrt(sum of v[k]^2 / n)\n"
    "  rmsAc              sqrt(sum of (v[k] - mean)^2 / n)\n"
    "  level              dB: 20 log10(P / R), P the largest distance of a v[k] from the\n"
    "                     capture's zero (\"zero\": +1 for right and left, +2 for the sum,\n"
    "                     0 for the difference), R the analyser's 0 dB (\"reference\": a\n"
    "                     peak of 100, 200 for the sum); null for silence. P is read to one\n"
    "                     step of the capture: a sine of 1.28 steps reads 1 or 2\n"
    "  levelDbfs          dBFS: 20 log10(P / F), F the capture's full scale (\"fullScale\":\n"
    "                     128, 256 for the sum and the difference)\n"
    "  periodLength       samples: the mean period over every crossing of the middle of\n"
    "                     the swing, rising ones and falling ones, (last - first) / (n - 1);\n"
    "                     each crossing placed between samples by a straight line through\n"
    "                     the samples near it, and counted only after the signal went 15 %\n"
    "                     of the swing beyond (2.5 steps on a small swing). A period 10 %\n"
    "                     (or 2 samples) away from the median, where the stream dropped\n"
    "                     out, is left out. Null with fewer than two crossings of one\n"
    "                     direction, with more than a tenth of the periods left out, or\n"
    "                     when periodSpread is above 5 % (noise, several tones)\n"
    "  periodSpread       %: the standard deviation of the periods (of runs of them 20\n"
    "                     samples long, for short ones) over their mean\n"
    "  frequency          Hz: 44100 / periodLength, or null. Measured on sines captured\n"
    "                     as a sound card cuts 16 bits to 8, from 20 Hz to 10 kHz and\n"
    "                     0.05 to 1 of full scale: within 0.025 % (0.05 % is tested);\n"
    "                     with a noise floor of 0.3 step, within 0.14 % from 100 Hz and\n"
    "                     1 % at 20 Hz at 0.05 of full scale, 0.08 % at full scale.\n"
    "                     Noise of any level gives null (its periodSpread is over 60 %)\n"
    "Pair:\n"
    "  levelDifference    dB: left level - right level, or null\n"
    "  phase              degrees of left against right, -180..180, positive when left\n"
    "                     leads: the phases of the two fundamentals, each a least-squares\n"
    "                     sine fitted at the pair's frequency over whole periods; null\n"
    "                     unless both channels have a frequency and these differ by less\n"
    "                     than 1 %. Measured from 50 Hz to 10 kHz, 0.05 to 1 of full\n"
    "                     scale, with a noise floor of 0.3 step: within 0.46 degrees (0.5\n"
    "                     is tested). A noise-free tone whose period is a ratio of small\n"
    "                     whole numbers (25 samples: 1764 Hz) repeats the 8-bit steps\n"
    "                     every few periods: there up to 2.7 degrees at 0.05 of full\n"
    "                     scale, 1.4 at 0.1, 0.6 at 0.2, within 0.5 from 0.3.");

QJsonObject Figure(double value, const char* unit) {
  return QJsonObject{{"value", value}, {"unit", QLatin1String(unit)}};
}

QJsonObject Figure(const std::optional<double>& value, const char* unit) {
  return QJsonObject{{"value", value ? QJsonValue(*value) : QJsonValue()},
                     {"unit", QLatin1String(unit)}};
}

std::optional<double> Percent(const std::optional<double>& fraction) {
  return fraction ? std::optional<double>(*fraction * 100) : std::nullopt;
}

QJsonObject ChannelReport(const ChannelFigures& f, const LevelScale& scale) {
  QJsonObject level = Figure(f.level, "dB");
  level["reference"] = scale.reference;
  level["zero"] = scale.zero;
  QJsonObject levelDbfs = Figure(f.levelDbfs, "dBFS");
  levelDbfs["fullScale"] = scale.fullScale;
  return QJsonObject{{"minimum", Figure(static_cast<double>(f.minimum), "sample")},
                     {"maximum", Figure(static_cast<double>(f.maximum), "sample")},
                     {"peakToPeak", Figure(static_cast<double>(f.peakToPeak), "sample")},
                     {"mean", Figure(f.mean, "sample")},
                     {"rmsTotal", Figure(f.rmsTotal, "sample")},
                     {"rmsAc", Figure(f.rmsAc, "sample")},
                     {"level", level},
                     {"levelDbfs", levelDbfs},
                     {"periodLength", Figure(f.periodLength, "sample")},
                     {"periodSpread", Figure(Percent(f.periodSpread), "%")},
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
  if (!ReadSnapshot(files.first(), *document, error)) return FailWith(ExitStatus::InputOutput, error);

  const SampleBlock& block = document->Block();
  // Silence is a byte of 128 on each channel: +1 in a channel, +2 in the sum, 0 in the
  // difference. The analyser's 0 dB is a peak of 100 (200 in the sum, as its scale reads it).
  constexpr LevelScale kChannelScale{1, 100, 128}, kSumScale{2, 200, 256},
      kDifferenceScale{0, 100, 256};
  const auto measure = [&](const int32_t* values, const LevelScale& scale) {
    return MeasureChannel(values + range.first, range.Count(), scale);
  };
  const ChannelFigures right = measure(block.rightSamples, kChannelScale);
  const ChannelFigures left = measure(block.leftSamples, kChannelScale);
  const ChannelFigures sum = measure(block.sumSamples, kSumScale);
  const ChannelFigures difference = measure(block.differenceSamples, kDifferenceScale);
  const PairFigures pair = MeasurePair(block.rightSamples + range.first,
                                       block.leftSamples + range.first, range.Count(), right, left);

  const QJsonObject report{
      {"schemaVersion", kReportSchemaVersion},
      {"file", files.first()},
      {"range", QJsonObject{{"first", range.first}, {"last", range.last}, {"count", range.Count()}}},
      {"sampleRate", Figure(44100.0, "Hz")},
      {"channels", QJsonObject{{"right", ChannelReport(right, kChannelScale)},
                               {"left", ChannelReport(left, kChannelScale)},
                               {"sum", ChannelReport(sum, kSumScale)},
                               {"difference", ChannelReport(difference, kDifferenceScale)}}},
      {"pair", QJsonObject{{"levelDifference", Figure(pair.levelDifference, "dB")},
                           {"phase", Figure(pair.phase, "deg")}}}};
  std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
  return 0;
}
