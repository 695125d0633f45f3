// The spectrograph: both channels' spectra on a logarithmic frequency axis,
// anchored to the middle and the bottom of the client area.
#include "analyser/display/spectrograph_screen.h"

#include "analyser/display/drawing_surface.h"
#include "analyser/display/paint.h"

namespace {

constexpr int32_t kSmallLayoutMaxHeight = 600;
constexpr int32_t kFirstBin = 1, kLastBin = 67;
constexpr int32_t kBinWidth = 10;
constexpr int32_t kSpectrumCeiling = 260;

struct FrequencyMark {
  int32_t offset;
  const char* label;
};
constexpr FrequencyMark kFrequencyMarks[] = {
    {10, "10"},   {72, "20"},   {150, "50"},  {210, "100"}, {272, "200"}, {350, "500"},
    {410, "1k"},  {472, "2k"},  {550, "5k"},  {610, "10k"}, {672, "20k"},
};
constexpr int32_t kUnitOffset = 692;
constexpr const char* kUnitLabel = "Hz.";
constexpr int32_t kMinorOffsets[] = {105, 130, 166, 179, 191, 201, 305, 330, 366,
                                     379, 391, 401, 505, 530, 566, 579, 591, 601};
constexpr const char* kDecibelLabels[6] = {" 0 db", "-1 db", "-3 db", "-6 db", "-10db", "-20db"};
constexpr int32_t kSmallDecibelOffsets[6] = {222, 205, 165, 126, 90, 49};
constexpr int32_t kLargeDecibelOffsets[6] = {285, 257, 210, 158, 110, 55};
constexpr int32_t kPlotWidth = 680;

struct SpectrographLayout {
  bool large;
  int32_t spectrumLeft;     // L
  int32_t lineTopDrop;      // vertical lines reach this far above the reference y
  const int32_t* decibelOffsets;
};

SpectrographLayout LayoutFor(int32_t height) {
  if (height <= kSmallLayoutMaxHeight) return {false, 50, 230, kSmallDecibelOffsets};
  return {true, 100, 295, kLargeDecibelOffsets};
}

// The curve's arithmetic is 32-bit and wraps, like every integer of the analyser:
// a spectrum worked out from extreme snapshot values then lands where it lands everywhere.
constexpr int32_t Wrapped(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

// Three quarters: multiply first, then divide truncating toward zero.
int32_t CurveHeight(const SpectrographLayout& layout, int32_t value) {
  if (layout.large) return value;
  return Wrapped(int64_t{value} * 3) / 4;
}

// One vertical line of a plot, `reference` being H or H/2.
void DrawFrequencyLines(DrawingSurface& surface, int32_t left, int32_t reference,
                        int32_t lineTopDrop, int32_t offset) {
  surface.MoveTo(left + offset, reference - 25);
  surface.LineTo(left + offset, reference - lineTopDrop);
}

void DrawDecibelGrid(DrawingSurface& surface, const SpectrographLayout& layout,
                     int32_t reference) {
  const int32_t left = layout.spectrumLeft;
  surface.MoveTo(left, reference - 30);
  surface.LineTo(left + kPlotWidth, reference - 30);
  for (int line = 0; line < 6; ++line) {
    const int32_t y = reference - layout.decibelOffsets[line];
    surface.MoveTo(left, y);
    surface.LineTo(left + kPlotWidth, y);
    surface.TextOut(left - 30, y - 4, kDecibelLabels[line]);
    surface.TextOut(left + 685, y - 4, kDecibelLabels[line]);
  }
}

// The curve from the baseline through bins 1..67; values above the ceiling are
// clamped in place, so the stored spectrum shows what was drawn.
void DrawCurve(DrawingSurface& surface, const SpectrographLayout& layout, int32_t baseline,
               int32_t* displaySpectrum) {
  const int32_t left = layout.spectrumLeft;
  surface.MoveTo(left, baseline);
  for (int32_t bin = kFirstBin; bin <= kLastBin; ++bin) {
    if (displaySpectrum[bin] > kSpectrumCeiling) displaySpectrum[bin] = kSpectrumCeiling;
    const int32_t y = Wrapped(int64_t{baseline} - CurveHeight(layout, displaySpectrum[bin]));
    surface.LineTo(left + kBinWidth * bin, y);
  }
}

}  // namespace

void DrawSpectrograph(ViewState& state, DrawingSurface& surface) {
  const int32_t height =
      state.outputTarget == OutputTarget::Printer ? kPrintedSpectrographHeight : surface.ClientRect().bottom;
  const SpectrographLayout layout = LayoutFor(height);
  const int32_t left = layout.spectrumLeft;
  const int32_t middle = height / 2;

  surface.SelectPen(state.thinPen);
  surface.SelectFont(state.labelFont);
  surface.SetTransparentText();

  for (const FrequencyMark& mark : kFrequencyMarks) {
    DrawFrequencyLines(surface, left, height, layout.lineTopDrop, mark.offset);
    surface.TextOut(left + mark.offset - 5, height - 25, mark.label);
    DrawFrequencyLines(surface, left, middle, layout.lineTopDrop, mark.offset);
    surface.TextOut(left + mark.offset - 5, middle - 25, mark.label);
  }
  surface.TextOut(left + kUnitOffset, middle - 25, kUnitLabel);
  surface.TextOut(left + kUnitOffset, height - 25, kUnitLabel);

  surface.SelectPen(state.gridDotPen);
  for (int32_t offset : kMinorOffsets) {
    DrawFrequencyLines(surface, left, height, layout.lineTopDrop, offset);
    DrawFrequencyLines(surface, left, middle, layout.lineTopDrop, offset);
  }

  surface.SelectPen(state.thinPen);
  DrawDecibelGrid(surface, layout, middle);
  DrawDecibelGrid(surface, layout, height);

  surface.SelectPen(state.topTracePen);
  DrawCurve(surface, layout, middle - 30, state.spectrum.displaySpectrum[0]);
  surface.SelectPen(state.bottomTracePen);
  DrawCurve(surface, layout, height - 30, state.spectrum.displaySpectrum[1]);
}
