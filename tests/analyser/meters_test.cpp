#include <gtest/gtest.h>

#include <climits>

#include "analyser/display/level_meters.h"
#include "tests/analyser/display_view_fixture.h"

namespace {

using Line = RecordingSurface::Line;
using Fill = RecordingSurface::Fill;

constexpr Colour kWhite = 0xFFFFFF;

class MetersTest : public DisplayViewFixture {
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
  RecordingSurface surface;
};

TEST_F(MetersTest, ZerosPutTheNeedleTipsAtTheStartOfTheStrips) {
  FillChannels(0, 0);
  Draw(DisplayFamily::VuMeters);
  const auto needles = Needles();
  ASSERT_EQ(needles.size(), 2u);
  EXPECT_EQ(needles[0].from, (Point{195, 298}));
  EXPECT_EQ(needles[0].to, (Point{67, 140}));
  EXPECT_EQ(needles[1].from, (Point{595, 298}));
  EXPECT_EQ(needles[1].to, (Point{467, 140}));
  FillChannels(100, 100);  // the 0 dB reference: start of the red zone
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(Needles()[0].to.x, 267);
  EXPECT_EQ(Needles()[1].to.x, 667);
}

TEST_F(MetersTest, CapturedSilenceReadsOneOnBothDisplays) {
  FillChannels(1, 1);
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().rightPeak, 1);
  EXPECT_EQ(State().leftPeak, 1);
  EXPECT_EQ(Needles()[0].to.x, 69);
  EXPECT_EQ(Needles()[1].to.x, 469);

  Draw(DisplayFamily::Bargraphs);
  const auto masks = Masks();
  ASSERT_EQ(masks.size(), 2u);
  // Column bottom at 396: the lit part is the bottom 20 units.
  EXPECT_EQ(396 - (masks[0].y + masks[0].height), 20);
  EXPECT_EQ(masks[0].x, 184);
  EXPECT_EQ(masks[1].x, 584);
  EXPECT_EQ(masks[1].height, 254);
  EXPECT_EQ(State().leftBarArea, (Rect{180, 100, 210, 400}));
  EXPECT_EQ(State().rightBarArea, (Rect{580, 100, 610, 400}));
  EXPECT_TRUE(Needles().empty());
}

TEST_F(MetersTest, BarMasksFollowThePeakOfEachChannel) {
  FillChannels(100, 0);
  Draw(DisplayFamily::Bargraphs);
  const auto masks = Masks();
  ASSERT_EQ(masks.size(), 2u);
  EXPECT_EQ(masks[0].height, 256);  // left at 0: bottom 18 units lit
  EXPECT_EQ(masks[1].y + masks[1].height, 178);  // right at 100: lit up to the red zone
  FillChannels(128, 128);
  Draw(DisplayFamily::Bargraphs);
  EXPECT_EQ(Masks()[0].height, 0);
  // The masks are the last thing drawn, over the columns.
  EXPECT_EQ(surface.entries.back().op, RecordingSurface::Op::FillSolidRect);
  EXPECT_EQ(surface.entries.back().colour, kWhite);
}

TEST_F(MetersTest, OnlyIndicesOneToFourThousandCount) {
  FillChannels(-20, -20);
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

TEST_F(MetersTest, ANegativePeakPointsLeftOfTheStripAndMasksBelowTheColumn) {
  FillChannels(-40, -40);
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().leftPeak, -40);
  EXPECT_EQ(Needles()[0].to, (Point{-13, 140}));
  Draw(DisplayFamily::Bargraphs);
  EXPECT_EQ(Masks()[0].height, 336);
  EXPECT_GT(Masks()[0].y + Masks()[0].height, 396);
}

TEST_F(MetersTest, ExtremeSnapshotValuesStayWithinDrawableReach) {
  FillChannels(INT32_MAX, INT32_MIN);
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

TEST_F(MetersTest, VuScreenWritesItsAreasAndDrawsItsFramesAndLabels) {
  FillChannels(0, 0);
  State().vuBackgroundColour = 0x123456;
  Draw(DisplayFamily::VuMeters);
  EXPECT_EQ(State().leftMeterArea, (Rect{20, 100, 370, 300}));
  EXPECT_EQ(State().rightMeterArea, (Rect{420, 100, 770, 300}));
  const auto edges = surface.Of(RecordingSurface::Op::DrawBumpEdge);
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_EQ(edges[0].a, 20);
  EXPECT_EQ(edges[1].a, 420);

  const auto fills = surface.Fills();
  ASSERT_GE(fills.size(), 7u);
  int backgrounds = 0;
  for (const Fill& f : fills) backgrounds += f.colour == 0x123456;
  EXPECT_EQ(backgrounds, 5);
  EXPECT_EQ(fills[5].colour, surface.ButtonFaceColour());
  EXPECT_EQ(fills[6].x, 800);

  std::vector<std::string> leftTexts;
  for (const auto& t : surface.Texts())
    if (t.x < 400) leftTexts.push_back(t.text + "@" + std::to_string(t.x) + "," +
                                       std::to_string(t.y));
  EXPECT_EQ(leftTexts, (std::vector<std::string>{"GAUCHE@150,310", "+3@313,110", "0@262,110",
                                                 "-3@210,110", "-6@158,110", "-20@77,110",
                                                 "db@185,172"}));
}

TEST_F(MetersTest, BargraphScreenDrawsItsColumnsAndLabelsInOrder) {
  FillChannels(0, 0);
  State().bargraphBackgroundColour = 0x123456;
  Draw(DisplayFamily::Bargraphs);
  std::vector<std::string> texts;
  for (const auto& t : surface.Texts())
    texts.push_back(t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.y));
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "GAUCHE@150,420", "DROITE@550,420", "+3@216,102", " 0@216,158",
                       "-6@216,257", "-20@216,354", "+3@616,102", " 0@616,158", "-6@616,257",
                       "-20@616,354", "db@395,100"}));
  // Background, button face, then the left column, the right column and the masks.
  std::vector<std::string> columns;
  for (const Fill& f : surface.Fills())
    if (f.colour != 0x123456 && f.colour != surface.ButtonFaceColour())
      columns.push_back(std::to_string(f.colour) + "@" + std::to_string(f.x) + "," +
                        std::to_string(f.y) + "," + std::to_string(f.height));
  EXPECT_EQ(columns, (std::vector<std::string>{
                         "65280@184,242,154", "65535@184,178,64", "255@184,122,56",
                         "65280@584,242,154", "65535@584,178,64", "255@584,122,56",
                         "16777215@184,122,256", "16777215@584,122,256"}));
}

}  // namespace
