#pragma once
// The two bar graphs: lit columns masked down to the peaks, and their labels.
#include <cstdint>

#include "analyser/display/drawable_coordinate.h"
#include "analyser/state/view_state.h"

class DrawingSurface;

void DrawBargraphs(ViewState& state, DrawingSurface& surface);

// Height of the white mask over the unlit top of a bar: 256 - 2 * peak. A peak
// beyond full scale lights the whole column rather than giving a negative height.
constexpr int32_t BarMaskHeight(int32_t peak) {
  const int64_t height = 256 - 2 * int64_t{peak};
  return height < 0 ? 0 : ToDrawable(height);
}
