#pragma once
// The drawing surface on a QPainter: a widget, a QImage or a printer / PDF writer.
// Integer pixels, no antialiasing; pen width 0 is one device pixel wide.
#include <QColor>
#include <QFont>
#include <QLine>
#include <QList>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QStaticText>

#include "analyser/display/drawing_surface.h"

class QPainterSurface : public DrawingSurface {
 public:
  // `client` is the view's client rectangle in device pixels.
  QPainterSurface(QPainter& painter, const QRect& client);
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

  // The font a FontSpec stands for: "Arial" (Liberation Sans) whose cell is `height`
  // pixels high and whose average character is `width` pixels wide.
  static QFont RealiseFont(const FontSpec& font);

 private:
  const QStaticText& LaidOut(const QString& text);

  QPainter& painter_;
  QRect client_;
  QPen pen_;
  QColor textColour_ = Qt::black;
  bool transparentText_ = false;
  FontSpec fontSpec_;
  bool fontSelected_ = false;
  QPoint position_;
  // Consecutive LineTo calls are drawn as one polyline: the same pixels, far fewer calls.
  QPolygon pendingLine_;
  QList<QLine> pendingSegments_;
};

QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);
