#pragma once
// The oscilloscope's traces: the sweeps of the current trace set, or the Lissajous figure.
#include <cstdint>

#include "analyser/display/drawing_surface.h"
#include "analyser/state/view_state.h"

// The traces of the current trace set.
void DrawTraces(ViewState& state, DrawingSurface& surface);
// y of a sample value around a zero line, clipped to the trace area; safe for any value.
int32_t TraceY(int32_t zeroLine, int32_t gain, int32_t value);
// x of a Lissajous point, clipped the same way.
int32_t LissajousX(int32_t gain, int32_t leftValue);
