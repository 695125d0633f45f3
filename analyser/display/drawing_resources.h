#pragma once
// The display's fonts and pens, described from the current colours and thickness.
#include "analyser/state/view_state.h"

// Fonts and pens from the current colours and thickness, in their creation order.
void CreateDrawingResources(ViewState& state);
