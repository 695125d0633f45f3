#pragma once
// Where the installer window's three texts go: each on one line of the client area,
// shrunk (and cut in the middle) when it would not fit the width.
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "installer/installer_window_layout.h"

// One text of the window as it is drawn: its font, its line and the rectangle it is
// aligned in.
struct LaidOutText {
  QFont font;
  QString line;
  QRect area;
  int flags = 0;
  // The pixels the text covers.
  QRect Bounds() const;
};

LaidOutText LayOut(const QRect& client, const InstallerWindow::WindowText& text,
                   std::string_view content);
// The band of the client area a text's line occupies: the whole width, its font's height.
QRect LineBand(const QRect& client, const InstallerWindow::WindowText& text);
// What a status line may cover: its bounds and the italic strokes past them.
QRect StatusPixels(const LaidOutText& laid);
