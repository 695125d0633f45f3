#include "analyser/app/dialog_units.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont& font) {
  // The platform's average character width: the alphabet's extent over 52, rounded.
  const QFontMetrics metrics(font);
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  averageCharWidth_ = (alphabet / 26 + 1) / 2;
  charHeight_ = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  const int left = x * averageCharWidth_ / 4, top = y * charHeight_ / 8;
  const int right = (x + width) * averageCharWidth_ / 4;
  const int bottom = (y + height) * charHeight_ / 8;
  return QRect(left, top, right - left, bottom - top);
}

QFont DialogTemplateFont() {
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}
