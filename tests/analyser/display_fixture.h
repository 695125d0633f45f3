#pragma once
// A view set up as at start-up, with known colours, painting into a recording surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "analyser/view/sylvarine_view.h"
#include "tests/support/recording_surface.h"
#include "tests/support/view_doubles.h"

class DisplayTest : public ::testing::Test {
 protected:
  static constexpr Colour kGrey = 0xC0C0C0, kRed = 0x0000FF, kYellow = 0x00FFFF,
                          kBlue = 0xFF0000, kGreen = 0x00FF00, kPurple = 0x800080;

  DisplayTest() : view(document, {timers, invalidation, messages, sound, profile}) {
    view.PreCreateWindow();
    ViewState& s = view.State();
    s.scopeBackgroundColour = s.vuBackgroundColour = s.bargraphBackgroundColour = kGrey;
    s.topTraceColour = kRed;
    s.bottomTraceColour = kYellow;
    s.sumTraceColour = kBlue;
    s.differenceTraceColour = kGreen;
    s.lissajousTraceColour = kPurple;
    s.traceThickness = 2;
  }

  ViewState& State() { return view.State(); }
  SampleBlock& Block() { return document.Block(); }

  void FillChannels(int32_t right, int32_t left) {
    std::fill_n(Block().rightSamples, kSignificantSamples, right);
    std::fill_n(Block().leftSamples, kSignificantSamples, left);
    // Wrapped like any 32-bit value a snapshot may hold.
    std::fill_n(Block().sumSamples, kSignificantSamples,
                static_cast<int32_t>(int64_t{right} + left));
    std::fill_n(Block().differenceSamples, kSignificantSamples,
                static_cast<int32_t>(int64_t{right} - left));
  }

  // The oscilloscope mode with the fields its command sets.
  void ShowScopeMode(int32_t mode) {
    ViewState& s = State();
    s.displayFamily = DisplayFamily::Oscilloscope;
    s.scopeMode = mode;
    s.traceSet = mode <= ScopeMode::StereoOverlay ? TraceSet::Channels : mode;
    if (mode == ScopeMode::StereoOffset) s.rightTraceCentre = 120, s.leftTraceCentre = 320;
    if (mode == ScopeMode::StereoOverlay) s.rightTraceCentre = s.leftTraceCentre = 220;
  }

  void Paint() {
    surface.Clear();
    view.OnDraw(surface);
  }

  FakeTimers timers;
  RecordingInvalidation invalidation;
  ScriptedMessages messages;
  FakeSoundInput sound;
  MemoryProfile profile;
  CSylvarineDoc document;
  CSylvarineView view;
  RecordingSurface surface;
};
