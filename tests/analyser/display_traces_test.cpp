#include <limits>

#include "analyser/display/traces.h"
#include "tests/analyser/display_fixture.h"

namespace {

class TracesTest : public DisplayTest {
 protected:
  // The lines of one trace pen after the grid: the pens differ by colour.
  std::vector<RecordingSurface::Line> TraceLines(Colour colour) {
    std::vector<RecordingSurface::Line> out;
    for (const auto& line : surface.Lines())
      if (line.pen.colour == colour && line.pen.width == 2) out.push_back(line);
    return out;
  }
  static std::vector<int32_t> EndXs(const std::vector<RecordingSurface::Line>& lines) {
    std::vector<int32_t> xs;
    for (const auto& line : lines) xs.push_back(line.to.x);
    return xs;
  }
};

TEST_F(TracesTest, FastestSweepDrawsElevenLinesEndingAt516) {
  ApplyTimeBase(State(), kTimeBaseRows[7]);  // 0.2 ms
  Paint();
  const auto right = TraceLines(kRed);
  EXPECT_EQ(EndXs(right),
            (std::vector<int32_t>{23, 73, 123, 173, 223, 273, 323, 373, 423, 473, 516}));
  EXPECT_EQ(right.front().from, (Point{23, 120}));  // zero length first line
  EXPECT_EQ(right.back().to.x - right.back().from.x, 43);
  EXPECT_EQ(TraceLines(kYellow).size(), 11u);
}

TEST_F(TracesTest, EveryTimeBaseCoversTheTraceAreaWithItsPointCount) {
  const size_t points[8] = {493, 493, 493, 247, 100, 51, 26, 11};
  for (int row = 0; row < 8; ++row) {
    ApplyTimeBase(State(), kTimeBaseRows[row]);
    Paint();
    const auto right = TraceLines(kRed);
    ASSERT_EQ(right.size(), points[row]) << "time base " << kTimeBaseRows[row].timeBase;
    EXPECT_EQ(right.front().to.x, 23);
    EXPECT_EQ(right.back().to.x, 516);
  }
}

TEST_F(TracesTest, SweepStartsAtTriggerPlus300AndAdvancesByStride) {
  for (int k = 0; k < kSignificantSamples; ++k) Block().rightSamples[k] = k % 64;
  ApplyTimeBase(State(), kTimeBaseRows[0]);  // 50 ms: stride 5
  State().triggerOffset = 17;
  Paint();
  const auto right = TraceLines(kRed);
  ASSERT_GE(right.size(), 3u);
  EXPECT_EQ(right[0].to.y, 120 + 317 % 64);
  EXPECT_EQ(right[1].to.y, 120 + 322 % 64);
  EXPECT_EQ(right[2].to.y, 120 + 327 % 64);
  EXPECT_EQ(right.back().to.y, 120 + (317 + 5 * 492) % 64);  // the 493rd sample of the walk

  // No trigger: every time base starts at sample 300.
  State().triggerOffset = 0;
  Paint();
  EXPECT_EQ(TraceLines(kRed)[0].to.y, 120 + 300 % 64);
}

TEST_F(TracesTest, CursorStopsAtTheLastSignificantSample) {
  for (int k = 0; k < kSignificantSamples; ++k) Block().rightSamples[k] = k == 4010 ? 77 : 0;
  ApplyTimeBase(State(), kTimeBaseRows[0]);
  State().triggerOffset = 700;  // 1000 + 2460 stays inside; push further through the stride
  State().sampleStride = 9;
  Paint();
  EXPECT_EQ(TraceLines(kRed).back().to.y, 197);  // sample 4010, not past it
}

TEST_F(TracesTest, ZerosAndSilenceInEveryMode) {
  FillChannels(0, 0);
  Paint();
  for (const auto& line : TraceLines(kRed)) ASSERT_EQ(line.to.y, 120);
  for (const auto& line : TraceLines(kYellow)) ASSERT_EQ(line.to.y, 320);

  // Captured silence is +1 per channel: gain units below the zero lines, the sum twice that.
  FillChannels(1, 1);
  State().verticalGain = 5;
  Paint();
  for (const auto& line : TraceLines(kRed)) ASSERT_EQ(line.to.y, 125);
  for (const auto& line : TraceLines(kYellow)) ASSERT_EQ(line.to.y, 325);
  ShowScopeMode(ScopeMode::Sum);
  Paint();
  ASSERT_FALSE(TraceLines(kBlue).empty());
  for (const auto& line : TraceLines(kBlue)) ASSERT_EQ(line.to.y, 230);
  EXPECT_TRUE(TraceLines(kRed).empty());
  ShowScopeMode(ScopeMode::Difference);
  Paint();
  for (const auto& line : TraceLines(kGreen)) ASSERT_EQ(line.to.y, 220);
}

TEST_F(TracesTest, OverlayDrawsRightThenLeftAroundTheCentre) {
  FillChannels(10, -10);
  ShowScopeMode(ScopeMode::StereoOverlay);
  Paint();
  const auto lines = surface.Lines();
  size_t firstRed = lines.size(), firstYellow = lines.size();
  for (size_t k = 0; k < lines.size(); ++k) {
    if (lines[k].pen.colour == kRed && firstRed == lines.size()) firstRed = k;
    if (lines[k].pen.colour == kYellow && firstYellow == lines.size()) firstYellow = k;
  }
  EXPECT_LT(firstRed, firstYellow);
  EXPECT_EQ(TraceLines(kRed)[5].to.y, 230);
  EXPECT_EQ(TraceLines(kYellow)[5].to.y, 210);
}

TEST_F(TracesTest, FullScaleAtGainFiveIsFlattenedAtTheClipLines) {
  for (int k = 0; k < kSignificantSamples; ++k) {
    Block().rightSamples[k] = k % 2 ? 128 : -127;
    Block().leftSamples[k] = k % 2 ? -127 : 128;
  }
  State().verticalGain = 5;
  ApplyTimeBase(State(), kTimeBaseRows[2]);
  Paint();
  for (const auto& line : TraceLines(kRed)) ASSERT_TRUE(line.to.y == 22 || line.to.y == 416);
  for (const auto& line : TraceLines(kYellow)) ASSERT_TRUE(line.to.y == 22 || line.to.y == 416);
}

TEST_F(TracesTest, OffsetTracesMayCrossEachOther) {
  FillChannels(128, -128);
  Paint();
  EXPECT_EQ(TraceLines(kRed)[3].to.y, 248);     // right trace below the left zero line
  EXPECT_EQ(TraceLines(kYellow)[3].to.y, 192);  // left trace above the right one
}

TEST_F(TracesTest, LissajousJoinsPairs300To1000AndShowsTheDiagonals) {
  ShowScopeMode(ScopeMode::Lissajous);
  for (int k = 0; k < kSignificantSamples; ++k) {
    const int32_t v = k % 200 - 100;
    Block().rightSamples[k] = v;
    Block().leftSamples[k] = v;
  }
  Paint();
  auto lines = TraceLines(kPurple);
  ASSERT_EQ(lines.size(), 700u);
  EXPECT_EQ(lines.back().to, (Point{270 + 1000 % 200 - 100, 220 + 1000 % 200 - 100}));
  EXPECT_EQ(lines.front().from, (Point{270 + 300 % 200 - 100, 220 + 300 % 200 - 100}));
  for (const auto& line : lines) ASSERT_EQ(line.to.x - 270, line.to.y - 220);  // x, y grow together

  for (int k = 0; k < kSignificantSamples; ++k) Block().leftSamples[k] = -Block().rightSamples[k];
  Paint();
  lines = TraceLines(kPurple);
  for (const auto& line : lines) ASSERT_EQ(line.to.x - 270, -(line.to.y - 220));
}

TEST_F(TracesTest, LissajousClipsXTo516AndYTo416) {
  ShowScopeMode(ScopeMode::Lissajous);
  FillChannels(128, 128);
  State().verticalGain = 5;
  Paint();
  EXPECT_EQ(TraceLines(kPurple).back().to, (Point{516, 416}));
  FillChannels(-127, -127);
  Paint();
  EXPECT_EQ(TraceLines(kPurple).back().to, (Point{22, 22}));
}

TEST(TraceMapping, AnyThirtyTwoBitValueMapsWithoutOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(TraceY(220, 5, kMax), 416);
  // 5 * 858993460 passes 2^32: clamped to the bottom, not wrapped to just below zero.
  EXPECT_EQ(TraceY(120, 5, 858993460), 416);
  EXPECT_EQ(LissajousX(5, 858993460), 516);
  EXPECT_EQ(TraceY(220, 5, kMin), 22);
  EXPECT_EQ(TraceY(320, 1, kMin + 1), 22);
  EXPECT_EQ(LissajousX(5, kMax), 516);
  EXPECT_EQ(LissajousX(5, kMin), 22);
  // Capture-range values: the formula as written.
  for (int32_t gain : {1, 2, 5})
    for (int32_t v = -127; v <= 128; ++v) {
      const int32_t y = 120 + gain * v;
      ASSERT_EQ(TraceY(120, gain, v), y < 22 ? 22 : (y > 416 ? 416 : y));
      const int32_t x = gain * v + 270;
      ASSERT_EQ(LissajousX(gain, v), x < 22 ? 22 : (x > 516 ? 516 : x));
    }
}

TEST_F(TracesTest, ExtremeSnapshotValuesPaintInsideTheTraceArea) {
  FillChannels(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min());
  Block().sumSamples[300] = std::numeric_limits<int32_t>::min();
  State().verticalGain = 5;
  Paint();
  ShowScopeMode(ScopeMode::Lissajous);
  Paint();
  for (const auto& line : surface.Lines()) {
    if (line.pen.width != 2) continue;  // traces only, not the panel
    ASSERT_GE(line.to.x, 20);
    ASSERT_LE(line.to.x, 520);
  }
}

}  // namespace
