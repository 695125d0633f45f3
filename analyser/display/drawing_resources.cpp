#include "analyser/display/drawing_resources.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr char kFaceName[] = "Arial";
constexpr int32_t kThinWeight = 100;
constexpr int32_t kOemCharSet = 255;

FontSpec ArialFont(const ViewState& state, int32_t height, int32_t width) {
  FontSpec font;
  font.height = height;
  font.width = width;
  font.weight = kThinWeight;
  font.charSet = kOemCharSet;
  std::memcpy(font.faceName, state.fontFaceName, sizeof font.faceName);
  return font;
}

PenSpec SolidPen(int32_t width, Colour colour) { return PenSpec{PenStyle::Solid, width, colour}; }

}  // namespace

void CreateDrawingResources(ViewState& state) {
  std::fill(std::begin(state.fontFaceName), std::end(state.fontFaceName), '\0');
  std::memcpy(state.fontFaceName, kFaceName, sizeof kFaceName);

  // Replacing a value description releases the old one: nothing else holds it.
  state.labelFont = ArialFont(state, 12, 5);
  state.meterFont = ArialFont(state, 24, 10);
  state.framePen = SolidPen(4, 0);
  state.axisPen = SolidPen(2, 0);
  state.gridDotPen = PenSpec{PenStyle::Dot, 1, 0};
  state.topTracePen = SolidPen(state.traceThickness, state.topTraceColour);
  state.bottomTracePen = SolidPen(state.traceThickness, state.bottomTraceColour);
  state.sumTracePen = SolidPen(state.traceThickness, state.sumTraceColour);
  state.differenceTracePen = SolidPen(state.traceThickness, state.differenceTraceColour);
  state.lissajousTracePen = SolidPen(state.traceThickness, state.lissajousTraceColour);
  state.thinPen = SolidPen(1, 0);
}
