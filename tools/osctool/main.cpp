#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tools/osctool/osctool_commands.h"

namespace {

const char kUsage[] =
    "usage: osctool spectrum FILE.osc [--runs N] [--integration off|short|medium|long]\n"
    "                        [--compression off|common|independent] [--with-frequencies]\n"
    "       osctool from-raw CAPTURE.raw OUT.osc\n"
    "       osctool from-wav RECORDING OUT.osc [--start FRAME]\n"
    "       osctool trigger FILE.osc\n"
    "       osctool render FILE.osc --display MODE [options] --out FILE.png|FILE.pdf\n"
    "       osctool capture OUT.osc [--frames-after-start] [--count N --interval MS]\n"
    "       osctool measure FILE.osc [--range FIRST:LAST]\n"
    "       osctool export FILE.osc OUT.wav|OUT.csv [--range FIRST:LAST] [--bits 8|16]\n"
    "       osctool --version\n"
    "Each command explains itself with --help; see also osctool(1).\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 a wrong command line,\n"
    "3 no sound device, 4 the sound device failed or stayed silent.\n";

QtMessageHandler qtHandler = nullptr;

// Rendering opens no window and keeps no runtime file, so Qt's complaint that the session
// has no runtime directory (under cron or ssh) says nothing about the picture.
void QuietAboutRuntimeDirectory(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return;
  qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return StatusOf(ExitStatus::Usage);
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::puts("osctool " OSCTOOL_VERSION);
    return StatusOf(ExitStatus::Done);
  }
  const bool rendering = std::strcmp(argv[1], "render") == 0;
  // Rendering needs fonts, hence a GUI application; nothing here opens a window.
  if (rendering && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (rendering) qtHandler = qInstallMessageHandler(QuietAboutRuntimeDirectory);
  std::unique_ptr<QCoreApplication> app;
  if (rendering)
    app = std::make_unique<QGuiApplication>(argc, argv);
  else
    app = std::make_unique<QCoreApplication>(argc, argv);

  QStringList arguments = app->arguments();
  arguments.removeFirst();
  const QString command = arguments.takeFirst();
  if (command == "spectrum") return RunSpectrumCommand(arguments);
  if (command == "from-raw") return RunFromRawCommand(arguments);
  if (command == "from-wav") return RunFromWavCommand(arguments);
  if (command == "trigger") return RunTriggerCommand(arguments);
  if (command == "render") return RunRenderCommand(arguments);
  if (command == "capture") return RunCaptureCommand(arguments);
  if (command == "measure") return RunMeasureCommand(arguments);
  if (command == "export") return RunExportCommand(arguments);
  if (command == "--help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return StatusOf(ExitStatus::Done);
  }
  return FailWith(ExitStatus::Usage, QStringLiteral("unknown command \"%1\"").arg(command));
}
