#include "installer/app/window_text_layout.h"

#include <QFontMetrics>
#include <algorithm>

#include "installer/app/window_fonts.h"
#include "shell_qt/conversions.h"

namespace {

Qt::Alignment AlignmentOf(InstallerWindow::TextPlacement placement) {
  switch (placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      return Qt::AlignLeft | Qt::AlignTop;
    case InstallerWindow::TextPlacement::Centred:
      return Qt::AlignCenter;
    case InstallerWindow::TextPlacement::BottomRight:
      return Qt::AlignRight | Qt::AlignBottom;
  }
  return Qt::AlignCenter;
}

}  // namespace

QRect LaidOutText::Bounds() const { return QFontMetrics(font).boundingRect(area, flags, line); }

QRect LineBand(const QRect& client, const InstallerWindow::WindowText& text) {
  const int height = QFontMetrics(WindowTextFont(text)).height();
  switch (text.placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      return QRect(client.left(), client.top(), client.width(), height);
    case InstallerWindow::TextPlacement::Centred:
      return QRect(client.left(), client.center().y() - height / 2 - 1, client.width(), height + 2);
    case InstallerWindow::TextPlacement::BottomRight:
      return QRect(client.left(), client.bottom() - height + 1, client.width(), height);
  }
  return client;
}

LaidOutText LayOut(const QRect& client, const InstallerWindow::WindowText& text,
                   std::string_view content) {
  LaidOutText laid{WindowTextFont(text), ShellQt::FromUtf8(content), client,
                   static_cast<int>(AlignmentOf(text.placement) | Qt::TextSingleLine)};
  // Room on each side: the script face's italic strokes reach past its advance.
  const int room = client.width() - 2 * (text.heightPx / 5);
  const int fitted = InstallerWindow::FittedTextHeight(
      text.heightPx, QFontMetrics(laid.font).horizontalAdvance(laid.line), room);
  if (fitted != text.heightPx) {
    laid.font.setPixelSize(fitted);
    laid.line = QFontMetrics(laid.font).elidedText(laid.line, Qt::ElideMiddle, room);
  }
  if (text.placement == InstallerWindow::TextPlacement::BottomRight) {
    // Aligned by its advance, the last italic stroke would hang past the right edge.
    const QFontMetrics metrics(laid.font);
    const int overhang =
        metrics.boundingRect(laid.line).right() + 1 - metrics.horizontalAdvance(laid.line);
    laid.area.setRight(laid.area.right() - std::max(0, overhang));
  }
  return laid;
}

QRect StatusPixels(const LaidOutText& laid) {
  const int slant = InstallerWindow::Status.heightPx / 5;
  return laid.Bounds().adjusted(-slant, -2, slant, 2);
}
