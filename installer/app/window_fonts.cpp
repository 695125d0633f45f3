#include "installer/app/window_fonts.h"

#include <QStringList>

QFont WindowTextFont(const InstallerWindow::WindowText& text) {
  QFont font;
  // Z003 (fonts-urw-base35) is a chancery script; the hint covers machines without it.
  font.setFamilies(QStringList{"Z003", "URW Chancery L", "TeX Gyre Chorus"});
  font.setStyleHint(QFont::Cursive);
  font.setPixelSize(text.heightPx);
  font.setBold(true);
  font.setItalic(true);
  font.setUnderline(text.underlined);
  return font;
}
