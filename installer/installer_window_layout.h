#pragma once
// Everything the installer's window draws and where: the shell reads these
// and holds no numbers of its own.
#include <cstdint>
#include <string_view>

#include "platform/geometry.h"

namespace InstallerWindow {

constexpr std::string_view Title = "Corvane...  For Windows 95/98/NT/2000/Millenium";
// Caption of every message box.
constexpr std::string_view MessageCaption = "Corvane...";

constexpr Colour Background = MakeColour(0, 128, 0);
constexpr Colour TextColour = MakeColour(255, 255, 255);

// The three texts are bold, italic, of a script family (no face name), one line
// each, drawn without a background. Heights are in pixels.
constexpr bool TextsBold = true;
constexpr bool TextsItalic = true;
enum class TextPlacement { TopLeft, Centred, BottomRight };
struct WindowText {
  int32_t heightPx;
  bool underlined;
  TextPlacement placement;
};

constexpr std::string_view HeadingText = "Corvane...";
constexpr WindowText Heading{80, true, TextPlacement::TopLeft};
// The status line shows the view's StatusText().
constexpr WindowText Status{50, false, TextPlacement::Centred};
constexpr std::string_view PlatformText = "For Windows 95/98/NT/2000/Me.";
constexpr WindowText PlatformLine{20, false, TextPlacement::BottomRight};

// A line wider than the window is drawn smaller, in proportion, so that a long path
// on the status line stays whole; never below `MinimumFittedHeightPx`, where the
// shell cuts out its middle instead. `widthAtHeight` is the text's width in pixels
// at `heightPx`.
constexpr int32_t MinimumFittedHeightPx = 16;
constexpr int32_t FittedTextHeight(int32_t heightPx, int32_t widthAtHeight, int32_t roomPx) {
  if (widthAtHeight <= roomPx || widthAtHeight <= 0) return heightPx;
  const int64_t fitted = static_cast<int64_t>(heightPx) * roomPx / widthAtHeight;
  return fitted < MinimumFittedHeightPx ? MinimumFittedHeightPx : static_cast<int32_t>(fitted);
}

// The frame sits at the screen's top-left corner, as large as a maximized
// window less the sizing frame on each side.
constexpr Rect FramePlacement(int32_t maximizedWidth, int32_t maximizedHeight,
                              int32_t frameThickness) {
  return Rect{0, 0, maximizedWidth - 2 * frameThickness, maximizedHeight - 2 * frameThickness};
}

}  // namespace InstallerWindow

// The destination dialog, in dialog units (x, y, width, height).
namespace DestinationDialog {

struct DialogBox {
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
};

constexpr std::string_view Title = "Corvane ...";
constexpr std::string_view FontFamily = "Arial";
constexpr int32_t FontPointSize = 12;
constexpr int32_t WidthDu = 186;
constexpr int32_t HeightDu = 79;

constexpr int32_t PromptId = 1001;  // read-only, multi-line, centred
constexpr DialogBox Prompt{25, 5, 155, 24};
constexpr int32_t DestinationId = 1000;  // one line, scrolls horizontally
constexpr DialogBox Destination{8, 33, 170, 12};
constexpr int32_t OkId = 1;  // default button
constexpr std::string_view OkText = "OK";
constexpr DialogBox OkButton{104, 53, 45, 17};
constexpr int32_t CancelId = 2;
constexpr std::string_view CancelText = "Cancel";
constexpr DialogBox CancelButton{38, 53, 45, 17};
constexpr DialogBox Icon{8, 6, 20, 20};
constexpr DialogBox EtchedFrame{3, 1, 180, 75};

constexpr std::string_view PromptFrench =
    "Entrez ici le répertoire où vous voulez installer ce programme ou acceptez le repertoire "
    "proposé. (Conseillé).";
constexpr std::string_view PromptEnglish =
    "Enter here the directory where you want to install this program or accept the proposed "
    "directory. (Recommended).";

// Dialog units to pixels with the dialog font's average character size.
constexpr int32_t DuToPixelsX(int32_t du, int32_t averageCharWidth) {
  return du * averageCharWidth / 4;
}
constexpr int32_t DuToPixelsY(int32_t du, int32_t charHeight) { return du * charHeight / 8; }

}  // namespace DestinationDialog
