#include "installer/app/window_fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include "shell_qt/conversions.h"

QFont RealiseFont(const FontDescription& description) {
  QFont font;
  if (description.face.empty() && description.family == FontFamily::Script) {
    // Z003 (fonts-urw-base35) is a chancery script; the hint covers machines without it.
    font.setFamilies(QStringList{"Z003", "URW Chancery L", "TeX Gyre Chorus"});
    font.setStyleHint(QFont::Cursive);
  } else {
    // "Arial" as fontconfig knows it: Liberation Sans has the same metrics.
    font.setFamilies(QStringList{ShellQt::FromUtf8(description.face), "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif);
  }
  if (description.pixelHeight > 0) font.setPixelSize(description.pixelHeight);
  if (description.pointSize > 0) font.setPointSize(description.pointSize);
  font.setBold(description.bold);
  font.setItalic(description.italic);
  font.setUnderline(description.underlined);
  return font;
}

int AlignmentFlags(InstallerWindow::TextPlacement placement) {
  Qt::Alignment alignment = Qt::AlignCenter;
  switch (placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      alignment = Qt::AlignLeft | Qt::AlignTop;
      break;
    case InstallerWindow::TextPlacement::Centred:
      alignment = Qt::AlignCenter;
      break;
    case InstallerWindow::TextPlacement::BottomRight:
      alignment = Qt::AlignRight | Qt::AlignBottom;
      break;
  }
  return static_cast<int>(alignment | Qt::TextSingleLine);
}

int32_t QtTextMeasure::LineHeight(const FontDescription& font) {
  return QFontMetrics(RealiseFont(font)).height();
}

int32_t QtTextMeasure::Advance(const FontDescription& font, std::string_view line) {
  return QFontMetrics(RealiseFont(font)).horizontalAdvance(ShellQt::FromUtf8(line));
}

int32_t QtTextMeasure::InkOverhang(const FontDescription& font, std::string_view line) {
  const QFontMetrics metrics(RealiseFont(font));
  const QString text = ShellQt::FromUtf8(line);
  return metrics.boundingRect(text).right() + 1 - metrics.horizontalAdvance(text);
}

std::string QtTextMeasure::ElideMiddle(const FontDescription& font, std::string_view line,
                                       int32_t width) {
  return QFontMetrics(RealiseFont(font))
      .elidedText(ShellQt::FromUtf8(line), Qt::ElideMiddle, width)
      .toStdString();
}

Rect QtTextMeasure::Covered(const FontDescription& font, const Rect& area,
                            InstallerWindow::TextPlacement placement, std::string_view line) {
  return ShellQt::FromQRect(QFontMetrics(RealiseFont(font))
                                .boundingRect(ShellQt::ToQRect(area), AlignmentFlags(placement),
                                              ShellQt::FromUtf8(line)));
}
