#pragma once
// The oscilloscope's scales: where they stand, as data that the drawing walks and tests
// compare, and their drawing.
#include <cstdint>

#include "analyser/display/drawing_surface.h"
#include "analyser/state/view_state.h"
#include "platform/geometry.h"

constexpr int32_t kZoneBarLeft = 520, kZoneBarWidth = 5;

struct PlacedLabel {
  Point at;  // top-left of the text
  const char* text;
};

struct ZoneSegment {
  Rect area;
  Colour colour;
};

// The zone bar beside the trace area, in drawing order (a later segment covers an
// earlier one), and the graduation labels. Empty for a state no scale exists for.
struct VerticalScaleLayout {
  int zoneCount = 0;
  ZoneSegment zones[5] = {};
  int labelCount = 0;
  PlacedLabel labels[9] = {};
};
VerticalScaleLayout VerticalScaleOf(const ViewState& state);

// Eleven labels under the divisions, then the unit; empty for an unknown time base.
struct TimeLabelLayout {
  int count = 0;
  PlacedLabel labels[12] = {};
};
TimeLabelLayout TimeLabelsOf(int32_t timeBase);

// Zone bar and labels of the vertical scale.
void DrawVerticalScale(const ViewState& state, DrawingSurface& surface);
// Eleven time labels and the unit label of the current time base.
void DrawTimeLabels(const ViewState& state, DrawingSurface& surface);
