// osctool capture OUT.osc [--frames-after-start] [--count N --interval MS]: one block (or N)
// recorded from the sound card as the analyser records it, saved as snapshots.
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "analyser/capture/capture_engine.h"
#include "platform/linux/alsa_sound_input.h"
#include "platform/portable/threaded_sound_input.h"
#include "tools/osctool/capture_snapshot.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/live_capture.h"
#include "tools/osctool/osctool_commands.h"

namespace {

const QString kCaptureDescription = QStringLiteral(
    "Records one block from the sound card exactly as the analyser does (ALSA's \"default\"\n"
    "capture device, 8-bit unsigned stereo at 44100 Hz, 4000 frames): the device is\n"
    "armed (prepare, queue, start), the block collected 400 ms later and converted into a\n"
    "snapshot (value = byte - 127), written whole or not at all; the trigger found is then\n"
    "printed, as \"osctool from-raw\" does. A new stream may deliver nothing for a second or\n"
    "two: while a collect holds less than the whole block, the cycle is run again, for at\n"
    "most 5 seconds. A device that cannot be opened, fails, or stays silent that long ends\n"
    "the command with the analyser's message and exit status 2.\n"
    "--count N records N blocks into OUT-0001.osc, OUT-0002.osc ..., their arms MS apart\n"
    "(--interval, default 1000; a block that waited for sound pushes the next ones back),\n"
    "one report line each. --frames-after-start adds \"framesAfterStart\" to each report:\n"
    "the frames of the block the device reported as recorded after its arm (4000 when all\n"
    "of it is fresh).");

// The analyser's texts end in spaces meant for a message box.
QString AnalyserText(const char* text) { return QString::fromUtf8(text).trimmed(); }

QString NumberedPath(const QString& path, int number) {
  const QString suffix = QStringLiteral(".osc");
  const bool hasSuffix = path.endsWith(suffix, Qt::CaseInsensitive);
  const QString base = hasSuffix ? path.left(path.size() - suffix.size()) : path;
  return base + QStringLiteral("-%1").arg(number, 4, 10, QLatin1Char('0')) +
         (hasSuffix ? path.right(suffix.size()) : QString());
}

bool ParseCount(const QString& text, int minimum, int& value) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok && value >= minimum;
}

int RecordSnapshots(const QString& out, bool numbered, int count, int interval,
                    bool framesAfterStart) {
  auto analyser = std::make_unique<InertAnalyser>();
  ViewState& state = analyser->view.State();
  AlsaSoundInput sound("default");
  LiveCapture capture(state, sound, SteadyClock());
  if (!capture.Open()) return FailWith(AnalyserText(kAudioOpenFailureText));
  auto nextArm = std::chrono::steady_clock::now();
  for (int i = 1; i <= count; ++i) {
    std::this_thread::sleep_until(nextArm);
    nextArm = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval);
    if (capture.Record() != CaptureOutcome::Recorded)
      return FailWith(AnalyserText(kAudioUseFailureText));
    QJsonObject extra;
    if (framesAfterStart) extra["framesAfterStart"] = capture.FramesAfterStart();
    const int saved =
        SaveCaptureAsSnapshot(state.captureBuffer, numbered ? NumberedPath(out, i) : out, extra);
    if (saved != 0) return saved;
  }
  return 0;
}

}  // namespace

int RunCaptureCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption framesOption("frames-after-start",
                                        "report the frames recorded after the arm");
  const QCommandLineOption countOption("count", "blocks to record (numbered files)", "N", "1");
  const QCommandLineOption intervalOption("interval", "milliseconds between arms (default 1000)",
                                          "MS", "1000");
  parser.addOptions({framesOption, countOption, intervalOption});
  parser.addPositionalArgument("out", "snapshot file to write (.osc)");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("capture"),
                        QStringLiteral("OUT.osc [--frames-after-start] [--count N --interval MS]"),
                        kCaptureDescription, arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(QStringLiteral("capture takes one snapshot file to write"));
  int count = 1, interval = 0;
  if (!ParseCount(parser.value(countOption), 1, count))
    return FailWith(QStringLiteral("--count must be a positive integer, not \"%1\"")
                        .arg(parser.value(countOption)));
  if (!ParseCount(parser.value(intervalOption), 0, interval))
    return FailWith(QStringLiteral("--interval must be milliseconds (0 or more), not \"%1\"")
                        .arg(parser.value(intervalOption)));
  // Refused before the device is opened: a capture that cannot be saved is not made.
  const QFileInfo folder{QFileInfo(files[0]).absolutePath()};
  if (!folder.isDir() || !folder.isWritable())
    return FailWith(QStringLiteral("cannot write %1: the folder %2 %3")
                        .arg(files[0], QDir::toNativeSeparators(folder.filePath()),
                             folder.isDir() ? QStringLiteral("is not writable")
                                            : QStringLiteral("does not exist")));

  const int result = RecordSnapshots(files[0], parser.isSet(countOption), count, interval,
                                     parser.isSet(framesOption));
  // A sound library stuck in the device's thread must not hold up the end of the program,
  // nor have its exit handlers run under that thread's feet.
  if (ThreadedSoundInput::AbandonedThreads() > 0) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(result);
  }
  return result;
}
