#pragma once
// The oscilloscope screen's own drawing steps, called by the paint in its order.
#include <cstdint>

#include "analyser/display/drawing_surface.h"
#include "analyser/state/view_state.h"

// Fonts and pens from the current colours and thickness, in their creation order.
void CreateDrawingResources(ViewState& state);

// Margins round the trace area in the scope background, and the button face
// below logical y 500 and right of logical x 800 (screen only).
void FillScopeMargins(const ViewState& state, DrawingSurface& surface, Colour buttonFace,
                      const Rect& client);
// Bump edge round the trace area.
void DrawScopeFrame(ViewState& state, DrawingSurface& surface);
// Framed white trace area, grid (when visible) and the 36 border ticks.
void DrawTraceAreaAndGrid(const ViewState& state, DrawingSurface& surface);

// The traces of the current trace set.
void DrawTraces(ViewState& state, DrawingSurface& surface);
// y of a sample value around a zero line, clipped to the trace area; safe for any value.
int32_t TraceY(int32_t zeroLine, int32_t gain, int32_t value);
// x of a Lissajous point, clipped the same way.
int32_t LissajousX(int32_t gain, int32_t leftValue);

// Zone bar and labels of the vertical scale.
void DrawVerticalScale(const ViewState& state, DrawingSurface& surface);
// Eleven time labels and the unit label of the current time base.
void DrawTimeLabels(const ViewState& state, DrawingSurface& surface);
