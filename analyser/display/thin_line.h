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

// The device rectangle pixels are kept in; a line is walked only where it crosses it, so a
// line with coordinates far off the device costs no more than one across it.
struct Bounds {
  int32_t left = INT32_MIN, top = INT32_MIN, right = INT32_MAX, bottom = INT32_MAX;  // inclusive
};

// Calls plot(x, y, n) for the pixels from (x0, y0) up to, not including, (x1, y1) whose major
// coordinate lies within `clip`; n is the pixel's index along the whole line (for dot patterns).
template <typename Plotter>
void PlotPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Bounds clip, Plotter&& plot) {
  const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
  if (dx == 0 && dy == 0) return;
  const int64_t bias = TiesStep(OctantOf(dx, dy)) ? 1 : 0;
  const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  // Walk along the major axis; A is its length, B the minor one's.
  const int64_t A = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const int64_t B = xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
  const int32_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int32_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const int64_t low = xMajor ? clip.left : clip.top, high = xMajor ? clip.right : clip.bottom;

  // The indices n in [0, A) whose major coordinate major0 + majorStep * n is in [low, high].
  int64_t first = majorStep > 0 ? low - major0 : major0 - high;
  int64_t last = majorStep > 0 ? high - major0 : major0 - low;
  first = first < 0 ? 0 : first;
  last = last > A - 1 ? A - 1 : last;
  if (first > last) return;

  // Minor steps taken before pixel n: ceil((2Bn - A + bias) / 2A), never below 0. 2Bn may pass
  // 64 bits for lines spanning the whole 32-bit range.
  __extension__ using Wide = __int128;
  const Wide numerator = Wide{2} * B * first - A + bias;
  int64_t steps = numerator <= 0 ? 0 : static_cast<int64_t>((numerator + 2 * A - 1) / (2 * A));
  int64_t error = static_cast<int64_t>(Wide{2} * B - A + Wide{2} * B * first - Wide{2} * A * steps);
  int64_t minor = minor0 + minorStep * steps;
  int64_t major = major0 + majorStep * first;
  for (int64_t n = first; n <= last; ++n) {
    if (xMajor)
      plot(static_cast<int32_t>(major), static_cast<int32_t>(minor), n);
    else
      plot(static_cast<int32_t>(minor), static_cast<int32_t>(major), n);
    if (error + bias > 0) {
      minor += minorStep;
      error += 2 * B - 2 * A;
    } else {
      error += 2 * B;
    }
    major += majorStep;
  }
}

// The number of pixels the whole line has, on the device or not.
constexpr int64_t PixelCount(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  return adx > ady ? adx : ady;
}

}  // namespace thin_line
