#pragma once
// The pixels of a one-pixel-wide line as a Windows device context plots them:
// the start point is drawn, the end point is not (the next segment of a polyline
// starts there), and a line of zero length draws nothing. Where the ideal line
// passes exactly between two pixels, the octant of the line decides which one
// is taken.
#include <cstdint>

namespace thin_line {

// Octants numbered 1 to 8 clockwise from the positive x axis, y growing downwards.
constexpr int OctantOf(int64_t dx, int64_t dy) {
  if (dy > 0) {
    if (dx > 0) return dx > dy ? 1 : 2;
    return -dx > dy ? 4 : 3;
  }
  if (dx < 0) return -dx > -dy ? 5 : 6;
  return dx > -dy ? 8 : 7;
}

// Ties step towards the minor axis in these octants only.
constexpr bool TiesStep(int octant) {
  return octant == 3 || octant == 5 || octant == 6 || octant == 8;
}

// Calls plot(x, y) for every pixel from (x0, y0) up to, not including, (x1, y1).
template <typename Plotter>
void PlotPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Plotter&& plot) {
  const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
  if (dx == 0 && dy == 0) return;
  const int64_t bias = TiesStep(OctantOf(dx, dy)) ? 1 : 0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int32_t stepX = dx < 0 ? -1 : 1, stepY = dy < 0 ? -1 : 1;
  int32_t x = x0, y = y0;
  if (adx > ady) {
    int64_t error = 2 * ady - adx;
    for (int64_t n = 0; n < adx; ++n) {
      plot(x, y);
      if (error + bias > 0) {
        y += stepY;
        error += 2 * ady - 2 * adx;
      } else {
        error += 2 * ady;
      }
      x += stepX;
    }
  } else {
    int64_t error = 2 * adx - ady;
    for (int64_t n = 0; n < ady; ++n) {
      plot(x, y);
      if (error + bias > 0) {
        x += stepX;
        error += 2 * adx - 2 * ady;
      } else {
        error += 2 * adx;
      }
      y += stepY;
    }
  }
}

}  // namespace thin_line
