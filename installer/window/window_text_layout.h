#pragma once
// Where the installer window's texts go: each on one line of the client area, shrunk
// (and cut in the middle) when it would not fit the width. The shell measures text in
// its fonts; the placements are decided here.
#include <cstdint>
#include <string>
#include <string_view>

#include "installer/window/window_layout.h"
#include "platform/geometry.h"

// What a shell measures of one line of text in a font, in pixels.
class ITextMeasure {
 public:
  virtual ~ITextMeasure() = default;
  virtual int32_t LineHeight(const FontDescription& font) = 0;
  virtual int32_t Advance(const FontDescription& font, std::string_view line) = 0;
  // How far the line's ink reaches right of its advance (italic strokes); may be negative.
  virtual int32_t InkOverhang(const FontDescription& font, std::string_view line) = 0;
  // The line cut in its middle, an ellipsis standing for what is left out, to fit `width`.
  virtual std::string ElideMiddle(const FontDescription& font, std::string_view line,
                                  int32_t width) = 0;
  // The pixels the line covers when aligned in `area` as `placement` says.
  virtual Rect Covered(const FontDescription& font, const Rect& area,
                       InstallerWindow::TextPlacement placement, std::string_view line) = 0;
};

// One text of the window as it is drawn: its font, its line, and the rectangle it is
// aligned in as its placement says.
struct LaidOutText {
  FontDescription font;
  std::string line;
  Rect area;
  InstallerWindow::TextPlacement placement;
};

LaidOutText LayOutText(const Rect& client, const InstallerWindow::WindowText& text,
                       std::string_view content, ITextMeasure& measure);
// The band of the client area a text's line occupies: the whole width, its font's height.
Rect LineBand(const Rect& client, const InstallerWindow::WindowText& text, ITextMeasure& measure);
// What a status line may cover: its ink and the italic strokes past it.
Rect StatusPixels(const LaidOutText& laid, ITextMeasure& measure);

// A message often speaks of the step the status line names: a box (or the prompt) stands
// centred above that line, half a line clear of it, never above the screen's top. Gives
// the top-left of the box's frame; `client` is the window's client area, at `origin` on
// the screen.
Point BoxAboveStatusLine(const Rect& client, Point origin, ITextMeasure& measure,
                         int32_t boxFrameWidth, int32_t boxFrameHeight, int32_t boxHeight);
