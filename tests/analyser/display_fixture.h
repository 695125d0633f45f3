#pragma once
// A view set up as at start-up, with colours a test tells apart and its fonts and pens
// made, drawing into a recording surface.
#include <algorithm>

#include "analyser/display/drawing_resources.h"
#include "analyser/display/scales.h"
#include "analyser/display/scope_screen.h"
#include "analyser/display/traces.h"
#include "tests/support/recording_surface.h"
#include "tests/support/view_test.h"

class DisplayTest : public ViewTest {
 protected:
  static constexpr Colour kGrey = 0xC0C0C0, kRed = 0x0000FF, kYellow = 0x00FFFF,
                          kBlue = 0xFF0000, kGreen = 0x00FF00, kPurple = 0x800080;

  void SetUp() override {
    ViewTest::SetUp();
    ViewState& s = State();
    s.scopeBackgroundColour = s.vuBackgroundColour = s.bargraphBackgroundColour = kGrey;
    s.topTraceColour = kRed;
    s.bottomTraceColour = kYellow;
    s.sumTraceColour = kBlue;
    s.differenceTraceColour = kGreen;
    s.lissajousTraceColour = kPurple;
    s.traceThickness = 2;
    CreateDrawingResources(s);  // for the parts drawn alone; a paint still makes them anew
  }

  SampleBlock& Block() { return document.Block(); }

  // The document's block, which every paint copies.
  void FillChannels(int32_t right, int32_t left) {
    std::fill_n(Block().rightSamples, kSignificantSamples, right);
    std::fill_n(Block().leftSamples, kSignificantSamples, left);
    // Wrapped like any 32-bit value a snapshot may hold.
    std::fill_n(Block().sumSamples, kSignificantSamples,
                static_cast<int32_t>(int64_t{right} + left));
    std::fill_n(Block().differenceSamples, kSignificantSamples,
                static_cast<int32_t>(int64_t{right} - left));
  }
  // The view's working copy, for the parts drawn alone.
  void FillWorkingChannels(int32_t right, int32_t left) {
    std::fill_n(State().samples.rightSamples, kSampleSlots, right);
    std::fill_n(State().samples.leftSamples, kSampleSlots, left);
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
    view->OnDraw(surface);
  }

  RecordingSurface surface;
};
