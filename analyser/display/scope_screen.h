#pragma once
// The oscilloscope screen round the traces: margins, frame, trace area and grid.
#include "analyser/display/drawing_surface.h"
#include "analyser/state/view_state.h"

// Margins round the trace area in the scope background, and the button face
// below logical y 500 and right of logical x 800 (screen only).
void FillScopeMargins(const ViewState& state, DrawingSurface& surface, Colour buttonFace,
                      const Rect& client);
// Bump edge round the trace area.
void DrawScopeFrame(ViewState& state, DrawingSurface& surface);
// Framed white trace area, grid (when visible) and the 36 border ticks.
void DrawTraceAreaAndGrid(const ViewState& state, DrawingSurface& surface);
