// The commands as a script calls them, linked from osctool's library alone.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tools/osctool/osctool_commands.h"

namespace {

TEST(Commands, ExitStatusesTellAWrongCommandLineFromAFileThatCannotBeRead) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("missing.osc");
  EXPECT_EQ(RunMeasureCommand({missing, "--range", "5"}), StatusOf(ExitStatus::Usage));
  EXPECT_EQ(RunMeasureCommand({missing}), StatusOf(ExitStatus::InputOutput));
}

}  // namespace
