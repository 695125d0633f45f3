#pragma once
// A view wired to test doubles, driven in virtual time.
#include <gtest/gtest.h>

#include <memory>

#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"
#include "tests/support/view_doubles.h"

class CaptureFixture : public ::testing::Test {
 protected:
  void SetUp() override { CreateView(); }

  void CreateView() {
    view = std::make_unique<CSylvarineView>(
        *document, ViewServices{timers, invalidation, messages, sound, profile});
    view->PreCreateWindow();
  }

  ViewState& State() { return view->State(); }
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

  std::unique_ptr<CSylvarineDoc> document = std::make_unique<CSylvarineDoc>();
  FakeTimers timers;
  RecordingInvalidation invalidation;
  ScriptedMessages messages;
  FakeSoundInput sound;
  MemoryProfile profile;
  std::unique_ptr<CSylvarineView> view;
};

// A fixture whose device refuses to open.
class NoDeviceFixture : public CaptureFixture {
 protected:
  void SetUp() override {
    sound.openResult = 2;
    CreateView();
  }
};
