// osctool from-wav RECORDING OUT.osc [--start FRAME]: 4000 frames of a recording, as the
// sound card would have delivered them, converted exactly as a raw capture is.
#include <QCommandLineParser>

#include "tools/osctool/capture_snapshot.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/output_file.h"
#include "tools/osctool/recording_reader.h"

namespace {

constexpr int kCaptureRate = 44100;

bool ParseStartFrame(const QString& text, int64_t& startFrame) {
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok);
  if (!ok || value < 0) return false;
  startFrame = value;
  return true;
}

}  // namespace

int RunFromWavCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("recording", "sound recording (WAV, FLAC, ...), 1 or 2 channels");
  parser.addPositionalArgument("snapshot", "snapshot file to write (.osc)");
  const QCommandLineOption startOption(QStringLiteral("start"),
                                       QStringLiteral("first frame taken (default 0)"),
                                       QStringLiteral("FRAME"), QStringLiteral("0"));
  parser.addOption(startOption);
  int status = 0;
  if (!ParseCommandLine(
          parser, QStringLiteral("from-wav"), QStringLiteral("RECORDING OUT.osc [--start FRAME]"),
          QStringLiteral(
              "Takes 4000 frames of a recording (any format libsndfile reads) from frame FRAME,\n"
              "turned into the bytes an 8-bit unsigned sound card would deliver: each sample\n"
              "read as 16 bits s becomes (s >> 8) + 128. A mono recording feeds both channels.\n"
              "The buffer is then converted as one acquisition into a snapshot, and the\n"
              "trigger found is printed, as \"osctool trigger\" does."),
          arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2)
    return FailWith(ExitStatus::Usage, QStringLiteral("from-wav takes a recording and a snapshot file to write"));
  int64_t startFrame = 0;
  if (!ParseStartFrame(parser.value(startOption), startFrame))
    return FailWith(ExitStatus::Usage, QStringLiteral("--start must be a frame number (0 or more), not \"%1\"")
                        .arg(parser.value(startOption)));

  uint8_t buffer[kCaptureBufferBytes];
  RecordingFacts facts;
  QString error;
  if (!OutputSparesInput(files[0], files[1], error)) return FailWith(ExitStatus::Usage, error);
  if (!ReadRecordingExcerpt(files[0], startFrame, buffer, facts, error)) return FailWith(ExitStatus::InputOutput, error);
  status = SaveCaptureAsSnapshot(buffer, files[1]);
  if (status == 0 && facts.sampleRate != kCaptureRate)
    WarnWith(QStringLiteral("%1 is recorded at %2 Hz; the snapshot's time axis assumes %3 Hz")
                 .arg(files[0])
                 .arg(facts.sampleRate)
                 .arg(kCaptureRate));
  return status;
}
