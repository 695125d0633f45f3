#include "analyser/display/bar_graphs.h"

#include "analyser/display/drawing_surface.h"
#include "analyser/display/outside_drawing.h"
#include "analyser/state/level_areas.h"

namespace {

constexpr Colour kGreen = 0x00FF00, kYellow = 0x00FFFF, kRed = 0x0000FF, kWhite = 0xFFFFFF;

// The lit column, red at the top, `dx` to the right of the left bar.
void DrawColumn(DrawingSurface& surface, int32_t dx) {
  surface.FillSolidRect(184 + dx, 242, 22, 154, kGreen);
  surface.FillSolidRect(184 + dx, 178, 22, 64, kYellow);
  surface.FillSolidRect(184 + dx, 122, 22, 56, kRed);
}

void DrawBarLabels(DrawingSurface& surface, int32_t x) {
  surface.TextOut(x, 102, "+3");
  surface.TextOut(x, 158, " 0");
  surface.TextOut(x, 257, "-6");
  surface.TextOut(x, 354, "-20");
}

}  // namespace

void DrawBargraphs(ViewState& state, DrawingSurface& surface) {
  state.leftBarArea = kLeftBarArea;
  state.rightBarArea = kRightBarArea;

  const Colour background = state.bargraphBackgroundColour;
  surface.FillSolidRect(0, 0, 800, 99, background);
  surface.FillSolidRect(0, 0, 179, 600, background);
  surface.FillSolidRect(0, 401, 800, 199, background);
  surface.FillSolidRect(211, 0, 368, 600, background);
  surface.FillSolidRect(611, 0, 189, 600, background);
  FillOutsideDrawing(surface);

  surface.SetTransparentText();
  surface.DrawBumpEdge(state.leftBarArea);
  surface.TextOut(150, 420, "GAUCHE");
  surface.DrawBumpEdge(state.rightBarArea);
  surface.TextOut(550, 420, "DROITE");

  DrawColumn(surface, 0);
  DrawBarLabels(surface, 216);
  DrawBarLabels(surface, 616);
  surface.TextOut(395, 100, "db");
  DrawColumn(surface, 400);

  surface.FillSolidRect(184, 122, 22, BarMaskHeight(state.leftPeak), kWhite);
  surface.FillSolidRect(584, 122, 22, BarMaskHeight(state.rightPeak), kWhite);
}
