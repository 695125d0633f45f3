#include "analyser/display/traces.h"

#include <cstdint>

namespace {

constexpr int32_t kTopClip = 22;
constexpr int32_t kBottomClip = 416;
constexpr int32_t kRightClip = 516;
constexpr int32_t kSweepStartX = 23;
constexpr int32_t kSweepStart = 300;
constexpr int32_t kLastIndex = kSignificantSamples - 1;  // 4010
constexpr int32_t kLissajousFirst = 300;
constexpr int32_t kLissajousLast = 1000;

// 64-bit arithmetic: a snapshot's outlandish values are clamped to the edge of the trace
// area, as trace positions are, instead of wrapping round to some other place; the result
// for capture-range values is the 32-bit formula's.
int32_t Clip(int64_t value, int32_t low, int32_t high) {
  if (value < low) return low;
  if (value > high) return high;
  return static_cast<int32_t>(value);
}

int32_t ClampIndex(int64_t index) { return Clip(index, 0, kLastIndex); }

struct TimeTrace {
  const int32_t* samples;
  int32_t zeroLine;
  const PenSpec& pen;
};

void SweepOne(const ViewState& state, DrawingSurface& surface, const TimeTrace& trace) {
  // A zero or negative step would never reach the right edge.
  const int32_t pixelStep = state.pixelStep > 0 ? state.pixelStep : 1;
  const int64_t stride = state.sampleStride;
  int32_t i = ClampIndex(int64_t{state.triggerOffset} + kSweepStart);
  Point point;
  point.x = kSweepStartX;
  surface.SelectPen(trace.pen);
  point.y = TraceY(trace.zeroLine, state.verticalGain, trace.samples[i]);
  surface.MoveTo(point.x, point.y);
  for (;;) {
    point.y = TraceY(trace.zeroLine, state.verticalGain, trace.samples[i]);
    surface.LineTo(point.x, point.y);
    if (point.x >= 515) break;
    i = ClampIndex(int64_t{i} + stride);
    point.x += pixelStep;
    if (point.x > 514) point.x = kRightClip;
  }
}

void DrawLissajous(const ViewState& state, DrawingSurface& surface) {
  const SampleBlock& s = state.samples;
  // Each left value against the right value of the same frame.
  const auto pointOf = [&](int32_t k) {
    return Point{LissajousX(state.verticalGain, s.leftSamples[k]),
                 TraceY(220, state.verticalGain, s.rightSamples[k])};
  };
  surface.SelectPen(state.lissajousTracePen);
  const Point first = pointOf(kLissajousFirst);
  surface.MoveTo(first.x, first.y);
  for (int32_t k = kLissajousFirst + 1; k <= kLissajousLast; ++k) {
    const Point point = pointOf(k);
    surface.LineTo(point.x, point.y);
  }
}

}  // namespace

int32_t TraceY(int32_t zeroLine, int32_t gain, int32_t value) {
  return Clip(int64_t{zeroLine} + int64_t{gain} * value, kTopClip, kBottomClip);
}

int32_t LissajousX(int32_t gain, int32_t leftValue) {
  return Clip(int64_t{gain} * leftValue + 270, kTopClip, kRightClip);
}

void DrawTraces(ViewState& state, DrawingSurface& surface) {
  const SampleBlock& s = state.samples;
  switch (state.traceSet) {
    case TraceSet::Channels:
      SweepOne(state, surface, {s.rightSamples, state.rightTraceCentre, state.topTracePen});
      SweepOne(state, surface, {s.leftSamples, state.leftTraceCentre, state.bottomTracePen});
      break;
    case TraceSet::Sum:
      SweepOne(state, surface, {s.sumSamples, state.sumTraceCentre, state.sumTracePen});
      break;
    case TraceSet::Difference:
      SweepOne(state, surface,
               {s.differenceSamples, state.differenceTraceCentre, state.differenceTracePen});
      break;
    case TraceSet::Lissajous:
      DrawLissajous(state, surface);
      break;
    default:
      break;
  }
}
