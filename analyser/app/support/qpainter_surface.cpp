#include "analyser/app/support/qpainter_surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QStaticText>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                static_cast<int>(BlueOf(colour)));
}

Colour FromQColor(const QColor& colour) {
  return MakeColour(static_cast<uint32_t>(colour.red()), static_cast<uint32_t>(colour.green()),
                    static_cast<uint32_t>(colour.blue()));
}

namespace {

QColor PaletteColour(QPalette::ColorRole role) { return QGuiApplication::palette().color(role); }

QString FaceOf(const FontSpec& description) {
  const auto length = std::find(std::begin(description.faceName), std::end(description.faceName), '\0') -
                      std::begin(description.faceName);
  return QString::fromLatin1(description.faceName, length);
}

QFont BaseFont(const QString& face) {
  QFont font(face);
  // "Arial" is served by its metric-compatible twin where it is not installed.
  font.setFamilies({face, QStringLiteral("Liberation Sans")});
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont Realise(const FontSpec& description) {
  QFont font = BaseFont(FaceOf(description));
  // A positive height is the character cell; a negative one the character itself.
  const int height = std::max(1, std::abs(description.height));
  int pixelSize = height;
  if (description.height > 0) {
    while (pixelSize > 1) {
      font.setPixelSize(pixelSize);
      if (QFontMetrics(font).height() <= height) break;
      --pixelSize;
    }
  }
  font.setPixelSize(pixelSize);
  if (description.width > 0) {
    const int average = std::max(1, QFontMetrics(font).averageCharWidth());
    font.setStretch(std::clamp((100 * description.width + average / 2) / average, 1, 4000));
  }
  // The face has no lighter weight than regular; a thin request falls back to it.
  font.setWeight(description.weight >= 600 ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace

QFont QPainterSurface::RealiseFont(const FontSpec& description) {
  // Measuring a font is slow; the analyser uses two, so keep what was measured.
  // Never destroyed: fonts must not outlive the application that made them.
  static auto& realised = *new std::map<std::tuple<int32_t, int32_t, int32_t, QString>, QFont>;
  const auto key = std::make_tuple(description.height, description.width, description.weight, FaceOf(description));
  auto found = realised.find(key);
  if (found == realised.end()) found = realised.emplace(key, Realise(description)).first;
  return found->second;
}

QPainterSurface::QPainterSurface(QPainter& painter, const QRect& client)
    : painter_(painter), client_(client) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  pen_ = QPen(Qt::black, 0);
  painter_.setPen(pen_);
  pendingLine_.reserve(1024);
  pendingSegments_.reserve(1024);
}

QPainterSurface::~QPainterSurface() { Flush(); }

void QPainterSurface::Flush() {
  if (pendingLine_.size() > 1) {
    painter_.setPen(pen_);
    if (pen_.isCosmetic()) {
      painter_.drawPolyline(pendingLine_);
    } else {
      // Separate square-capped segments: the raster engine fills them directly, where a
      // wide polyline goes through the general stroker at many times the cost.
      pendingSegments_.clear();
      for (qsizetype k = 1; k < pendingLine_.size(); ++k)
        pendingSegments_.append(QLine(pendingLine_[k - 1], pendingLine_[k]));
      painter_.drawLines(pendingSegments_);
    }
  }
  pendingLine_.clear();
}

void QPainterSurface::SetMapping(int32_t windowWidth, int32_t windowHeight,
                                 int32_t viewportWidth, int32_t viewportHeight) {
  Flush();
  painter_.setWindow(0, 0, windowWidth, windowHeight);
  painter_.setViewport(0, 0, viewportWidth, viewportHeight);
}

void QPainterSurface::SelectFont(const FontSpec& font) {
  Flush();
  if (fontSelected_ && font == fontSpec_) return;
  fontSpec_ = font;
  fontSelected_ = true;
  painter_.setFont(RealiseFont(font));
}

void QPainterSurface::SelectPen(const PenSpec& description) {
  Flush();
  if (description.style == PenStyle::Dot) {
    // Dotted pens stay one device pixel wide, whatever the mapping.
    pen_ = QPen(ToQColor(description.colour), 1, Qt::DotLine, Qt::FlatCap, Qt::RoundJoin);
    pen_.setCosmetic(true);
    return;
  }
  if (description.width <= 0) {
    pen_ = QPen(ToQColor(description.colour), 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen_.setCosmetic(true);
    return;
  }
  // Wider pens are in logical units, so they scale with the printer's mapping.
  pen_ = QPen(ToQColor(description.colour), description.width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void QPainterSurface::SetTextColour(Colour colour) { textColour_ = ToQColor(colour); }

void QPainterSurface::SetTransparentText() { transparentText_ = true; }

void QPainterSurface::FillSolidRect(int32_t x, int32_t y, int32_t width, int32_t height,
                                    Colour colour) {
  Flush();
  // Negative extents name the same corners from the other side.
  painter_.fillRect(QRect(x, y, width, height).normalized(), ToQColor(colour));
}

void QPainterSurface::DrawRectangle(const Rect& rect) {
  Flush();
  const QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
  painter_.fillRect(area, Qt::white);
  QPen outline = pen_;
  outline.setJoinStyle(Qt::MiterJoin);  // square corners, as a frame has
  painter_.setPen(outline);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(rect.left, rect.top, rect.right - rect.left - 1,
                          rect.bottom - rect.top - 1));
}

void QPainterSurface::MoveTo(int32_t x, int32_t y) {
  Flush();
  position_ = QPoint(x, y);
  pendingLine_.append(position_);
}

void QPainterSurface::LineTo(int32_t x, int32_t y) {
  if (pendingLine_.isEmpty()) pendingLine_.append(position_);
  position_ = QPoint(x, y);
  pendingLine_.append(position_);
}

void QPainterSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
  Flush();
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!transparentText_) {
    const QFontMetrics metrics(painter_.font());
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                      Qt::white);
  }
  painter_.setPen(textColour_);
  painter_.drawStaticText(QPoint(x, y), LaidOut(string));  // lines set their pen again
}

const QStaticText& QPainterSurface::LaidOut(const QString& text) {
  // The analyser's labels are a few fixed strings: lay each out once per font.
  static auto& laidOut = *new std::map<std::pair<QString, QString>, QStaticText>;  // as above
  const auto key = std::make_pair(painter_.font().key(), text);
  auto found = laidOut.find(key);
  if (found == laidOut.end()) {
    QStaticText staticText(text);
    staticText.setTextFormat(Qt::PlainText);
    staticText.prepare(painter_.transform(), painter_.font());
    found = laidOut.emplace(key, staticText).first;
  }
  return found->second;
}

void QPainterSurface::DrawBumpEdge(const Rect& rect) {
  Flush();
  // Raised outer ring, sunken inner ring, one unit each, in the button face's shades.
  const QColor light = PaletteColour(QPalette::Light);
  const QColor dark = PaletteColour(QPalette::Dark);
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
