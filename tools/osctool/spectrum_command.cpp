// osctool spectrum FILE.osc [--runs N] [--integration ...] [--compression ...]
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "analyser/app/support/snapshot_file.h"
#include "analyser/spectrum/spectrum_commands.h"
#include "analyser/view/command_ids.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/osctool_commands.h"

namespace {

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
  parser.addOptions({runsOption, integrationOption, compressionOption});
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  if (!parser.parse(QStringList{QStringLiteral("osctool spectrum")} + arguments))
    return FailWith(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1)
    return FailWith(QStringLiteral("spectrum takes exactly one snapshot file"));

  bool isNumber = false;
  const int runs = parser.value(runsOption).toInt(&isNumber);
  if (!isNumber || runs < 1)
    return FailWith(QStringLiteral("--runs needs a positive integer, not \"%1\"")
                        .arg(parser.value(runsOption)));
  uint32_t integrationCommand = CommandId::IntegrationShort;
  if (parser.isSet(integrationOption) &&
      !FindCommand(kIntegrationNames, parser.value(integrationOption), integrationCommand))
    return FailWith(QStringLiteral("--integration must be off, short, medium or long, not \"%1\"")
                        .arg(parser.value(integrationOption)));
  uint32_t compressionCommand = CommandId::CompressionCommon;
  if (parser.isSet(compressionOption) &&
      !FindCommand(kCompressionNames, parser.value(compressionOption), compressionCommand))
    return FailWith(QStringLiteral("--compression must be off, common or independent, not \"%1\"")
                        .arg(parser.value(compressionOption)));

  auto analyser = std::make_unique<InertAnalyser>();
  QString error;
  if (!ReadSnapshotFile(files.first(), analyser->document, error)) return FailWith(error);
  ViewState& state = analyser->view.State();
  HandleSpectrumCommand(state, integrationCommand);
  HandleSpectrumCommand(state, compressionCommand);
  // The working arrays take 0..4010 of the file; 4011..4019 stay zero from creation.
  analyser->document.ProvideBlock(state.samples);
  for (int run = 0; run < runs; ++run) {
    analyser->view.AnalyseSpectrum(1);
    analyser->view.AnalyseSpectrum(2);
  }

  // Written by hand so that "integrated" comes first, as documented; QJsonObject sorts keys.
  const auto pair = [](const int32_t (&channels)[2][kSpectrumBins]) {
    return QJsonDocument(QJsonArray{ChannelArray(channels[0]), ChannelArray(channels[1])})
        .toJson(QJsonDocument::Compact);
  };
  QTextStream(stdout) << "{\"integrated\":" << pair(state.spectrum.integratedSpectrum)
                      << ",\"display\":" << pair(state.spectrum.displaySpectrum) << "}\n";
  return 0;
}
