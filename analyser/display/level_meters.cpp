#include "analyser/display/display_parts.h"
#include "analyser/display/drawing_surface.h"
#include "analyser/display/level_meter_parts.h"
#include "analyser/view/sylvarine_view.h"

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

void DrawLevelMeters(CSylvarineView& view, DrawingSurface& surface) {
  ViewState& state = view.State();
  ComputeLevelPeaks(state);
  if (state.displayFamily == DisplayFamily::VuMeters) {
    DrawVuMeters(view, surface);
  } else if (state.displayFamily == DisplayFamily::Bargraphs) {
    DrawBargraphs(view, surface);
  }
}

void FillOutsideDrawing(DrawingSurface& surface) {
  const Rect client = surface.ClientRect();
  const int32_t width = client.right - client.left;
  const int32_t height = client.bottom - client.top;
  const Colour face = surface.ButtonFaceColour();
  surface.FillSolidRect(0, 500, width, height, face);
  surface.FillSolidRect(800, 0, width, height, face);
}
