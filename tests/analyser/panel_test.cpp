#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analyser/display/panel_layout.h"
#include "analyser/display/settings_panel.h"
#include "analyser/state/command_ids.h"
#include "tests/analyser/display_fixture.h"

namespace {

using Fill = RecordingSurface::Fill;
using Op = RecordingSurface::Op;

class PanelTest : public DisplayTest {
 protected:
  void DrawPanel() {
    surface.Clear();
    DrawPanelFrameAndModeBoxes(State(), surface);
    DrawPanelTimeBaseRows(State(), surface);
    DrawPanelRemainder(State(), surface);
  }
  // Colour of the indicator drawn in the box at (x0, top), or -1 when none.
  int64_t IndicatorAt(int32_t x0, int32_t top) const {
    using namespace PanelLayout;
    for (const Fill& f : surface.Fills())
      if (f.x == x0 + kIndicatorInset && f.y == top + kIndicatorInset &&
          f.width == kIndicatorSize && f.height == kIndicatorSize)
        return f.colour;
    return -1;
  }
  bool HasText(const std::string& text, int32_t x, int32_t y) const {
    const auto texts = surface.Texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const auto& t) { return t.text == text && t.x == x && t.y == y; });
  }
  bool HasBoxAtX(int32_t x0) const {
    for (const auto& e : surface.Of(Op::DrawBumpEdge))
      if (e.a == x0 && e.c == x0 + 15) return true;
    return false;
  }
  void Click(int32_t x, int32_t y) { view->OnLButtonDown(Point{x, y}); }
};

// The start state's indicators are the recorded paint's; here, that each follows its field.
TEST_F(PanelTest, IndicatorsMoveWithTheirFields) {
  using namespace PanelLayout;
  const auto timeBaseTop = [](int32_t code) {
    for (const TimeBaseBox& box : kTimeBaseBoxes)
      if (box.timeBase == code) return box.top;
    return -1;
  };
  DrawPanel();
  EXPECT_EQ(IndicatorAt(kFirstColumnBoxX, timeBaseTop(1000)), kTimeBaseColour);
  EXPECT_EQ(IndicatorAt(kFirstColumnBoxX, kSyncTop), -1);  // no trigger yet
  EXPECT_EQ(IndicatorAt(kSideBoxX, kSideRows[0].top), kRightSideColour);
  EXPECT_EQ(IndicatorAt(kSideBoxX, kSideRows[1].top), -1);

  State().scaleSide = ScaleSide::Left;
  State().triggerFound = 1;
  State().timeBase = 50;
  DrawPanel();
  EXPECT_EQ(IndicatorAt(kSideBoxX, kSideRows[1].top), kLeftSideColour);
  EXPECT_EQ(IndicatorAt(kSideBoxX, kSideRows[0].top), -1);
  EXPECT_EQ(IndicatorAt(kFirstColumnBoxX, kSyncTop), kSyncColour);
  EXPECT_EQ(IndicatorAt(kFirstColumnBoxX, timeBaseTop(50)), kTimeBaseColour);
  EXPECT_EQ(IndicatorAt(kFirstColumnBoxX, timeBaseTop(1000)), -1);
}

TEST_F(PanelTest, PromptFollowsTheMeasurementAndComesLast) {
  using namespace PanelLayout;
  DrawPanel();
  EXPECT_TRUE(HasText(kPromptWhileStopped, kPromptAt.x, kPromptAt.y));
  State().acquisitionRunning = 1;
  DrawPanel();
  EXPECT_TRUE(HasText(kPromptWhileRunning, kPromptAt.x, kPromptAt.y));
  EXPECT_EQ(surface.entries.back().op, Op::TextOut);
}

TEST_F(PanelTest, NothingOfThePanelReachesThePrinter) {
  State().outputTarget = OutputTarget::Printer;
  DrawPanel();
  EXPECT_TRUE(surface.entries.empty());
}

TEST_F(PanelTest, AClickAboveTheDrawnGainBoxAlreadySelectsIt) {
  State().verticalGain = 5;
  Click(575, 356);
  EXPECT_EQ(State().verticalGain, 1);
  Click(575, 394);
  EXPECT_EQ(State().verticalGain, 2);
}

TEST_F(PanelTest, ABandBoundarySelectsNothing) {
  view->OnCommand(CommandId::Sum);
  Click(575, 35);
  EXPECT_EQ(State().scopeMode, ScopeMode::Sum);
  Click(565, 45);
  Click(585, 45);
  EXPECT_EQ(State().scopeMode, ScopeMode::Sum);
  Click(575, 36);
  EXPECT_EQ(State().scopeMode, ScopeMode::StereoOverlay);
  EXPECT_EQ(State().leftTraceCentre, 220);
}

TEST_F(PanelTest, BoxesApplyTheMenuCommandsFields) {
  Click(570, 265);
  EXPECT_EQ(State().timeBase, 200);
  EXPECT_EQ(State().pixelStep, 50);
  EXPECT_EQ(State().sampleStride, 1);
  Click(570, 320);
  EXPECT_EQ(State().refreshPeriod, 1000);
  Click(575, 100);
  EXPECT_EQ(State().scopeMode, ScopeMode::Lissajous);
  EXPECT_EQ(State().traceSet, TraceSet::Lissajous);
  Click(670, 400);
  EXPECT_EQ(State().verticalScale, VerticalScale::Linear);
  Click(575, 345);  // Synchronisation: nothing
  EXPECT_EQ(State().verticalGain, 1);
  EXPECT_EQ(State().scopeMode, ScopeMode::Lissajous);
}

TEST_F(PanelTest, ScaleSideBoxesAreDrawnAndClickableOnlyInTheOffsetLayout) {
  view->OnCommand(CommandId::StereoOverlay);
  DrawPanel();
  EXPECT_FALSE(HasBoxAtX(710));
  EXPECT_FALSE(HasText("Droite", 730, 373));
  EXPECT_TRUE(HasBoxAtX(665));
  Click(715, 395);
  EXPECT_EQ(State().scaleSide, ScaleSide::Right);
  Click(575, 25);
  Click(715, 395);
  EXPECT_EQ(State().scaleSide, ScaleSide::Left);
  Click(715, 375);
  EXPECT_EQ(State().scaleSide, ScaleSide::Right);
}

TEST_F(PanelTest, AClickInTheTraceAreaStartsAStoppedMeasurementOnce) {
  Click(15, 200);
  Click(524, 200);
  Click(300, 424);
  EXPECT_EQ(State().acquisitionRunning, 0);
  Click(300, 200);
  EXPECT_EQ(State().acquisitionRunning, 1);
  EXPECT_EQ(State().capturePhase, CapturePhase::Arm);
  ASSERT_TRUE(timers.IsArmed(TimerId::Acquisition));
  EXPECT_EQ(timers.PeriodOf(TimerId::Acquisition), 400u);
  const int armings = timers.setCount;
  Click(300, 200);
  EXPECT_EQ(timers.setCount, armings);

  surface.Clear();
  DrawPanelRemainder(State(), surface);
  EXPECT_TRUE(HasText(PanelLayout::kPromptWhileRunning, PanelLayout::kPromptAt.x,
                      PanelLayout::kPromptAt.y));
}

TEST_F(PanelTest, OutsideTheOscilloscopeClicksOnlyRepaint) {
  view->OnCommand(CommandId::Spectrograph);
  invalidation.entries.clear();
  Click(575, 356);
  Click(300, 200);
  EXPECT_EQ(State().acquisitionRunning, 0);
  EXPECT_EQ(State().displayFamily, DisplayFamily::Spectrograph);
  ASSERT_EQ(invalidation.entries.size(), 2u);
  EXPECT_TRUE(invalidation.entries[1].wholeView);
}

TEST_F(PanelTest, EveryClickReturnsToTheScreenAndRepaintsTheWholeView) {
  State().outputTarget = OutputTarget::Printer;
  invalidation.entries.clear();
  Click(790, 590);
  EXPECT_EQ(State().outputTarget, OutputTarget::Screen);
  ASSERT_FALSE(invalidation.entries.empty());
  EXPECT_TRUE(invalidation.entries.back().wholeView);
}

}  // namespace
