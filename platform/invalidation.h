#pragma once
// Asking a window to repaint part of itself.
#include "platform/geometry.h"

class IInvalidation {
 public:
  virtual ~IInvalidation() = default;
  // `area` in logical units of the screen mapping; nullptr means the whole view.
  virtual void Invalidate(const Rect* area, bool eraseBackground) = 0;
};
