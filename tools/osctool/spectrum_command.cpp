// osctool spectrum FILE.osc [--runs N] [--integration ...] [--compression ...]
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <memory>

#include "analyser/spectrum/spectrum_commands.h"
#include "analyser/state/command_ids.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/report_schema.h"
#include "tools/osctool/snapshot_io.h"
#include "tools/osctool/spectrum_bands.h"

namespace {

const QString kSpectrumDescription = QStringLiteral(
    "Prints the spectra the analyser's spectrograph shows for the snapshot, as JSON:\n"
    "{\"schemaVersion\": 1, \"integrated\": [right[100], left[100]],\n"
    "\"display\": [right[100], left[100]]},\n"
    "after N analyses of each channel (right first) from a fresh view, with the given\n"
    "integration (default short) and compression (default common).\n"
    "--with-frequencies adds \"bins\": for each bin 0..99 the period lengths it takes\n"
    "(periodShortest..periodLongest, samples, inclusive) and the frequencies of the sines\n"
    "it takes, frequencyLow < f <= frequencyHigh (Hz, to 0.01 Hz): the analysis measures\n"
    "a sine of P = 44100 / f samples as floor(P) long on its steep edges, so frequencyLow =\n"
    "44100 / (periodLongest + 1) and frequencyHigh = 44100 / periodShortest, and each band\n"
    "begins where the one of the bin before ends. Measured on full-scale sines: 120 from\n"
    "30 Hz to 11 kHz all peak in the bin whose band holds them. A quieter or lower tone\n"
    "is measured up to a sample longer on its slow edges, so near the top of a band it may\n"
    "peak one bin lower (at 0.05 of full scale: within 0.23 % of the edge at 100 Hz, 1.6 %\n"
    "at 1 kHz). Above 11 kHz (4 samples a period) the analysis no longer measures a sine's\n"
    "period: such tones land in bins all over the spectrum. A bin that takes no period\n"
    "length has nulls, and the bins filled with the mean of two others name them in\n"
    "\"filledFrom\".");

double Hundredths(double value) { return std::round(value * 100.0) / 100.0; }

QJsonArray BinBands() {
  QJsonArray bins;
  for (int bin = 0; bin < kSpectrumBins; ++bin) {
    QJsonObject entry{{"bin", bin}};
    const std::optional<BinPeriods> periods = PeriodsOfBin(bin);
    const std::optional<BinBand> band = BandOfBin(bin);
    entry["periodShortest"] = periods ? QJsonValue(periods->shortest) : QJsonValue();
    entry["periodLongest"] = periods ? QJsonValue(periods->longest) : QJsonValue();
    entry["frequencyLow"] = band ? QJsonValue(Hundredths(band->low)) : QJsonValue();
    entry["frequencyHigh"] = band ? QJsonValue(Hundredths(band->high)) : QJsonValue();
    if (const auto neighbours = NeighboursOfFilledBin(bin))
      entry["filledFrom"] = QJsonArray{(*neighbours)[0], (*neighbours)[1]};
    bins.append(entry);
  }
  return bins;
}

struct NamedCommand {
  const char* name;
  uint32_t commandId;
};
constexpr NamedCommand kIntegrationNames[] = {{"off", CommandId::IntegrationOff},
                                              {"short", CommandId::IntegrationShort},
                                              {"medium", CommandId::IntegrationMedium},
                                              {"long", CommandId::IntegrationLong}};
constexpr NamedCommand kCompressionNames[] = {{"off", CommandId::CompressionOff},
                                              {"common", CommandId::CompressionCommon},
                                              {"independent", CommandId::CompressionIndependent}};

template <std::size_t N>
bool FindCommand(const NamedCommand (&names)[N], const QString& name, uint32_t& commandId) {
  for (const NamedCommand& entry : names)
    if (name == QLatin1String(entry.name)) {
      commandId = entry.commandId;
      return true;
    }
  return false;
}

QJsonArray ChannelArray(const int32_t (&values)[kSpectrumBins]) {
  QJsonArray array;
  for (int32_t value : values) array.append(static_cast<qint64>(value));
  return array;
}

}  // namespace

int RunSpectrumCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption runsOption("runs", "analyses per channel", "N", "1");
  const QCommandLineOption integrationOption("integration", "off|short|medium|long", "mode");
  const QCommandLineOption compressionOption("compression", "off|common|independent", "mode");
  const QCommandLineOption frequenciesOption(
      "with-frequencies", "each bin's period lengths and frequency band in Hz");
  parser.addOptions({runsOption, integrationOption, compressionOption, frequenciesOption});
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("spectrum"), QStringLiteral("FILE.osc [options]"),
                        kSpectrumDescription, arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1)
    return FailWith(ExitStatus::Usage, QStringLiteral("spectrum takes exactly one snapshot file"));

  bool isNumber = false;
  const int runs = parser.value(runsOption).toInt(&isNumber);
  if (!isNumber || runs < 1)
    return FailWith(ExitStatus::Usage, QStringLiteral("--runs needs a positive integer, not \"%1\"")
                        .arg(parser.value(runsOption)));
  uint32_t integrationCommand = CommandId::IntegrationShort;
  if (parser.isSet(integrationOption) &&
      !FindCommand(kIntegrationNames, parser.value(integrationOption), integrationCommand))
    return FailWith(ExitStatus::Usage, QStringLiteral("--integration must be off, short, medium or long, not \"%1\"")
                        .arg(parser.value(integrationOption)));
  uint32_t compressionCommand = CommandId::CompressionCommon;
  if (parser.isSet(compressionOption) &&
      !FindCommand(kCompressionNames, parser.value(compressionOption), compressionCommand))
    return FailWith(ExitStatus::Usage, QStringLiteral("--compression must be off, common or independent, not \"%1\"")
                        .arg(parser.value(compressionOption)));

  auto analyser = std::make_unique<InertAnalyser>();
  QString error;
  if (!ReadSnapshot(files.first(), analyser->document, error)) return FailWith(ExitStatus::InputOutput, error);
  ViewState& state = analyser->view.State();
  HandleSpectrumCommand(state, integrationCommand);
  HandleSpectrumCommand(state, compressionCommand);
  // The working arrays take 0..4010 of the file; 4011..4019 stay zero from creation.
  analyser->document.ProvideBlock(state.samples);
  for (int run = 0; run < runs; ++run) {
    analyser->view.AnalyseSpectrum(1);
    analyser->view.AnalyseSpectrum(2);
  }

  // Written by hand so that the members come in this order, as the manual page shows; QJsonObject
  // sorts keys.
  const auto pair = [](const int32_t (&channels)[2][kSpectrumBins]) {
    return QJsonDocument(QJsonArray{ChannelArray(channels[0]), ChannelArray(channels[1])})
        .toJson(QJsonDocument::Compact);
  };
  QTextStream(stdout) << "{\"schemaVersion\":" << kReportSchemaVersion
                      << ",\"integrated\":" << pair(state.spectrum.integratedSpectrum)
                      << ",\"display\":" << pair(state.spectrum.displaySpectrum);
  if (parser.isSet(frequenciesOption))
    QTextStream(stdout) << ",\"bins\":" << QJsonDocument(BinBands()).toJson(QJsonDocument::Compact);
  QTextStream(stdout) << "}\n";
  return 0;
}
