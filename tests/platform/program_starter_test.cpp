#include "platform/linux/program_starter.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

namespace {
bool AppearsWithin(const QString& path, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!QFileInfo::exists(path)) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(20);
  }
  return true;
}
}  // namespace

TEST(ProgramStarter, ArgumentsReachTheProgramUntouchedByAnyShell) {
  QTemporaryDir sandbox;
  ProgramStarter starter;
  // A shell would expand or split this name; the program must get it whole.
  const std::string name = (sandbox.path() + "/a b; $(echo x) *").toStdString();
  std::string_view arguments[] = {name};
  ASSERT_TRUE(starter.StartProgram("touch", arguments, 1));
  EXPECT_TRUE(AppearsWithin(QString::fromStdString(name), 20000));
}

TEST(ProgramStarter, MissingProgramsAreNotStarted) {
  ProgramStarter starter;
  EXPECT_FALSE(starter.StartProgram("no-such-program-here", nullptr, 0));
  EXPECT_FALSE(starter.StartProgram("/no/such/program", nullptr, 0));
  EXPECT_FALSE(starter.StartProgram("", nullptr, 0));
  EXPECT_FALSE(starter.StartProgram("/etc/passwd", nullptr, 0));  // not executable
}
