// The commands as a script calls them, linked from osctool's library alone: the exit status
// tells a wrong command line from a file that cannot be read.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tools/osctool/osctool_commands.h"

namespace {

TEST(Commands, ExitStatusesTellUsageFromInputOutput) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("missing.osc");
  EXPECT_EQ(RunMeasureCommand({}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunMeasureCommand({missing, "--range", "5"}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunSpectrumCommand({missing, "--colour", "red"}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunCaptureCommand({folder.filePath("c.osc"), "--count", "0"}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunMeasureCommand({missing}), StatusOf(ExitStatus::InputOutput));
  EXPECT_EQ(RunFromRawCommand({missing, folder.filePath("out.osc")}), StatusOf(ExitStatus::InputOutput));
}

// A command whose output names its input, under the same name or another (a link), is
// refused and the input is left as it was.
TEST(Commands, AnOutputThatIsTheInputIsRefused) {
  QTemporaryDir folder;
  const QString raw = folder.filePath("capture.raw"), link = folder.filePath("link.osc");
  QFile file(raw);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(8000, '\x80'));
  file.close();
  ASSERT_TRUE(QFile::link(raw, link));
  EXPECT_EQ(RunFromRawCommand({raw, raw}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunFromRawCommand({raw, link}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunFromWavCommand({raw, link}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(QFileInfo(raw).size(), 8000);
  // Another file is written.
  EXPECT_EQ(RunFromRawCommand({raw, folder.filePath("out.osc")}), StatusOf(ExitStatus::Done));
  const QString snapshot = folder.filePath("out.osc"), table = folder.filePath("same.csv");
  ASSERT_TRUE(QFile::link(snapshot, table));
  EXPECT_EQ(RunExportCommand({snapshot, table}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(QFileInfo(snapshot).size(), 64176);
}

}  // namespace
