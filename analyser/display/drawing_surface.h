#pragma once
// The operations the display needs of a device context, and nothing more.
// Coordinates are logical units; the mapping turns them into device units.
#include <cstdint>
#include <string_view>

#include "analyser/state/drawing_resources.h"
#include "platform/geometry.h"

// <windows.h> names its TextOut function by a macro, which would rename the operation
// below in some files and not in others.
#ifdef TextOut
#undef TextOut
#endif

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Anisotropic mapping: logical (window) extent to device (viewport) extent, origins 0.
  virtual void SetMapping(int32_t windowWidth, int32_t windowHeight, int32_t viewportWidth,
                          int32_t viewportHeight) = 0;
  virtual void SelectFont(const FontSpec& font) = 0;
  virtual void SelectPen(const PenSpec& pen) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetTransparentText() = 0;
  // Solid fill of (x, y, width, height).
  virtual void FillSolidRect(int32_t x, int32_t y, int32_t width, int32_t height,
                             Colour colour) = 0;
  // Outline with the current pen, interior white.
  virtual void DrawRectangle(const Rect& rect) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  // Text (UTF-8) with its top-left corner at (x, y).
  virtual void TextOut(int32_t x, int32_t y, std::string_view text) = 0;
  // Raised-and-sunken two-pixel frame round `rect`.
  virtual void DrawBumpEdge(const Rect& rect) = 0;
  // Client rectangle of the window in device pixels.
  virtual Rect ClientRect() const = 0;
  virtual Colour ButtonFaceColour() const = 0;
};
