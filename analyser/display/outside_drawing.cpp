#include "analyser/display/outside_drawing.h"

#include "analyser/display/drawing_surface.h"

void FillOutsideDrawing(DrawingSurface& surface) {
  const Rect client = surface.ClientRect();
  const int32_t width = client.right - client.left;
  const int32_t height = client.bottom - client.top;
  const Colour face = surface.ButtonFaceColour();
  surface.FillSolidRect(0, 500, width, height, face);
  surface.FillSolidRect(800, 0, width, height, face);
}
