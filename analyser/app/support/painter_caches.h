#pragma once
// What a QPainterSurface keeps between paints: measuring a font and laying out a label
// are slow, and the analyser draws two fonts and a few fixed labels again and again.
// The owner decides how long they live; fonts must go before the application that made them.
#include <QFont>
#include <QStaticText>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <map>
#include <tuple>

#include "analyser/state/drawing_resources.h"

class PainterCaches {
 public:
  const QFont& Font(const FontSpec& font);
  // `text` laid out in `font` for drawing under `transform`.
  const QStaticText& LaidOut(const QString& text, const QFont& font, const QTransform& transform);

 private:
  std::map<std::tuple<int32_t, int32_t, int32_t, QString>, QFont> fonts_;
  using TransformKey = std::tuple<qreal, qreal, qreal, qreal, qreal, qreal>;
  std::map<std::tuple<QString, TransformKey, QString>, QStaticText> texts_;
};
