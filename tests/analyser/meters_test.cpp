// The level meters as behaviour: the peaks they read and how needles and bars follow
// them. The screens' fixed parts are the recorded paints' (tests/data/paints).
#include <gtest/gtest.h>

#include <climits>

#include "analyser/display/level_meters.h"
#include "tests/analyser/display_fixture.h"

namespace {

using Line = RecordingSurface::Line;
using Fill = RecordingSurface::Fill;

constexpr Colour kWhite = 0xFFFFFF;

class MetersTest : public DisplayTest {
 protected:
  void Draw(int32_t family) {
    State().displayFamily = family;
    surface.Clear();
    DrawLevelMeters(State(), surface);
  }
  std::vector<Line> Needles() const { return surface.LinesWith(view->State().axisPen); }
  std::vector<Fill> Masks() const {
    std::vector<Fill> masks;
    for (const Fill& f : surface.Fills())
      if (f.colour == kWhite) masks.push_back(f);
    return masks;
  }
  static bool Inside(const Fill& f, const Rect& r) {
    return f.x >= r.left && f.x + f.width <= r.right && f.y >= r.top && f.y + f.height <= r.bottom;
  }
};

TEST_F(MetersTest, TheNeedlesTurnAboutFixedPivotsWithThePeak) {
  struct Reading {
    int32_t peak, leftTipX;
  };
  FillWorkingChannels(0, 0);
  Draw(DisplayFamily::VuMeters);
  const auto atZero = Needles();
  ASSERT_EQ(atZero.size(), 2u);
  // 0 at the start of the strip, captured silence just after, 0 dB at the red zone.
  for (const Reading r : {Reading{0, 67}, Reading{1, 69}, Reading{100, 267}, Reading{-40, -13}}) {
    FillWorkingChannels(r.peak, r.peak);
    Draw(DisplayFamily::VuMeters);
    const auto needles = Needles();
    ASSERT_EQ(needles.size(), 2u);
    EXPECT_EQ(needles[0].to.x, r.leftTipX) << r.peak;
    EXPECT_EQ(needles[1].to.x - needles[1].from.x, needles[0].to.x - needles[0].from.x) << r.peak;
    EXPECT_EQ(needles[0].from, atZero[0].from);
    EXPECT_EQ(needles[1].from, atZero[1].from);
  }
}

TEST_F(MetersTest, CapturedSilenceReadsOneOnBothDisplays) {
  FillWorkingChannels(1, 1);
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().rightPeak, 1);
  EXPECT_EQ(State().leftPeak, 1);

  Draw(DisplayFamily::Bargraphs);
  const auto masks = Masks();
  ASSERT_EQ(masks.size(), 2u);
  // Column bottom at 396: the lit part is the bottom 20 units.
  EXPECT_EQ(396 - (masks[0].y + masks[0].height), 20);
  EXPECT_EQ(masks[1].height, 254);
  EXPECT_TRUE(Inside(masks[0], State().leftBarArea));
  EXPECT_TRUE(Inside(masks[1], State().rightBarArea));
  EXPECT_TRUE(Needles().empty());
}

TEST_F(MetersTest, BarMasksFollowThePeakOfEachChannel) {
  FillWorkingChannels(100, 0);
  Draw(DisplayFamily::Bargraphs);
  const auto masks = Masks();
  ASSERT_EQ(masks.size(), 2u);
  EXPECT_EQ(masks[0].height, 256);  // left at 0: bottom 18 units lit
  EXPECT_EQ(masks[1].y + masks[1].height, 178);  // right at 100: lit up to the red zone
  FillWorkingChannels(128, 128);
  Draw(DisplayFamily::Bargraphs);
  EXPECT_EQ(Masks()[0].height, 0);
  // The masks are the last thing drawn, over the columns.
  EXPECT_EQ(surface.entries.back().op, RecordingSurface::Op::FillSolidRect);
  EXPECT_EQ(surface.entries.back().colour, kWhite);
}

TEST_F(MetersTest, OnlyIndicesOneToFourThousandCount) {
  FillWorkingChannels(-20, -20);
  State().samples.rightSamples[0] = 120;
  State().samples.rightSamples[4001] = 120;
  State().samples.leftSamples[4010] = 120;
  State().samples.rightSamples[4000] = 30;
  State().samples.leftSamples[1] = 7;
  State().samples.leftSamples[2] = -127;  // large negative swings do not count
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().rightPeak, 30);
  EXPECT_EQ(State().leftPeak, 7);
}

TEST_F(MetersTest, ANegativePeakMasksBelowTheColumn) {
  FillWorkingChannels(-40, -40);
  Draw(DisplayFamily::Bargraphs);
  EXPECT_EQ(State().leftPeak, -40);
  EXPECT_EQ(Masks()[0].height, 336);
  EXPECT_GT(Masks()[0].y + Masks()[0].height, 396);
}

TEST_F(MetersTest, ExtremeSnapshotValuesStayWithinDrawableReach) {
  FillWorkingChannels(INT32_MAX, INT32_MIN);
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().rightPeak, INT32_MAX);
  EXPECT_EQ(State().leftPeak, INT32_MIN);
  const auto needles = Needles();
  EXPECT_GT(needles[1].to.x, 10000);
  EXPECT_LT(needles[0].to.x, -10000);
  Draw(DisplayFamily::Bargraphs);
  const auto masks = Masks();
  EXPECT_GT(masks[0].height, 10000);
  EXPECT_EQ(masks[1].height, 0);  // beyond full scale: the whole column lit, no upward mask
}

TEST_F(MetersTest, EachScreenTakesItsOwnBackgroundColour) {
  FillWorkingChannels(0, 0);
  for (const int32_t family : {DisplayFamily::VuMeters, DisplayFamily::Bargraphs}) {
    State().vuBackgroundColour = 0x123456;
    State().bargraphBackgroundColour = 0x654321;
    Draw(family);
    const Colour own = family == DisplayFamily::VuMeters ? 0x123456 : 0x654321;
    const Colour other = family == DisplayFamily::VuMeters ? 0x654321 : 0x123456;
    int owns = 0, others = 0;
    for (const Fill& f : surface.Fills()) {
      owns += f.colour == own;
      others += f.colour == other;
    }
    EXPECT_GT(owns, 0) << family;
    EXPECT_EQ(others, 0) << family;
  }
}

}  // namespace
