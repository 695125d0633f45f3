#pragma once
// A set-up view wired to test doubles, with pens that a test can tell apart.
#include <gtest/gtest.h>

#include <memory>

#include "analyser/view/sylvarine_view.h"
#include "tests/support/recording_surface.h"
#include "tests/support/view_doubles.h"

class DisplayViewFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    view = std::make_unique<CSylvarineView>(
        *document, ViewServices{timers, invalidation, messages, sound, profile});
    view->PreCreateWindow();
    ViewState& s = State();
    s.axisPen = {PenStyle::Solid, 2, 0};
    s.thinPen = {PenStyle::Solid, 1, 0};
    s.gridDotPen = {PenStyle::Dot, 1, 0};
    s.topTracePen = {PenStyle::Solid, 3, 0x0000FF};
    s.bottomTracePen = {PenStyle::Solid, 3, 0xFF0000};
    s.labelFont.height = 12;
    s.meterFont.height = 24;
  }

  ViewState& State() { return view->State(); }

  void FillChannels(int32_t right, int32_t left) {
    for (int i = 0; i < kSampleSlots; ++i) {
      State().samples.rightSamples[i] = right;
      State().samples.leftSamples[i] = left;
    }
  }

  std::unique_ptr<CSylvarineDoc> document = std::make_unique<CSylvarineDoc>();
  FakeTimers timers;
  RecordingInvalidation invalidation;
  ScriptedMessages messages;
  FakeSoundInput sound;
  MemoryProfile profile;
  std::unique_ptr<CSylvarineView> view;
};
