#include "analyser/app/support/qpainter_surface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QGuiApplication>
#include <QPalette>
#include <QStaticText>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "analyser/display/device_scaling.h"
#include "analyser/display/thin_line.h"
#include "shell_qt/conversions.h"

namespace {

using ShellQt::FromQColor;
using ShellQt::ToQColor;

QColor PaletteColour(QPalette::ColorRole role) { return QGuiApplication::palette().color(role); }

}  // namespace

QPainterSurface::QPainterSurface(QPainter& painter, PainterCaches& caches, const QRect& client,
                                 const QRect& exposed)
    : painter_(painter), caches_(caches), client_(client), exposed_(exposed) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setPen(QPen(Qt::black, 0));
  pendingPixels_.reserve(4096);
  pendingSegments_.reserve(1024);
}

QPainterSurface::~QPainterSurface() { Flush(); }

QPen QPainterSurface::WidePen() const {
  return QPen(penColour_, penDeviceWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void QPainterSurface::Flush() {
  if (pendingPixels_.isEmpty() && pendingGaps_.isEmpty() && pendingSegments_.isEmpty()) return;
  // Everything gathered is in device pixels already.
  painter_.setViewTransformEnabled(false);
  if (!pendingGaps_.isEmpty()) {
    painter_.setPen(QPen(backgroundColour_, 0));
    painter_.drawPoints(pendingGaps_);
  }
  if (!pendingPixels_.isEmpty()) {
    painter_.setPen(QPen(penColour_, 0));
    painter_.drawPoints(pendingPixels_);
  }
  if (!pendingSegments_.isEmpty()) {
    painter_.setPen(WidePen());
    painter_.drawLines(pendingSegments_);
  }
  painter_.setViewTransformEnabled(true);
  pendingPixels_.clear();
  pendingGaps_.clear();
  pendingSegments_.clear();
}

QPoint QPainterSurface::ToDevice(int32_t x, int32_t y) const {
  return QPoint(Scaled(x, viewportWidth_, windowWidth_), Scaled(y, viewportHeight_, windowHeight_));
}

int32_t QPainterSurface::DeviceWidth(int32_t logicalWidth) const {
  if (logicalWidth <= 0) return 1;
  return std::max(1, std::abs(Scaled(logicalWidth, viewportWidth_, windowWidth_)));
}

void QPainterSurface::SetMapping(int32_t windowWidth, int32_t windowHeight,
                                 int32_t viewportWidth, int32_t viewportHeight) {
  Flush();
  windowWidth_ = windowWidth;
  windowHeight_ = windowHeight;
  viewportWidth_ = viewportWidth;
  viewportHeight_ = viewportHeight;
  painter_.setWindow(0, 0, windowWidth, windowHeight);
  painter_.setViewport(0, 0, viewportWidth, viewportHeight);
  MeasurePen();
}

void QPainterSurface::MeasurePen() {
  // A width is in logical units, so a pen widens with the printer's mapping; width 0
  // stays one device pixel. Dotted pens stay one device pixel wide whatever the mapping.
  penDeviceWidth_ = DeviceWidth(penSpec_.width);
  thinPen_ = penSpec_.style == PenStyle::Dot || penDeviceWidth_ <= 1;
}

void QPainterSurface::SelectFont(const FontSpec& font) {
  Flush();
  if (fontSelected_ && font == fontSpec_) return;
  fontSpec_ = font;
  fontSelected_ = true;
  painter_.setFont(caches_.Font(font));
}

void QPainterSurface::SelectPen(const PenSpec& description) {
  Flush();
  penSpec_ = description;
  penColour_ = ToQColor(description.colour);
  MeasurePen();
}

void QPainterSurface::SetTextColour(Colour colour) { textColour_ = ToQColor(colour); }

void QPainterSurface::SetTransparentText() { transparentText_ = true; }

void QPainterSurface::FillSolidRect(int32_t x, int32_t y, int32_t width, int32_t height,
                                    Colour colour) {
  Flush();
  // Negative extents name the same corners from the other side.
  painter_.fillRect(QRect(x, y, width, height).normalized(), ToQColor(colour));
  backgroundColour_ = ToQColor(colour);  // a solid fill leaves its colour as the background
}

void QPainterSurface::PlotThin(QPoint from, QPoint to, int64_t& dotCounter) {
  const bool dotted = penSpec_.style == PenStyle::Dot;
  const QPaintDevice* device = painter_.device();
  thin_line::Bounds clip;
  if (device != nullptr) {
    QRect visible(0, 0, device->width(), device->height());
    if (exposed_.isValid()) visible &= exposed_;
    clip = {visible.left(), visible.top(), visible.right(), visible.bottom()};
  }
  // Three pixels on, three off, counted along the whole line, off the device too.
  const int64_t phase = dotCounter;
  thin_line::PlotPixels(from.x(), from.y(), to.x(), to.y(), clip,
                        [&](int32_t x, int32_t y, int64_t n) {
                          if (y < clip.top || y > clip.bottom || x < clip.left || x > clip.right)
                            return;
                          if (!dotted || (phase + n) % 6 < 3)
                            pendingPixels_.append(QPoint(x, y));
                          else if (!transparentText_)
                            pendingGaps_.append(QPoint(x, y));
                        });
  dotCounter += thin_line::PixelCount(from.x(), from.y(), to.x(), to.y());
}

void QPainterSurface::DrawRectangle(const Rect& rect) {
  Flush();
  // Corners in either order; the right and bottom edges are outside the figure, in
  // device units.
  const QPoint first = ToDevice(rect.left, rect.top), second = ToDevice(rect.right, rect.bottom);
  const QPoint topLeft(std::min(first.x(), second.x()), std::min(first.y(), second.y()));
  const QPoint bottomRight = QPoint(std::max(first.x(), second.x()), std::max(first.y(), second.y())) -
                             QPoint(1, 1);
  if (bottomRight.x() < topLeft.x() || bottomRight.y() < topLeft.y()) return;
  painter_.setViewTransformEnabled(false);
  painter_.fillRect(QRect(topLeft, bottomRight), Qt::white);
  painter_.setViewTransformEnabled(true);
  if (thinPen_) {
    const QPoint topRight(bottomRight.x(), topLeft.y()), bottomLeft(topLeft.x(), bottomRight.y());
    int64_t dotCounter = 0;
    PlotThin(topLeft, topRight, dotCounter);
    PlotThin(topRight, bottomRight, dotCounter);
    PlotThin(bottomRight, bottomLeft, dotCounter);
    PlotThin(bottomLeft, topLeft, dotCounter);
    if (topLeft == bottomRight) pendingPixels_.append(topLeft);  // a one-pixel figure
    Flush();
    return;
  }
  painter_.setViewTransformEnabled(false);
  painter_.setPen(WidePen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(),
                          bottomRight.y() - topLeft.y()));
  painter_.setViewTransformEnabled(true);
}

void QPainterSurface::MoveTo(int32_t x, int32_t y) { position_ = QPoint(x, y); }

void QPainterSurface::LineTo(int32_t x, int32_t y) {
  const QPoint from = ToDevice(position_.x(), position_.y());
  const QPoint to = ToDevice(x, y);
  position_ = QPoint(x, y);
  if (!thinPen_) {
    pendingSegments_.append(QLine(from, to));
    return;
  }
  int64_t dotCounter = 0;  // every line starts with a dot
  PlotThin(from, to, dotCounter);
  // Opaque gaps of a later line cover the dots of an earlier one: keep the order.
  if (!pendingGaps_.isEmpty()) Flush();
}

void QPainterSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
  Flush();
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!transparentText_) {
    const QFontMetrics metrics(painter_.font());
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                      backgroundColour_);
  }
  painter_.setPen(textColour_);
  // Lines set their pen again.
  painter_.drawStaticText(QPoint(x, y), caches_.LaidOut(string, painter_.font(), painter_.transform()));
}

void QPainterSurface::DrawBumpEdge(const Rect& rect) {
  Flush();
  // Raised outer ring, sunken inner ring, one unit each, in the 3-D light and dark
  // shadow shades of the button face (its highlight and plain shadow are not used).
  const QColor light = PaletteColour(QPalette::Midlight);
  const QColor dark = PaletteColour(QPalette::Shadow);
  const int32_t l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
  if (r - l < 3 || b - t < 3) return;
  auto ring = [this](int32_t left, int32_t top, int32_t right, int32_t bottom,
                     const QColor& topLeft, const QColor& bottomRight) {
    painter_.fillRect(QRect(left, top, right - left, 1), topLeft);
    painter_.fillRect(QRect(left, top, 1, bottom - top), topLeft);
    painter_.fillRect(QRect(left, bottom, right - left + 1, 1), bottomRight);
    painter_.fillRect(QRect(right, top, 1, bottom - top + 1), bottomRight);
  };
  ring(l, t, r, b, light, dark);
  ring(l + 1, t + 1, r - 1, b - 1, dark, light);
}

Rect QPainterSurface::ClientRect() const {
  return Rect{client_.left(), client_.top(), client_.left() + client_.width(),
              client_.top() + client_.height()};
}

Colour QPainterSurface::ButtonFaceColour() const {
  return FromQColor(PaletteColour(QPalette::Button));
}
