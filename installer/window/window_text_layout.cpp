#include "installer/window/window_text_layout.h"

#include <algorithm>

namespace {

using InstallerWindow::TextPlacement;

// The middle pixel of a rectangle, rounded towards its top-left.
Point CentreOf(const Rect& r) {
  return Point{(r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2};
}

}  // namespace

LaidOutText LayOutText(const Rect& client, const InstallerWindow::WindowText& text,
                       std::string_view content, ITextMeasure& measure) {
  LaidOutText laid{text.font, std::string(content), client, text.placement};
  const int32_t room = (client.right - client.left) - 2 * InstallerWindow::ItalicReach(text);
  const int32_t fitted = InstallerWindow::FittedTextHeight(
      text.font.pixelHeight, measure.Advance(laid.font, laid.line), room);
  if (fitted != text.font.pixelHeight) {
    laid.font.pixelHeight = fitted;
    laid.line = measure.ElideMiddle(laid.font, laid.line, room);
  }
  // Aligned by its advance, the last italic stroke would hang past the right edge.
  if (text.placement == TextPlacement::BottomRight)
    laid.area.right -= std::max(0, measure.InkOverhang(laid.font, laid.line));
  return laid;
}

Rect LineBand(const Rect& client, const InstallerWindow::WindowText& text, ITextMeasure& measure) {
  const int32_t height = measure.LineHeight(text.font);
  switch (text.placement) {
    case TextPlacement::TopLeft:
      return Rect{client.left, client.top, client.right, client.top + height};
    case TextPlacement::Centred: {
      // One pixel of margin above and below.
      const int32_t top = CentreOf(client).y - height / 2 - 1;
      return Rect{client.left, top, client.right, top + height + 2};
    }
    case TextPlacement::BottomRight:
      return Rect{client.left, client.bottom - height, client.right, client.bottom};
  }
  return client;
}

Rect StatusPixels(const LaidOutText& laid, ITextMeasure& measure) {
  const int32_t slant = InstallerWindow::ItalicReach(InstallerWindow::Status);
  const Rect ink = measure.Covered(laid.font, laid.area, laid.placement, laid.line);
  return Rect{ink.left - slant, ink.top - 2, ink.right + slant, ink.bottom + 2};
}

Point BoxAboveStatusLine(const Rect& client, Point origin, ITextMeasure& measure,
                         int32_t boxFrameWidth, int32_t boxFrameHeight, int32_t boxHeight) {
  const Point centre = CentreOf(client);
  const int32_t lineHeight = measure.LineHeight(InstallerWindow::Status.font);
  const int32_t statusTop = origin.y + centre.y - lineHeight / 2;
  const int32_t frameTop = boxFrameHeight - boxHeight;
  const int32_t margin = lineHeight / 2;
  return Point{origin.x + centre.x - boxFrameWidth / 2,
               std::max(0, statusTop - margin - boxHeight - frameTop)};
}
