#pragma once
// Dialog templates place controls in dialog units: a quarter of the dialog font's average
// character width across, an eighth of its height down.
#include <QFont>
#include <QRect>

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  QRect ToPixels(int x, int y, int width, int height) const;

 private:
  int averageCharWidth_ = 0;
  int charHeight_ = 0;
};

// A title and a close box, nothing to minimise or maximise: a fixed-size dialog.
constexpr Qt::WindowFlags kTemplateDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The templates' 8-point "MS Sans Serif", or the desktop's sans serif where it is missing.
QFont DialogTemplateFont();
