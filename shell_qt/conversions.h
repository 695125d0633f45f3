#pragma once
// The cores' values in Qt's types: UTF-8 texts, 0x00BBGGRR colours, rectangles.
#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "platform/geometry.h"

namespace ShellQt {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                static_cast<int>(BlueOf(colour)));
}

inline Colour FromQColor(const QColor& colour) {
  return MakeColour(static_cast<uint32_t>(colour.red()), static_cast<uint32_t>(colour.green()),
                    static_cast<uint32_t>(colour.blue()));
}

// {left, top, right, bottom}, right and bottom outside, as Qt's x, y, width, height.
inline QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
inline Rect FromQRect(const QRect& r) {
  return Rect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

}  // namespace ShellQt
