#include "analyser/display/vu_meters.h"

#include "analyser/display/drawing_surface.h"
#include "analyser/display/outside_drawing.h"
#include "analyser/state/level_areas.h"

namespace {

constexpr Colour kBlack = 0x000000, kGreen = 0x00FF00, kYellow = 0x00FFFF, kRed = 0x0000FF;

// One meter: strip, needle and labels, `dx` to the right of the left meter.
void DrawMeter(DrawingSurface& surface, int32_t dx, int32_t peak) {
  surface.FillSolidRect(65 + dx, 138, 260, 24, kBlack);
  surface.FillSolidRect(67 + dx, 140, 136, 20, kGreen);
  surface.FillSolidRect(203 + dx, 140, 64, 20, kYellow);
  surface.FillSolidRect(267 + dx, 140, 56, 20, kRed);

  surface.MoveTo(195 + dx, 298);
  surface.LineTo(NeedleTipX(peak, 67 + dx), 140);

  surface.TextOut(313 + dx, 110, "+3");
  surface.TextOut(262 + dx, 110, "0");
  surface.TextOut(210 + dx, 110, "-3");
  surface.TextOut(158 + dx, 110, "-6");
  surface.TextOut(77 + dx, 110, "-20");
  surface.TextOut(185 + dx, 172, "db");
}

}  // namespace

void DrawVuMeters(ViewState& state, DrawingSurface& surface) {
  state.leftMeterArea = kLeftMeterArea;
  state.rightMeterArea = kRightMeterArea;

  surface.SelectPen(state.axisPen);
  const Colour background = state.vuBackgroundColour;
  surface.FillSolidRect(0, 0, 800, 99, background);
  surface.FillSolidRect(0, 0, 19, 600, background);
  surface.FillSolidRect(0, 301, 800, 299, background);
  surface.FillSolidRect(371, 0, 48, 600, background);
  surface.FillSolidRect(771, 0, 29, 600, background);
  FillOutsideDrawing(surface);

  surface.SetTransparentText();
  surface.DrawBumpEdge(state.leftMeterArea);
  surface.TextOut(150, 310, "GAUCHE");
  surface.DrawBumpEdge(state.rightMeterArea);
  surface.TextOut(550, 310, "DROITE");

  DrawMeter(surface, 0, state.leftPeak);
  DrawMeter(surface, 400, state.rightPeak);
}
