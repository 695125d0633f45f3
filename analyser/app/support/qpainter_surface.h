#pragma once
// The drawing surface on a QPainter: a widget, a QImage or a printer / PDF writer.
// Integer pixels, no antialiasing. Pens behave as a device context's: a pen one device
// pixel wide (width 0, width 1 on the screen, dotted) plots its pixels itself and leaves
// out the end point of every line; a wider pen has round ends and joins.
#include <QColor>
#include <QFont>
#include <QLine>
#include <QList>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QStaticText>

#include "analyser/app/support/painter_caches.h"
#include "analyser/display/drawing_surface.h"

class QPainterSurface : public DrawingSurface {
 public:
  // `caches` outlives the surface and keeps fonts and labels from one paint to the next;
  // `client` is the view's client rectangle in device pixels; `exposed`, if given, the part
  // of the device this paint can change (the rest is clipped away): thin lines are not
  // walked outside it.
  QPainterSurface(QPainter& painter, PainterCaches& caches, const QRect& client,
                  const QRect& exposed = QRect());
  ~QPainterSurface() override;
  QPainterSurface(const QPainterSurface&) = delete;
  QPainterSurface& operator=(const QPainterSurface&) = delete;

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

  // Draws the lines still gathered; the destructor does it too.
  void Flush();

 private:
  // Logical to device units, rounded as the mapping of a device context rounds.
  QPoint ToDevice(int32_t x, int32_t y) const;
  int32_t DeviceWidth(int32_t logicalWidth) const;
  void MeasurePen();
  // Appends the pixels of a one-pixel line, dotted when the pen is.
  void PlotThin(QPoint from, QPoint to, int64_t& dotCounter);
  QPen WidePen() const;

  QPainter& painter_;
  PainterCaches& caches_;
  QRect client_;
  QRect exposed_;
  int32_t windowWidth_ = 1, windowHeight_ = 1, viewportWidth_ = 1, viewportHeight_ = 1;
  PenSpec penSpec_;
  QColor penColour_ = Qt::black;
  bool thinPen_ = true;  // one device pixel: plotted pixel by pixel
  int32_t penDeviceWidth_ = 1;
  QColor textColour_ = Qt::black;
  // A device context's background colour: white until a solid fill sets it.
  QColor backgroundColour_ = Qt::white;
  bool transparentText_ = false;
  FontSpec fontSpec_;
  bool fontSelected_ = false;
  QPoint position_;  // logical units
  // Gathered in device units and drawn together: the same pixels, far fewer calls.
  QPolygon pendingPixels_;
  QPolygon pendingGaps_;  // gaps of a dotted pen in the opaque background mode
  QList<QLine> pendingSegments_;
};
