#include "analyser/display/level_meters.h"

#include "analyser/display/bar_graphs.h"
#include "analyser/display/drawing_surface.h"
#include "analyser/display/vu_meters.h"

namespace {

int32_t PeakOf(const int32_t* samples) {
  int32_t peak = samples[1];
  for (int index = 2; index <= kCapturedFrames; ++index) {
    if (samples[index] > peak) peak = samples[index];
  }
  return peak;
}

}  // namespace

void ComputeLevelPeaks(ViewState& state) {
  state.rightPeak = PeakOf(state.samples.rightSamples);
  state.leftPeak = PeakOf(state.samples.leftSamples);
}

void DrawLevelMeters(ViewState& state, DrawingSurface& surface) {
  ComputeLevelPeaks(state);
  if (state.displayFamily == DisplayFamily::VuMeters) {
    DrawVuMeters(state, surface);
  } else if (state.displayFamily == DisplayFamily::Bargraphs) {
    DrawBargraphs(state, surface);
  }
}
