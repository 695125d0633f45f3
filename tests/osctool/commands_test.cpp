// The commands as a script calls them, linked from osctool's library alone: the exit status
// tells a wrong command line from a file that cannot be read.
#include <gtest/gtest.h>

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

}  // namespace
