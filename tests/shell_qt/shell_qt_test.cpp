// The Qt library both shells share: conversions, the stderr lines, timers by identifier.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QObject>
#include <QTimerEvent>

#include "shell_qt/conversions.h"
#include "shell_qt/shell_log.h"
#include "shell_qt/timer_service.h"
#include "tests/support/gui_application.h"

namespace {

// Remembers the Qt identifier of every timer event it receives.
class TimerEventRecorder : public QObject {
 public:
  std::vector<int> firedQtIds;

 protected:
  void timerEvent(QTimerEvent* event) override { firedQtIds.push_back(event->timerId()); }
};

}  // namespace

TEST(ShellQtConversions, ColoursKeepRedInTheLowByte) {
  EXPECT_EQ(ShellQt::ToQColor(0x00332211u), QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(ShellQt::FromQColor(QColor(0x11, 0x22, 0x33)), 0x00332211u);
  // Qt's alpha never reaches the core's value.
  EXPECT_EQ(ShellQt::FromQColor(QColor(0xFF, 0, 0x80, 0x40)), 0x008000FFu);
}

TEST(ShellQtConversions, TextsAreUtf8WithTheirLength) {
  const std::string_view withNul("\xC3\xA9t\xC3\xA9\0x", 7);
  EXPECT_EQ(ShellQt::FromUtf8(withNul), QString::fromUtf8("été") + QChar(0) + QChar('x'));
}

TEST(ShellQtLog, OneLinePerTextWithItsKind) {
  testing::internal::CaptureStderr();
  ShellQt::LogLine("message", "Impossible de cr\xC3\xA9" "er\nla cause");
  ShellQt::LogLine("status", "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "message: Impossible de cr\xC3\xA9" "er la cause\nstatus: \n");
}

TEST(ShellQtTimers, TicksAreTracedBackToTheirIdentifier) {
  EnsureApplication();
  TimerEventRecorder owner;
  ShellQt::TimerService timers(owner, Qt::PreciseTimer);
  timers.SetTimer(1, 100000);
  timers.SetTimer(2, 0);
  const QDeadlineTimer deadline(10000);
  while (owner.firedQtIds.empty() && !deadline.hasExpired()) QCoreApplication::processEvents();
  ASSERT_FALSE(owner.firedQtIds.empty()) << "timer 2 never fired";
  uint32_t id = 0;
  ASSERT_TRUE(timers.Lookup(owner.firedQtIds.front(), id));
  EXPECT_EQ(id, 2u);
  timers.KillTimer(2);
  EXPECT_FALSE(timers.Lookup(owner.firedQtIds.front(), id));
  EXPECT_FALSE(timers.Lookup(-1, id));
}
