#pragma once
// Where the main window opens: 800 x 572, top-left on small screens, centred otherwise.
#include "platform/geometry.h"

constexpr int32_t kFrameWidth = 800, kFrameHeight = 572;
constexpr int32_t kSmallScreenWidth = 850;

// The view's rows down to the start/stop prompt below the trace area: a tall window
// manager's title bar may take the frame's height, but never these.
constexpr int32_t kViewMinimumHeight = 476;

constexpr Rect MainFramePlacement(int32_t screenWidth, int32_t screenHeight) {
  if (screenWidth <= kSmallScreenWidth) return {0, 0, kFrameWidth, kFrameHeight};
  const int32_t x = (screenWidth - kFrameWidth) / 2;
  const int32_t y = (screenHeight - kFrameHeight) / 2;
  return {x, y, x + kFrameWidth, y + kFrameHeight};
}
