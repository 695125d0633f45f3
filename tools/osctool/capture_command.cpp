// osctool capture OUT.osc [--frames-after-start] [--count N --interval MS]: one block (or N)
// recorded from the sound card as the analyser records it, saved as snapshots.
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "analyser/capture/capture_engine.h"
#include "platform/linux/host_sound_input.h"
#include "platform/portable/recording_window.h"
#include "platform/portable/threaded_sound_input.h"
#include "tools/osctool/capture_snapshot.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/live_capture.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/output_file.h"

namespace {

const QString kCaptureDescription = QStringLiteral(
    "Records one block from the sound card exactly as the analyser does (the sound server's\n"
    "default source, or ALSA's \"default\" capture device where no server answers; 8-bit\n"
    "unsigned stereo at 44100 Hz, 4000 frames), through the\n"
    "analyser's own capture engine: the device is armed (prepare, queue, start), the block\n"
    "collected 400 ms later and converted into a snapshot (value = byte - 127), written\n"
    "whole or not at all; the trigger found is then printed, one line, as \"osctool\n"
    "from-raw\" does. A new stream may deliver nothing for a second or two: while a collect\n"
    "holds less than the whole block, the cycle is run again, for at most 5 seconds.\n"
    "No device: exit status 3. A device that fails, or delivers no whole block for 5\n"
    "seconds: exit status 4.\n"
    "--count N records N blocks into OUT-0001.osc, OUT-0002.osc ..., each armed MS after the\n"
    "arm that recorded the one before (--interval, default 1000, at least 450: a block is\n"
    "collected 400 ms after its arm, then saved; a block that waited for sound pushes the\n"
    "next ones back, and an arm that comes late says so on stderr). Each report line is\n"
    "written as soon as its block is saved, also into a pipe. --frames-after-start adds\n"
    "\"framesAfterStart\" to each report: the frames of the block the device reported as\n"
    "recorded after its arm (4000 when all of it is fresh).");

// Arms closer than this cannot be kept: a block is collected captureWait (400 ms) after its
// arm and must then be converted and saved.
constexpr int kShortestIntervalMs = 450;

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

// The analyser's view over the sound card, without a window: setting it up opens the device
// as the analyser's start-up does.
struct CapturingAnalyser {
  InertTimers timers;
  InertInvalidation invalidation;
  CountedMessages messages;
  HostSoundInput sound;
  DefaultsProfile profile;
  CSylvarineDoc document;
  CSylvarineView view{document, ViewServices{timers, invalidation, messages, sound, profile}};
};

int RecordSnapshots(const QString& out, bool numbered, int count, int interval,
                    bool framesAfterStart) {
  auto analyser = std::make_unique<CapturingAnalyser>();
  analyser->document.OnNewDocument();
  analyser->view.PreCreateWindow();
  ViewState& state = analyser->view.State();
  LiveCapture capture(state,
                      CaptureServices{analyser->timers, analyser->invalidation, analyser->messages,
                                      analyser->sound},
                      SteadyClock());
  int saved = 0;
  const CaptureOutcome outcome = capture.RecordSeries(
      count, std::chrono::milliseconds(interval), [&](int number, std::chrono::milliseconds lateBy) {
        if (lateBy.count() > 0)
          WarnWith(QStringLiteral("block %1 was armed %2 ms late: saving the one before took longer "
                                  "than the interval allows")
                       .arg(number)
                       .arg(lateBy.count()));
        QJsonObject extra;
        if (framesAfterStart) extra["framesAfterStart"] = capture.FramesAfterStart();
        saved = SaveCaptureAsSnapshot(state.captureBuffer, numbered ? NumberedPath(out, number) : out,
                                      extra);
        return saved == 0;
      });
  switch (outcome) {
    case CaptureOutcome::Recorded:
      break;
    case CaptureOutcome::NoDevice:
      return FailWith(ExitStatus::NoSoundDevice,
                      QStringLiteral("no sound device: neither the sound server nor ALSA's \"default\" "
                                     "capture device can be opened"));
    case CaptureOutcome::Silent:
      return FailWith(ExitStatus::SoundDeviceFailed,
                      QStringLiteral("the sound device delivered no whole block for %1 seconds")
                          .arg(RecordingWindow::kSilenceLimit.count()));
    case CaptureOutcome::DeviceFailed:
      return FailWith(ExitStatus::SoundDeviceFailed,
                      QStringLiteral("the sound device failed while recording: %1")
                          .arg(SystemReason(-state.lastDeviceResult)));
  }
  return saved;
}

}  // namespace

int RunCaptureCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption framesOption("frames-after-start",
                                        "report the frames recorded after the arm");
  const QCommandLineOption countOption("count", "blocks to record (numbered files)", "N", "1");
  const QCommandLineOption intervalOption(
      "interval", "milliseconds between arms (default 1000, at least 450)", "MS", "1000");
  parser.addOptions({framesOption, countOption, intervalOption});
  parser.addPositionalArgument("out", "snapshot file to write (.osc)");
  // Each report line reaches a pipe as soon as its block is saved.
  std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("capture"),
                        QStringLiteral("OUT.osc [--frames-after-start] [--count N --interval MS]"),
                        kCaptureDescription, arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(ExitStatus::Usage, QStringLiteral("capture takes one snapshot file to write"));
  int count = 1, interval = 0;
  if (!ParseCount(parser.value(countOption), 1, count))
    return FailWith(ExitStatus::Usage, QStringLiteral("--count must be a positive integer, not \"%1\"")
                        .arg(parser.value(countOption)));
  if (!ParseCount(parser.value(intervalOption), kShortestIntervalMs, interval))
    return FailWith(ExitStatus::Usage,
                    QStringLiteral("--interval must be at least %1 ms (a block is collected 400 ms "
                                   "after its arm, then saved), not \"%2\"")
                        .arg(kShortestIntervalMs)
                        .arg(parser.value(intervalOption)));
  // Refused before the device is opened: a capture that cannot be saved is not made.
  const QFileInfo folder{QFileInfo(files[0]).absolutePath()};
  if (!folder.isDir() || !folder.isWritable())
    return FailWith(ExitStatus::InputOutput, QStringLiteral("cannot write %1: the folder %2 %3")
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
