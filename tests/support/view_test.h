#pragma once
// A test on one analyser view on the test doubles. SetUp runs the view's pre-creation
// step (profile, sound device) as the start-up does; a test that scripts the device
// before it overrides SetUp.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/view_on_doubles.h"

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override { view->PreCreateWindow(); }

  ViewState& State() { return view->State(); }

  std::unique_ptr<ViewOnDoubles> rig = std::make_unique<ViewOnDoubles>();
  CSylvarineDoc& document = rig->document;
  FakeTimers& timers = rig->timers;
  RecordingInvalidation& invalidation = rig->invalidation;
  ScriptedMessages& messages = rig->messages;
  FakeSoundInput& sound = rig->sound;
  MemoryProfile& profile = rig->profile;
  CSylvarineView* const view = &rig->view;
};
