#pragma once
// Everything the analyser's view knows at run time, in one record.
// Coded enumerations are stored as small integers and compared by value.
#include <cstdint>

#include "analyser/state/drawing_resources.h"
#include "analyser/document/sample_block.h"
#include "analyser/state/spectrum_arrays.h"
#include "platform/geometry.h"
#include "platform/sound_input.h"

namespace DisplayFamily {
constexpr int32_t Oscilloscope = 1, VuMeters = 2, Bargraphs = 3, Spectrograph = 4;
}
namespace ScopeMode {
constexpr int32_t StereoOffset = 1, StereoOverlay = 2, Sum = 3, Difference = 4, Lissajous = 5;
}
namespace TraceSet {
constexpr int32_t Channels = 1, Sum = 3, Difference = 4, Lissajous = 5;
}
namespace OutputTarget {
constexpr int32_t Screen = 1, Printer = 2;
}
namespace VerticalScale {
constexpr int32_t Decibel = 1, Linear = 2;
}
namespace ScaleSide {
constexpr int32_t Right = 1, Left = 2;
}
namespace RefreshRate {
constexpr int32_t Slow = 1000, Medium = 500, Fast = 100, Spectrograph = 25;
}
namespace CapturePhase {
constexpr int32_t Arm = 1, Collect = 2;
}
namespace SpectrumCompression {
constexpr uint8_t Off = 0, Common = 1, Independent = 2;
}
namespace IntegrationDepth {
constexpr uint8_t Short = 1, Medium = 3, Long = 5;
}

constexpr int kCaptureBufferBytes = 8000;

struct ViewState {
  uint8_t spectrumCompression = 0;
  int32_t integrationEnabled = 0;
  uint8_t integrationDepth = 0;
  int32_t gridVisible = 0;
  int32_t audioFault = 0;

  Colour scopeBackgroundColour = 0;     // couleur1
  Colour vuBackgroundColour = 0;        // couleur2
  Colour bargraphBackgroundColour = 0;  // couleur3
  Colour topTraceColour = 0;            // couleur4
  Colour bottomTraceColour = 0;         // couleur5
  Colour sumTraceColour = 0;            // couleur6
  Colour differenceTraceColour = 0;     // couleur7
  Colour lissajousTraceColour = 0;      // couleur8

  Rect leftBarArea;
  Rect rightBarArea;
  Rect rightMeterArea;
  Rect leftMeterArea;
  int32_t rightPeak = 0;
  int32_t leftPeak = 0;

  int32_t outputTarget = 0;
  int32_t verticalScale = 0;
  int32_t scaleSide = 0;
  int32_t verticalGain = 0;

  FontSpec labelFont;
  FontSpec meterFont;
  PenSpec differenceTracePen;
  PenSpec lissajousTracePen;
  PenSpec sumTracePen;
  PenSpec bottomTracePen;
  PenSpec topTracePen;
  PenSpec gridDotPen;
  PenSpec axisPen;
  PenSpec thinPen;
  PenSpec framePen;

  int32_t resourcesPending = 0;
  Rect syncIndicatorArea;
  int32_t triggerFound = 0;
  int32_t triggerOffset = 0;
  char fontFaceName[32] = {};
  Rect panelBox;
  Rect panelFrame;
  Rect scopeFrame;
  int32_t sampleStride = 0;
  Rect scopeArea;
  int32_t sampleRate = 0;
  int32_t traceThickness = 0;
  int32_t refreshPeriod = 0;
  int32_t captureWait = 0;
  int32_t deviceOpen = 0;
  int32_t displayFamily = 0;
  int32_t traceSet = 0;
  int32_t capturePhase = 0;
  int32_t acquisitionRunning = 0;
  int32_t scopeMode = 0;
  int32_t lastDeviceResult = 0;

  CaptureHeader captureHeader;
  WaveFormat captureFormat;  // the device itself lives behind ISoundInput

  uint8_t captureBuffer[kCaptureBufferBytes] = {};

  // Working copy of the document's block (right, left, sum, difference as named).
  SampleBlock samples;
  SpectrumWorkingArrays spectrumWork;
  SpectrumResultArrays spectrum;

  int32_t pixelStep = 0;
  int32_t rightTraceCentre = 0;
  int32_t leftTraceCentre = 0;
  int32_t sumTraceCentre = 0;
  int32_t differenceTraceCentre = 0;
  int32_t timeBase = 0;
};

// One row of the time-base table: the three fields always change together.
struct TimeBaseRow {
  int32_t timeBase;
  int32_t pixelStep;
  int32_t sampleStride;
};
constexpr TimeBaseRow kTimeBaseRows[8] = {
    {50, 1, 5},    {20, 1, 2},    {10, 1, 1},   {5000, 2, 1},
    {2000, 5, 1},  {1000, 10, 1}, {500, 20, 1}, {200, 50, 1},
};
void ApplyTimeBase(ViewState& state, const TimeBaseRow& row);

// Zero lines of the traces: right above left in the offset layout, both on one line
// in the overlay.
constexpr int32_t kOffsetCentreRight = 120, kOffsetCentreLeft = 320, kOverlayCentre = 220;

// The offset layout is on show: only then may the scale move to the other side.
constexpr bool OffsetLayoutShown(const ViewState& state) {
  return state.scopeMode == ScopeMode::StereoOffset && state.rightTraceCentre == kOffsetCentreRight;
}
