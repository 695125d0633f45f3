#include <string>
#include <vector>

#include "tests/analyser/display_fixture.h"

namespace {

class ScalesTest : public DisplayTest {
 protected:
  // Labels at x 530, as "y:text".
  std::vector<std::string> ScaleLabels() {
    std::vector<std::string> out;
    for (const auto& text : surface.Texts())
      if (text.x == 530) out.push_back(std::to_string(text.y) + ":" + text.text);
    return out;
  }
  // Zone-bar segments as "top-bottom:colour", in drawing order.
  std::vector<std::string> ZoneBar() {
    std::vector<std::string> out;
    for (const auto& fill : surface.Fills()) {
      if (fill.x != 520) continue;
      EXPECT_EQ(fill.width, 5);
      out.push_back(std::to_string(fill.y) + "-" + std::to_string(fill.y + fill.height) + ":" +
                    (fill.colour == kGreen ? "G" : fill.colour == kYellow ? "Y" : "R"));
    }
    return out;
  }
  std::vector<std::string> TimeLabels() {
    std::vector<std::string> out;
    for (const auto& text : surface.Texts())
      if ((text.y == 430 || text.y == 445) && text.x < 530)  // the panel hint is at 555
        out.push_back(std::to_string(text.x) + "," + std::to_string(text.y) + ":" + text.text);
    return out;
  }
};

using Strings = std::vector<std::string>;

TEST_F(ScalesTest, RightChannelAtGainOneShowsSixLabelsOnly) {
  Paint();
  EXPECT_EQ(ScaleLabels(), (Strings{"14:0", "64:-6", "114:--", "164:-6", "214:0", "264:+3"}));
  EXPECT_EQ(ZoneBar(), (Strings{"20-49:Y", "49-191:G", "191-220:Y", "220-261:R"}));
  for (const auto& text : surface.Texts()) {
    if (text.x == 530) {
      EXPECT_EQ(text.font, State().labelFont);
    }
  }
}

TEST_F(ScalesTest, LinearSwitchChangesLabelsAndKeepsTheZoneBar) {
  State().verticalGain = 2;
  Paint();
  const Strings bar = ZoneBar();
  EXPECT_EQ(bar, (Strings{"20-262:G", "262-320:Y", "320-402:R"}));
  EXPECT_EQ(ScaleLabels()[5], "264:-2.5");
  State().verticalScale = VerticalScale::Linear;
  Paint();
  EXPECT_EQ(ZoneBar(), bar);
  EXPECT_EQ(ScaleLabels(), (Strings{"14:50", "64:25", "114:0", "164:25", "214:50", "264:75",
                                    "314:100", "364:125", "414:150"}));
}

TEST_F(ScalesTest, LeftScaleOfTheOffsetLayout) {
  State().scaleSide = ScaleSide::Left;
  Paint();
  EXPECT_EQ(ScaleLabels(), (Strings{"164:+3", "214:0", "264:-6", "314:--", "364:-6", "414:0"}));
  EXPECT_EQ(ZoneBar(), (Strings{"181-222:R", "220-249:Y", "249-391:G", "391-420:Y"}));
  State().verticalGain = 2;
  Paint();
  // Order matters: the later segments are drawn over the green.
  EXPECT_EQ(ZoneBar(), (Strings{"178-420:G", "120-178:Y", "38-120:R"}));
  State().verticalGain = 5;
  State().verticalScale = VerticalScale::Linear;
  Paint();
  EXPECT_EQ(ScaleLabels().front(), "14:60");
  EXPECT_EQ(ZoneBar(), (Strings{"18-420:G"}));
}

TEST_F(ScalesTest, CentredModesUseTheMScaleAndSumItsOwn) {
  for (int32_t mode : {ScopeMode::StereoOverlay, ScopeMode::Difference, ScopeMode::Lissajous}) {
    ShowScopeMode(mode);
    Paint();
    EXPECT_EQ(ScaleLabels(), (Strings{"64:+3", "114:0", "164:-6", "214:--", "264:-6", "314:0",
                                      "364:+3"}))
        << mode;
    EXPECT_EQ(ZoneBar(),
              (Strings{"79-120:R", "120-149:Y", "149-291:G", "291-320:Y", "320-361:R"}));
  }
  // The offset layout's side is ignored in the centred modes.
  State().scaleSide = ScaleSide::Left;
  Paint();
  EXPECT_EQ(ScaleLabels().front(), "64:+3");

  ShowScopeMode(ScopeMode::Sum);
  State().verticalGain = 2;
  Paint();
  EXPECT_EQ(ScaleLabels(), (Strings{"14:-6", "114:-12", "214:--", "314:-12", "414:-6"}));
  EXPECT_EQ(ZoneBar(), (Strings{"18-420:G"}));
  State().verticalGain = 1;
  State().verticalScale = VerticalScale::Linear;
  Paint();
  EXPECT_EQ(ScaleLabels().front(), "14:200");
  EXPECT_EQ(ZoneBar(), (Strings{"78-362:G", "20-78:Y", "362-420:Y"}));
}

TEST_F(ScalesTest, TimeLabelsOfEachTimeBase) {
  Paint();  // 1 ms at start
  const Strings oneMs = TimeLabels();
  ASSERT_EQ(oneMs.size(), 12u);
  EXPECT_EQ(oneMs.front(), "40,430:0");
  EXPECT_EQ(oneMs[1], "85,430:0.1");
  EXPECT_EQ(oneMs[10], "490,430:1");
  EXPECT_EQ(oneMs[11], "252,445:(mSec.)");

  ApplyTimeBase(State(), kTimeBaseRows[7]);
  Paint();
  EXPECT_EQ(TimeLabels()[10], "490,430:200");
  EXPECT_EQ(TimeLabels()[11], "252,445:(uSec.)");
  ApplyTimeBase(State(), kTimeBaseRows[3]);
  Paint();
  EXPECT_EQ(TimeLabels()[9], "445,430:4.5");
  EXPECT_EQ(TimeLabels()[11], "252,445:(mSec.)");
  ApplyTimeBase(State(), kTimeBaseRows[0]);
  Paint();
  EXPECT_EQ(TimeLabels()[10], "490,430:50");

  State().timeBase = 3;  // not a row of the table
  Paint();
  EXPECT_TRUE(TimeLabels().empty());
}

TEST_F(ScalesTest, ScaleAndTimeLabelsArePrintedToo) {
  State().outputTarget = OutputTarget::Printer;
  Paint();
  EXPECT_EQ(ScaleLabels().size(), 6u);
  EXPECT_EQ(ZoneBar().size(), 4u);
  EXPECT_EQ(TimeLabels().size(), 12u);
}

}  // namespace
