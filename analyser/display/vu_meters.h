#pragma once
// The two VU meters: strips, needles and labels.
#include <cstdint>

#include "analyser/display/drawable_coordinate.h"
#include "analyser/state/view_state.h"

class DrawingSurface;

void DrawVuMeters(ViewState& state, DrawingSurface& surface);

// Two units per sample unit: x of the needle tip on the strip's inner top edge.
constexpr int32_t NeedleTipX(int32_t peak, int32_t stripStart) {
  return ToDrawable(2 * int64_t{peak} + stripStart);
}
