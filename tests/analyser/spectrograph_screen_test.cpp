#include <gtest/gtest.h>

#include <climits>

#include "analyser/display/spectrograph_screen.h"
#include "tests/analyser/display_fixture.h"

namespace {

using Line = RecordingSurface::Line;

class SpectrographScreenTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    State().displayFamily = DisplayFamily::Spectrograph;
  }
  RecordingSurface Draw(int32_t clientHeight) {
    RecordingSurface drawn(Rect{0, 0, 800, clientHeight});
    DrawSpectrograph(State(), drawn);
    return drawn;
  }
  int32_t* Right() { return State().spectrum.displaySpectrum[0]; }
  int32_t* Left() { return State().spectrum.displaySpectrum[1]; }
  std::vector<Line> RightCurve(const RecordingSurface& s) { return s.LinesWith(State().topTracePen); }
  std::vector<Line> LeftCurve(const RecordingSurface& s) {
    return s.LinesWith(State().bottomTracePen);
  }
  static bool HasText(const RecordingSurface& s, const std::string& text, int32_t x, int32_t y) {
    for (const auto& t : s.Texts())
      if (t.text == text && t.x == x && t.y == y) return true;
    return false;
  }
};

TEST_F(SpectrographScreenTest, HeightSixHundredUsesTheSmallLayout) {
  Right()[20] = 100;
  const RecordingSurface s = Draw(600);
  const auto curve = RightCurve(s);
  ASSERT_EQ(curve.size(), 67u);
  EXPECT_EQ(curve[0].from, (Point{50, 270}));
  EXPECT_EQ(curve[19].to, (Point{250, 270 - 75}));  // three quarters of 100
  EXPECT_EQ(LeftCurve(s).back().to, (Point{720, 570}));
  // The 10 Hz line of the lower plot and its label, and the 0 dB line of the upper one.
  const auto thin = s.LinesWith(State().thinPen);
  ASSERT_FALSE(thin.empty());
  EXPECT_EQ(thin[0].from, (Point{60, 575}));
  EXPECT_EQ(thin[0].to, (Point{60, 370}));
  EXPECT_EQ(thin[1].to, (Point{60, 70}));
  EXPECT_TRUE(HasText(s, "10", 55, 575));
  EXPECT_TRUE(HasText(s, "Hz.", 742, 275));
  EXPECT_TRUE(HasText(s, " 0 db", 20, 300 - 222 - 4));
  EXPECT_TRUE(HasText(s, "-20db", 735, 600 - 49 - 4));
}

TEST_F(SpectrographScreenTest, HeightSixHundredAndOneUsesTheLargeLayout) {
  Right()[20] = 100;
  const RecordingSurface s = Draw(601);
  const auto curve = RightCurve(s);
  EXPECT_EQ(curve[0].from, (Point{100, 270}));
  EXPECT_EQ(curve[19].to, (Point{300, 170}));
  EXPECT_EQ(LeftCurve(s)[0].from, (Point{100, 571}));
  const auto thin = s.LinesWith(State().thinPen);
  EXPECT_EQ(thin[0].to, (Point{110, 601 - 295}));
  EXPECT_EQ(thin[1].to, (Point{110, 300 - 295}));
  EXPECT_TRUE(HasText(s, " 0 db", 70, 601 - 285 - 4));
  EXPECT_TRUE(HasText(s, "20k", 767, 576));
}

TEST_F(SpectrographScreenTest, ValuesAboveTheCeilingAreDrawnAndKeptAsTwoHundredSixty) {
  Right()[10] = 300;
  Left()[30] = 261;
  Left()[31] = 260;
  RecordingSurface s = Draw(700);
  EXPECT_EQ(RightCurve(s)[9].to, (Point{200, 350 - 30 - 260}));  // 5 above the 0 dB line
  EXPECT_EQ(Right()[10], 260);
  EXPECT_EQ(Left()[30], 260);
  Right()[10] = 300;
  s = Draw(600);
  EXPECT_EQ(RightCurve(s)[9].to.y, 270 - 195);
  EXPECT_EQ(Right()[10], 260);
  Left()[5] = INT32_MIN;  // a snapshot may hold anything: no overflow, far below the plot
  s = Draw(600);
  EXPECT_GT(LeftCurve(s)[4].to.y, 10000);
}

TEST_F(SpectrographScreenTest, ZeroSpectraAreFlatOnTheBaselines) {
  const RecordingSurface s = Draw(600);
  for (const Line& l : RightCurve(s)) EXPECT_EQ(l.to.y, 270);
  for (const Line& l : LeftCurve(s)) EXPECT_EQ(l.to.y, 570);
  EXPECT_EQ(s.LinesWith(State().gridDotPen).size(), 36u);
}

TEST_F(SpectrographScreenTest, ThePrinterUsesTheLargeLayoutAtSevenHundred) {
  State().outputTarget = OutputTarget::Printer;
  const RecordingSurface s = Draw(300);
  EXPECT_EQ(LeftCurve(s)[0].from, (Point{100, 670}));
  EXPECT_EQ(RightCurve(s)[0].from, (Point{100, 320}));
}

TEST_F(SpectrographScreenTest, BinsOnlyOneToSixtySevenAreDrawn) {
  Right()[0] = 200;
  Right()[68] = 200;
  Right()[99] = 400;
  const RecordingSurface s = Draw(601);
  for (const Line& l : RightCurve(s)) EXPECT_EQ(l.to.y, 270);
  EXPECT_EQ(Right()[99], 400);
}

}  // namespace

namespace {

// Heights and positions are 32-bit and wrap, so a wrapped spectrum value is
// drawn where the same arithmetic puts it on every build.
TEST_F(SpectrographScreenTest, CurveArithmeticWrapsInThirtyTwoBits) {
  Left()[5] = INT32_MIN;
  Left()[6] = -(1 << 30);
  Left()[7] = -7;  // three quarters of -7 truncates toward zero: -5
  RecordingSurface s = Draw(600);
  auto curve = LeftCurve(s);
  EXPECT_EQ(curve[4].to.y, 570 + (1 << 29));        // INT32_MIN * 3 wraps back to INT32_MIN
  EXPECT_EQ(curve[5].to.y, 570 - (1 << 28));        // -2^30 * 3 wraps to +2^30
  EXPECT_EQ(curve[6].to.y, 575);
  s = Draw(601);
  curve = LeftCurve(s);
  EXPECT_EQ(curve[4].to.y, 571 + INT32_MIN);        // 571 - INT32_MIN wraps
  EXPECT_EQ(curve[5].to.y, 571 + (1 << 30));
}

}  // namespace
