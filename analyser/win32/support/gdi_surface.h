#pragma once
// The drawing surface on a Win32 device context: the window's during a paint, a printer's
// for a page, a memory bitmap's for the print preview. Every operation is the GDI call
// of the same name; the mapping is the device context's own MM_ANISOTROPIC.
#include <windows.h>
// The surface has a TextOut of its own; the one of the system is called by its wide name.
#undef TextOut

#include "analyser/display/drawing_surface.h"
#include "analyser/win32/support/gdi_objects.h"

struct DeviceScale {
  int dotsPerInchX = 1, dotsPerInchY = 1, unitsPerInch = 1;
};

class GdiSurface : public DrawingSurface {
 public:
  // `client` is the view's client rectangle in device units. On paper a device unit of the
  // view's mapping is one dot of a printer of `unitsPerInch`: a device of other resolutions
  // stretches the mapping's viewport by dotsPerInch / unitsPerInch (1 / 1 on the screen).
  GdiSurface(HDC dc, GdiObjects& objects, const RECT& client, DeviceScale scale = DeviceScale());
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  void SetMapping(int32_t windowWidth, int32_t windowHeight, int32_t viewportWidth,
                  int32_t viewportHeight) override;
  void SelectFont(const FontSpec& font) override;
  void SelectPen(const PenSpec& pen) override;
  void SetTextColour(Colour colour) override;
  void SetTransparentText() override;
  void FillSolidRect(int32_t x, int32_t y, int32_t width, int32_t height,
                     Colour colour) override;
  void DrawRectangle(const Rect& rect) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void TextOut(int32_t x, int32_t y, std::string_view text) override;
  void DrawBumpEdge(const Rect& rect) override;
  Rect ClientRect() const override;
  Colour ButtonFaceColour() const override;

 private:
  HDC dc_;
  GdiObjects& objects_;
  RECT client_;
  DeviceScale scale_;
  int savedState_;
};
