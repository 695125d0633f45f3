#include "analyser/app/support/painter_caches.h"

#include "analyser/app/support/font_realisation.h"

const QFont& PainterCaches::Font(const FontSpec& font) {
  const auto key = std::make_tuple(font.height, font.width, font.weight, FontFaceOf(font));
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.emplace(key, RealiseFont(font)).first;
  return found->second;
}

const QStaticText& PainterCaches::LaidOut(const QString& text, const QFont& font,
                                          const QTransform& transform) {
  const TransformKey placed{transform.m11(), transform.m12(), transform.m21(),
                            transform.m22(), transform.dx(),  transform.dy()};
  const auto key = std::make_tuple(font.key(), placed, text);
  auto found = texts_.find(key);
  if (found == texts_.end()) {
    QStaticText staticText(text);
    staticText.setTextFormat(Qt::PlainText);
    staticText.prepare(transform, font);
    found = texts_.emplace(key, staticText).first;
  }
  return found->second;
}
