#pragma once
// Everything the installer's window draws and where: the shell walks these and holds
// no numbers of its own.
#include <array>
#include <cstdint>
#include <string_view>

#include "installer/window/font_description.h"
#include "platform/geometry.h"

namespace InstallerWindow {

constexpr std::string_view Title = "Corvane...  For Windows 95/98/NT/2000/Millenium";
// Caption of every message box.
constexpr std::string_view MessageCaption = "Corvane...";

constexpr Colour Background = MakeColour(0, 128, 0);
constexpr Colour TextColour = MakeColour(255, 255, 255);

// The three texts are bold, italic, of a script family (no face name), one line each,
// drawn without a background.
constexpr FontDescription WindowFont(int32_t heightPx, bool underlined) {
  return FontDescription{"", FontFamily::Script, heightPx, 0, true, true, underlined};
}
enum class TextPlacement { TopLeft, Centred, BottomRight };
enum class TextSource { Fixed, StatusLine };
struct WindowText {
  TextSource source;
  std::string_view text;  // what a fixed text says
  FontDescription font;
  TextPlacement placement;
};

// Heights in pixels.
constexpr std::string_view HeadingText = "Corvane...";
constexpr WindowText Heading{TextSource::Fixed, HeadingText, WindowFont(80, true),
                             TextPlacement::TopLeft};
// The status line shows the view's status text.
constexpr WindowText Status{TextSource::StatusLine, "", WindowFont(50, false),
                            TextPlacement::Centred};
constexpr std::string_view PlatformText = "For Windows 95/98/NT/2000/Me.";
constexpr WindowText PlatformLine{TextSource::Fixed, PlatformText, WindowFont(20, false),
                                  TextPlacement::BottomRight};
// In the order they are drawn.
constexpr std::array<const WindowText*, 3> Texts{&Heading, &Status, &PlatformLine};

// The script face's italic strokes reach past a line's advance by up to a fifth of its
// height: that much room is kept on each side of a line.
constexpr int32_t ItalicReach(const WindowText& text) { return text.font.pixelHeight / 5; }

// A line wider than the window is drawn smaller, in proportion, so that a long path
// on the status line stays whole; never below `MinimumFittedHeightPx`, where it is cut
// in the middle instead. `widthAtHeight` is the text's width in pixels at `heightPx`.
constexpr int32_t MinimumFittedHeightPx = 16;
constexpr int32_t FittedTextHeight(int32_t heightPx, int32_t widthAtHeight, int32_t roomPx) {
  if (widthAtHeight <= roomPx || widthAtHeight <= 0) return heightPx;
  const int64_t fitted = static_cast<int64_t>(heightPx) * roomPx / widthAtHeight;
  return fitted < MinimumFittedHeightPx ? MinimumFittedHeightPx : static_cast<int32_t>(fitted);
}

// The frame sits at the screen's top-left corner, as large as a maximized
// window less the sizing frame on each side (across and down).
constexpr Rect FramePlacement(int32_t maximizedWidth, int32_t maximizedHeight,
                              int32_t frameWidth, int32_t frameHeight) {
  return Rect{0, 0, maximizedWidth - 2 * frameWidth, maximizedHeight - 2 * frameHeight};
}
constexpr Rect FramePlacement(int32_t maximizedWidth, int32_t maximizedHeight,
                              int32_t frameThickness) {
  return FramePlacement(maximizedWidth, maximizedHeight, frameThickness, frameThickness);
}
// Where a maximized window is larger than the screen less its frame (as under some
// compatibility layers), that placement would put the bottom and right lines off the
// screen: the frame is shortened until its client area ends where the work area does.
// `insets` are the frame's borders and caption round its client area.
constexpr Rect FrameWithinWorkArea(Rect frame, const Rect& insets, const Rect& workArea) {
  const int32_t clientRight = frame.right - insets.right;
  const int32_t clientBottom = frame.bottom - insets.bottom;
  if (clientRight > workArea.right) frame.right -= clientRight - workArea.right;
  if (clientBottom > workArea.bottom) frame.bottom -= clientBottom - workArea.bottom;
  return frame;
}
// The work area assumed when the system names no screen.
constexpr Rect WorkAreaWithoutScreen{0, 0, 800, 600};

}  // namespace InstallerWindow
