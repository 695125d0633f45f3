#pragma once
// The two level displays share the peaks; each draws its own screen.
#include <cstdint>

#include "analyser/display/drawable_coordinate.h"
#include "analyser/state/level_areas.h"
#include "analyser/state/view_state.h"

class DrawingSurface;

// Largest value among indices 1..4000 of the two channels, into rightPeak and leftPeak.
void ComputeLevelPeaks(ViewState& state);
void DrawVuMeters(ViewState& state, DrawingSurface& surface);
void DrawBargraphs(ViewState& state, DrawingSurface& surface);
// Button-face colour below logical y 500 and right of logical x 800.
void FillOutsideDrawing(DrawingSurface& surface);

// Two units per sample unit: x of the needle tip on the strip's inner top edge.
constexpr int32_t NeedleTipX(int32_t peak, int32_t stripStart) {
  return ToDrawable(2 * int64_t{peak} + stripStart);
}

// Height of the white mask over the unlit top of a bar: 256 - 2 * peak. A peak
// beyond full scale lights the whole column rather than giving a negative height.
constexpr int32_t BarMaskHeight(int32_t peak) {
  const int64_t height = 256 - 2 * int64_t{peak};
  return height < 0 ? 0 : ToDrawable(height);
}
