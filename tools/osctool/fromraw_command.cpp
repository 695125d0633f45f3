// osctool from-raw CAPTURE.raw OUT.osc: one 8000-byte interleaved capture buffer,
// converted as a collect into a fresh (all-zero) block and saved as a snapshot.
#include <QCommandLineParser>
#include <QFile>
#include <cstring>

#include "tools/osctool/capture_snapshot.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/input_file.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/output_file.h"

namespace {

// Reads the whole raw capture; it must be exactly one buffer long.
bool ReadRawCapture(const QString& path, uint8_t (&buffer)[kCaptureBufferBytes], QString& error) {
  QFile file;
  if (!OpenInputFile(path, file, error)) return false;
  const QByteArray bytes = file.read(kCaptureBufferBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return false;
  }
  if (bytes.size() != kCaptureBufferBytes) {
    error = QStringLiteral("%1 is not a raw capture: it must be exactly %2 bytes (%3)")
                .arg(path)
                .arg(kCaptureBufferBytes)
                .arg(bytes.size() > kCaptureBufferBytes
                         ? QStringLiteral("it is longer")
                         : QStringLiteral("it holds %1").arg(bytes.size()));
    return false;
  }
  std::memcpy(buffer, bytes.constData(), kCaptureBufferBytes);
  return true;
}

}  // namespace

int RunFromRawCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("capture", "raw capture: 8000 bytes, left then right, unsigned");
  parser.addPositionalArgument("snapshot", "snapshot file to write (.osc)");
  int status = 0;
  if (!ParseCommandLine(parser, QStringLiteral("from-raw"), QStringLiteral("CAPTURE.raw OUT.osc"),
                        QStringLiteral("Converts one raw capture buffer (8000 bytes: 4000 frames of two 8-bit\n"
                                       "unsigned bytes, left then right) as one acquisition into a snapshot,\n"
                                       "and prints the trigger found, as \"osctool trigger\" does."),
                        arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2)
    return FailWith(ExitStatus::Usage, QStringLiteral("from-raw takes a raw capture and a snapshot file to write"));

  uint8_t buffer[kCaptureBufferBytes];
  QString error;
  if (!OutputSparesInput(files[0], files[1], error)) return FailWith(ExitStatus::Usage, error);
  if (!ReadRawCapture(files[0], buffer, error)) return FailWith(ExitStatus::InputOutput, error);
  return SaveCaptureAsSnapshot(buffer, files[1]);
}
