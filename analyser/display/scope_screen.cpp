#include "analyser/display/scope_screen.h"

namespace {

constexpr Rect kScopeFrame = {15, 15, 527, 424};
constexpr Rect kTraceArea = {20, 20, 520, 420};

// Dotted verticals and centre ticks: every 45 units, none on the centre line.
constexpr int32_t kGridColumns[] = {45, 90, 135, 180, 225, 315, 360, 405, 450, 495};
// Dotted horizontals and centre ticks: every 50 units, none on the centre line.
constexpr int32_t kGridRows[] = {70, 120, 170, 270, 320, 370};

void Line(DrawingSurface& surface, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  surface.MoveTo(x0, y0);
  surface.LineTo(x1, y1);
}

void DrawGrid(const ViewState& state, DrawingSurface& surface) {
  const bool visible = state.gridVisible == 1;
  surface.SelectPen(state.axisPen);
  if (visible) {
    Line(surface, 20, 220, 520, 220);
    Line(surface, 270, 20, 270, 420);
  }
  surface.SelectPen(state.gridDotPen);
  if (visible) {
    for (int32_t x : kGridColumns) Line(surface, x, 20, x, 420);
    for (int32_t y : kGridRows) Line(surface, 20, y, 520, y);
  }
  surface.SelectPen(state.axisPen);
  if (visible) {
    for (int32_t x : kGridColumns) Line(surface, x, 210, x, 230);
    for (int32_t y : kGridRows) Line(surface, 260, y, 280, y);
  }
}

// Always drawn, grid or not: 11 ticks on the top and bottom edges, 7 on the sides.
void DrawBorderTicks(DrawingSurface& surface) {
  for (int32_t x = 45; x <= 495; x += 45) Line(surface, x, 20, x, 30);
  for (int32_t x = 45; x <= 495; x += 45) Line(surface, x, 420, x, 410);
  for (int32_t y = 70; y <= 370; y += 50) Line(surface, 20, y, 30, y);
  for (int32_t y = 70; y <= 370; y += 50) Line(surface, 520, y, 510, y);
}

}  // namespace

void FillScopeMargins(const ViewState& state, DrawingSurface& surface, Colour buttonFace,
                      const Rect& client) {
  const Colour background = state.scopeBackgroundColour;
  surface.FillSolidRect(0, 0, 800, 14, background);
  surface.FillSolidRect(0, 0, 14, 600, background);
  surface.FillSolidRect(528, 0, 36, 600, background);
  surface.FillSolidRect(0, 425, 800, 175, background);
  surface.FillSolidRect(776, 0, 24, 600, background);
  const int32_t clientWidth = client.right - client.left;
  const int32_t clientHeight = client.bottom - client.top;
  surface.FillSolidRect(0, 500, clientWidth, clientHeight, buttonFace);
  surface.FillSolidRect(800, 0, clientWidth, clientHeight, buttonFace);
}

void DrawScopeFrame(ViewState& state, DrawingSurface& surface) {
  state.scopeFrame = kScopeFrame;
  surface.DrawBumpEdge(state.scopeFrame);
}

void DrawTraceAreaAndGrid(const ViewState& state, DrawingSurface& surface) {
  surface.SelectPen(state.framePen);
  surface.DrawRectangle(kTraceArea);
  DrawGrid(state, surface);
  DrawBorderTicks(surface);
}
