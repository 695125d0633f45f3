#pragma once
// A view driven in virtual time.
#include "analyser/state/command_ids.h"
#include "tests/support/view_test.h"

class CaptureFixture : public ViewTest {
 protected:
  CaptureServices Capture() { return {timers, invalidation, messages, sound}; }
  bool TimerArmed() const { return timers.IsArmed(TimerId::Acquisition); }
  uint32_t TimerPeriod() const { return timers.PeriodOf(TimerId::Acquisition).value_or(0); }

  // Moves the clock to `untilMs`, firing every acquisition tick due on the way.
  void AdvanceTo(int64_t untilMs) {
    for (;;) {
      auto it = timers.armed.find(TimerId::Acquisition);
      if (it == timers.armed.end() || it->second.dueAtMs > untilMs) break;
      timers.nowMs = it->second.dueAtMs;
      view->OnTimer(TimerId::Acquisition);
    }
    timers.nowMs = untilMs;
  }
  void AdvanceBy(int64_t ms) { AdvanceTo(timers.nowMs + ms); }
};

// A fixture whose device refuses to open.
class NoDeviceFixture : public CaptureFixture {
 protected:
  void SetUp() override {
    sound.openResult = 2;
    CaptureFixture::SetUp();
  }
};
