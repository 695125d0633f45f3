// osctool from-wav RECORDING OUT.osc [--start FRAME]: 4000 frames of a recording, as the
// sound card would have delivered them, converted exactly as a raw capture is.
#include <QCommandLineParser>

#include "tools/osctool/capture_snapshot.h"
#include "tools/osctool/osctool_commands.h"
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
  if (!parser.parse(QStringList{QStringLiteral("osctool from-wav")} + arguments))
    return FailWith(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2)
    return FailWith(QStringLiteral("from-wav takes a recording and a snapshot file to write"));
  int64_t startFrame = 0;
  if (!ParseStartFrame(parser.value(startOption), startFrame))
    return FailWith(QStringLiteral("--start must be a frame number (0 or more), not \"%1\"")
                        .arg(parser.value(startOption)));

  uint8_t buffer[kCaptureBufferBytes];
  RecordingFacts facts;
  QString error;
  if (!ReadRecordingExcerpt(files[0], startFrame, buffer, facts, error)) return FailWith(error);
  const int status = SaveCaptureAsSnapshot(buffer, files[1]);
  if (status == 0 && facts.sampleRate != kCaptureRate)
    WarnWith(QStringLiteral("%1 is recorded at %2 Hz; the snapshot's time axis assumes %3 Hz")
                 .arg(files[0])
                 .arg(facts.sampleRate)
                 .arg(kCaptureRate));
  return status;
}
