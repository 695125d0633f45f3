#include "analyser/win32/support/gdi_surface.h"

#include "platform/windows/wide_text.h"

GdiSurface::GdiSurface(HDC dc, GdiObjects& objects, const RECT& client, DeviceScale scale)
    : dc_(dc), objects_(objects), client_(client), scale_(scale), savedState_(SaveDC(dc)) {
  if (scale_.unitsPerInch <= 0) scale_ = DeviceScale();
  // A fresh device context's defaults, whatever the one handed over had selected.
  SelectObject(dc_, GetStockObject(WHITE_BRUSH));
  SelectObject(dc_, GetStockObject(BLACK_PEN));
  SetBkMode(dc_, OPAQUE);
  SetBkColor(dc_, RGB(255, 255, 255));
  SetTextColor(dc_, RGB(0, 0, 0));
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiSurface::~GdiSurface() {
  // Nothing of the cache stays selected: the cache may delete it later.
  RestoreDC(dc_, savedState_);
}

void GdiSurface::SetMapping(int32_t windowWidth, int32_t windowHeight, int32_t viewportWidth,
                            int32_t viewportHeight) {
  SetMapMode(dc_, MM_ANISOTROPIC);
  SetWindowExtEx(dc_, windowWidth, windowHeight, nullptr);
  SetViewportExtEx(dc_, MulDiv(viewportWidth, scale_.dotsPerInchX, scale_.unitsPerInch),
                   MulDiv(viewportHeight, scale_.dotsPerInchY, scale_.unitsPerInch), nullptr);
  SetWindowOrgEx(dc_, 0, 0, nullptr);
}

void GdiSurface::SelectFont(const FontSpec& font) { SelectObject(dc_, objects_.Font(font)); }

void GdiSurface::SelectPen(const PenSpec& pen) { SelectObject(dc_, objects_.Pen(pen)); }

void GdiSurface::SetTextColour(Colour colour) { SetTextColor(dc_, colour); }

void GdiSurface::SetTransparentText() { SetBkMode(dc_, TRANSPARENT); }

void GdiSurface::FillSolidRect(int32_t x, int32_t y, int32_t width, int32_t height,
                               Colour colour) {
  // The framework's solid fill: an opaque empty text over the rectangle, which leaves the
  // colour as the context's background colour.
  SetBkColor(dc_, colour);
  const RECT area{x, y, x + width, y + height};
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void GdiSurface::DrawRectangle(const Rect& rect) {
  Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiSurface::MoveTo(int32_t x, int32_t y) { MoveToEx(dc_, x, y, nullptr); }

void GdiSurface::LineTo(int32_t x, int32_t y) { ::LineTo(dc_, x, y); }

void GdiSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiSurface::DrawBumpEdge(const Rect& rect) {
  RECT edge{rect.left, rect.top, rect.right, rect.bottom};
  DrawEdge(dc_, &edge, EDGE_BUMP, BF_RECT);
}

Rect GdiSurface::ClientRect() const {
  return Rect{client_.left, client_.top, client_.right, client_.bottom};
}

Colour GdiSurface::ButtonFaceColour() const { return GetSysColor(COLOR_BTNFACE); }
