#include "analyser/app/support/font_realisation.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <iterator>

QString FontFaceOf(const FontSpec& description) {
  const auto length = std::find(std::begin(description.faceName), std::end(description.faceName), '\0') -
                      std::begin(description.faceName);
  return QString::fromLatin1(description.faceName, length);
}

namespace {

QFont BaseFont(const QString& face) {
  QFont font(face);
  // "Arial" is served by its metric-compatible twin where it is not installed.
  font.setFamilies({face, QStringLiteral("Liberation Sans")});
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

QFont RealiseFont(const FontSpec& description) {
  QFont font = BaseFont(FontFaceOf(description));
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
