#include "installer/window/window_layout.h"

#include <gtest/gtest.h>

#include "installer/window/window_text_layout.h"

namespace {

using InstallerWindow::TextPlacement;

// Every character is a fifth of the font's height wide; ink overhangs by `overhang`.
class FixedPitchMeasure : public ITextMeasure {
 public:
  int32_t LineHeight(const FontDescription& font) override { return font.pixelHeight + 4; }
  int32_t Advance(const FontDescription& font, std::string_view line) override {
    return static_cast<int32_t>(line.size()) * (font.pixelHeight / 5);
  }
  int32_t InkOverhang(const FontDescription&, std::string_view) override { return overhang; }
  std::string ElideMiddle(const FontDescription& font, std::string_view line,
                          int32_t width) override {
    elidedTo = width;
    return std::string(line.substr(0, static_cast<std::size_t>(width / (font.pixelHeight / 5))));
  }
  Rect Covered(const FontDescription&, const Rect& area, TextPlacement, std::string_view) override {
    return area;
  }
  int32_t overhang = 0;
  int32_t elidedTo = -1;
};

using InstallerWindow::FittedTextHeight;
using InstallerWindow::MinimumFittedHeightPx;

TEST(StatusLineFit, ShrinksOnlyWhatIsTooWideAndNeverBelowTheFloor) {
  // A line that fits keeps its height, however close to the edge.
  EXPECT_EQ(FittedTextHeight(50, 1000, 1000), 50);
  EXPECT_EQ(FittedTextHeight(50, 0, 1000), 50);
  // Twice as wide as the room: half the height, so the whole line shows.
  EXPECT_EQ(FittedTextHeight(50, 2000, 1000), 25);
  // Truncated, so the fitted line is never wider than the room.
  EXPECT_EQ(FittedTextHeight(50, 1500, 1000), 33);
  EXPECT_LE(1500 * FittedTextHeight(50, 1500, 1000) / 50, 1000);
  // A full-length path would shrink to nothing: the floor holds, the middle is cut.
  EXPECT_EQ(FittedTextHeight(50, 20000, 1000), MinimumFittedHeightPx);
  // No overflow for the widest texts a script can hold.
  EXPECT_EQ(FittedTextHeight(50, 2'000'000'000, 2'000'000'000), 50);
  EXPECT_EQ(FittedTextHeight(50, 2'000'000'000, 1'999'999'999), 49);
}

TEST(FramePlacement, ClientAreaNeverPassesTheWorkArea) {
  const Rect insets{3, 22, 3, 3};
  // A system whose maximized size is its screen's plus the frame: nothing changes.
  const Rect fitting = InstallerWindow::FramePlacement(1040, 784, 4, 4);
  EXPECT_EQ(InstallerWindow::FrameWithinWorkArea(fitting, insets, {0, 0, 1035, 774}), fitting);
  // One that reports more than its screen: the client area ends with the work area.
  const Rect larger = InstallerWindow::FramePlacement(1032, 806, 4, 4);
  EXPECT_EQ(InstallerWindow::FrameWithinWorkArea(larger, insets, {0, 0, 1024, 768}),
            (Rect{0, 0, 1024, 771}));
}

TEST(WindowTextLayout, LongLinesShrinkThenAreCutWithinTheItalicMargins) {
  FixedPitchMeasure measure;
  const Rect client{0, 0, 1000, 700};
  const LaidOutText fits =
      LayOutText(client, InstallerWindow::Status, std::string(90, 'a'), measure);
  EXPECT_EQ(fits.font.pixelHeight, 50);
  EXPECT_EQ(fits.area, client);
  EXPECT_EQ(measure.elidedTo, -1) << "a line that fits is never cut";
  // 980 pixels of room (10 kept on each side) for 4000 pixels: the floor, then the cut.
  const LaidOutText cut =
      LayOutText(client, InstallerWindow::Status, std::string(400, 'a'), measure);
  EXPECT_EQ(cut.font.pixelHeight, InstallerWindow::MinimumFittedHeightPx);
  EXPECT_EQ(measure.elidedTo, 980);
  EXPECT_LE(measure.Advance(cut.font, cut.line), 980);
}

TEST(WindowTextLayout, BottomRightLineKeepsItsInkInsideAndBandsSitWhereTheirTextsGo) {
  FixedPitchMeasure measure;
  const Rect client{0, 0, 1000, 700};
  measure.overhang = 3;
  EXPECT_EQ(LayOutText(client, InstallerWindow::PlatformLine, "x", measure).area.right, 997);
  measure.overhang = -3;
  EXPECT_EQ(LayOutText(client, InstallerWindow::PlatformLine, "x", measure).area.right, 1000);
  EXPECT_EQ(LineBand(client, InstallerWindow::Heading, measure), (Rect{0, 0, 1000, 84}));
  EXPECT_EQ(LineBand(client, InstallerWindow::PlatformLine, measure), (Rect{0, 676, 1000, 700}));
  EXPECT_EQ(LineBand(client, InstallerWindow::Status, measure), (Rect{0, 321, 1000, 377}));
}

TEST(WindowTextLayout, BoxStandsHalfALineAboveTheStatusLineButNeverAboveTheScreen) {
  FixedPitchMeasure measure;
  // Status line 54 high, its top at 100 + 349 - 27 = 422; 27 clear above it.
  const Point place =
      BoxAboveStatusLine(Rect{0, 0, 1000, 700}, Point{10, 100}, measure, 300, 220, 200);
  EXPECT_EQ(place, (Point{10 + 499 - 150, 422 - 27 - 200 - 20}));
  EXPECT_EQ(BoxAboveStatusLine(Rect{0, 0, 1000, 300}, Point{0, 0}, measure, 300, 420, 400).y, 0);
}

}  // namespace
