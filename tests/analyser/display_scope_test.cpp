#include <cstring>
#include <vector>

#include "tests/analyser/display_fixture.h"

namespace {

using Op = RecordingSurface::Op;

class ScopeScreenTest : public DisplayTest {
 protected:
  std::vector<RecordingSurface::Line> AxisLines() { return surface.LinesWith(State().axisPen); }
  std::vector<RecordingSurface::Line> DottedLines() {
    return surface.LinesWith(State().gridDotPen);
  }
  bool HasLine(const std::vector<RecordingSurface::Line>& lines, Point from, Point to) {
    for (const auto& line : lines)
      if (line.from == from && line.to == to) return true;
    return false;
  }
};

TEST_F(ScopeScreenTest, ScreenMappingMarginsAndButtonFaceBeyondTheDrawing) {
  surface = RecordingSurface({0, 0, 1000, 700}, 0x123456);
  Paint();
  const auto mapping = surface.Of(Op::SetMapping);
  ASSERT_EQ(mapping.size(), 1u);
  EXPECT_EQ((std::vector<int32_t>{mapping[0].a, mapping[0].b, mapping[0].c, mapping[0].d}),
            (std::vector<int32_t>{800, 600, 800, 600}));
  const auto fills = surface.Fills();
  ASSERT_GE(fills.size(), 7u);
  const RecordingSurface::Fill expected[7] = {
      {0, 0, 800, 14, kGrey},       {0, 0, 14, 600, kGrey},  {528, 0, 36, 600, kGrey},
      {0, 425, 800, 175, kGrey},    {776, 0, 24, 600, kGrey}, {0, 500, 1000, 700, 0x123456},
      {800, 0, 1000, 700, 0x123456}};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(fills[k].x, expected[k].x) << k;
    EXPECT_EQ(fills[k].y, expected[k].y) << k;
    EXPECT_EQ(fills[k].width, expected[k].width) << k;
    EXPECT_EQ(fills[k].height, expected[k].height) << k;
    EXPECT_EQ(fills[k].colour, expected[k].colour) << k;
  }
  const auto edges = surface.Of(Op::DrawBumpEdge);
  ASSERT_FALSE(edges.empty());
  EXPECT_EQ((Rect{edges[0].a, edges[0].b, edges[0].c, edges[0].d}), (Rect{15, 15, 527, 424}));
  EXPECT_EQ(State().scopeFrame, (Rect{15, 15, 527, 424}));
}

TEST_F(ScopeScreenTest, TraceAreaIsFramedBeforeGridAndTraces) {
  Paint();
  const auto& entries = surface.entries;
  size_t frame = entries.size(), firstGridLine = entries.size(), lastScale = 0;
  for (size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].op == Op::DrawRectangle) {
      frame = k;
      EXPECT_EQ(entries[k].pen, (PenSpec{PenStyle::Solid, 4, 0}));
      EXPECT_EQ((Rect{entries[k].a, entries[k].b, entries[k].c, entries[k].d}),
                (Rect{20, 20, 520, 420}));
    }
    if (entries[k].op == Op::LineTo && entries[k].pen == State().gridDotPen &&
        firstGridLine == entries.size())
      firstGridLine = k;
    if (entries[k].op == Op::FillSolidRect && entries[k].a == 520) lastScale = k;
  }
  EXPECT_LT(lastScale, frame);  // the frame covers the inner part of the zone bar
  EXPECT_LT(frame, firstGridLine);
}

TEST_F(ScopeScreenTest, GridCentreLinesDotsAndTicks) {
  Paint();
  const auto axis = AxisLines();
  EXPECT_TRUE(HasLine(axis, {20, 220}, {520, 220}));
  EXPECT_TRUE(HasLine(axis, {270, 20}, {270, 420}));
  const auto dotted = DottedLines();
  ASSERT_EQ(dotted.size(), 16u);
  for (int32_t x : {45, 90, 135, 180, 225, 315, 360, 405, 450, 495}) {
    EXPECT_TRUE(HasLine(dotted, {x, 20}, {x, 420})) << x;
    EXPECT_TRUE(HasLine(axis, {x, 210}, {x, 230})) << x;
  }
  for (int32_t y : {70, 120, 170, 270, 320, 370}) {
    EXPECT_TRUE(HasLine(dotted, {20, y}, {520, y})) << y;
    EXPECT_TRUE(HasLine(axis, {260, y}, {280, y})) << y;
  }
  EXPECT_FALSE(HasLine(dotted, {270, 20}, {270, 420}));
  EXPECT_EQ(axis.size(), 2u + 16u + 36u);
}

TEST_F(ScopeScreenTest, HiddenGridKeepsTheThirtySixBorderTicks) {
  State().gridVisible = 0;
  Paint();
  EXPECT_TRUE(DottedLines().empty());
  const auto axis = AxisLines();
  ASSERT_EQ(axis.size(), 36u);
  for (int32_t x = 45; x <= 495; x += 45) {
    EXPECT_TRUE(HasLine(axis, {x, 20}, {x, 30})) << x;
    EXPECT_TRUE(HasLine(axis, {x, 420}, {x, 410})) << x;
  }
  for (int32_t y = 70; y <= 370; y += 50) {
    EXPECT_TRUE(HasLine(axis, {20, y}, {30, y})) << y;
    EXPECT_TRUE(HasLine(axis, {520, y}, {510, y})) << y;
  }
}

TEST_F(ScopeScreenTest, PrinterMappingSkipsMarginsButKeepsFrameScaleAndTraces) {
  State().outputTarget = OutputTarget::Printer;
  Paint();
  const auto mapping = surface.Of(Op::SetMapping);
  ASSERT_EQ(mapping.size(), 1u);
  EXPECT_EQ(mapping[0].c, 2400);
  EXPECT_EQ(mapping[0].d, 1800);
  for (const auto& fill : surface.Fills()) EXPECT_EQ(fill.x, 520);  // only the zone bar
  EXPECT_EQ(surface.Of(Op::DrawBumpEdge).size(), 1u);
  EXPECT_EQ(surface.Of(Op::DrawRectangle).size(), 1u);
  size_t timeLabels = 0;
  for (const auto& text : surface.Texts()) {
    EXPECT_LT(text.y, 455) << text.text;  // no prompt at y 460
    EXPECT_LT(text.x, 555) << text.text;  // no panel hint
    if (text.y == 430) ++timeLabels;
  }
  EXPECT_EQ(timeLabels, 11u);
  EXPECT_FALSE(surface.LinesWith(State().topTracePen).empty());
}

TEST_F(ScopeScreenTest, ResourcesAreCreatedOnlyWhenPending) {
  ASSERT_EQ(State().resourcesPending, 1);
  Paint();
  EXPECT_EQ(State().resourcesPending, 0);
  EXPECT_STREQ(State().fontFaceName, "Arial");
  const FontSpec& label = State().labelFont;
  EXPECT_EQ(label.height, 12);
  EXPECT_EQ(label.width, 5);
  EXPECT_EQ(label.weight, 100);
  EXPECT_EQ(label.charSet, 255);
  EXPECT_STREQ(label.faceName, "Arial");
  EXPECT_EQ(State().meterFont.height, 24);
  EXPECT_EQ(State().meterFont.width, 10);
  EXPECT_EQ(State().framePen, (PenSpec{PenStyle::Solid, 4, 0}));
  EXPECT_EQ(State().gridDotPen, (PenSpec{PenStyle::Dot, 1, 0}));
  EXPECT_EQ(State().thinPen, (PenSpec{PenStyle::Solid, 1, 0}));
  EXPECT_EQ(State().topTracePen, (PenSpec{PenStyle::Solid, 2, kRed}));

  // New preferences without the pending flag: the old pens stay.
  State().traceThickness = 5;
  State().sumTraceColour = kPurple;
  Paint();
  EXPECT_EQ(State().topTracePen.width, 2);
  EXPECT_EQ(surface.LinesWith(PenSpec{PenStyle::Solid, 5, kRed}).size(), 0u);

  // Set again: every trace pen changes at once, at the next paint.
  State().resourcesPending = 1;
  Paint();
  EXPECT_EQ(State().resourcesPending, 0);
  for (const PenSpec* pen : {&State().topTracePen, &State().bottomTracePen, &State().sumTracePen,
                             &State().differenceTracePen, &State().lissajousTracePen})
    EXPECT_EQ(pen->width, 5);
  EXPECT_EQ(State().sumTracePen.colour, kPurple);
  EXPECT_EQ(surface.LinesWith(PenSpec{PenStyle::Solid, 5, kRed}).size(), 51u);
}

TEST_F(ScopeScreenTest, PaintShowsTheDocumentsCurrentBlock) {
  FillChannels(7, 0);
  Paint();
  EXPECT_EQ(State().samples.rightSamples[4010], 7);
  EXPECT_EQ(surface.LinesWith(State().topTracePen).back().to.y, 127);
  FillChannels(-3, 0);
  Paint();
  EXPECT_EQ(surface.LinesWith(State().topTracePen).back().to.y, 117);
}

TEST_F(ScopeScreenTest, LoadedSnapshotGetsItsSpectraOnceAtTheFirstPaint) {
  std::vector<uint8_t> bytes(kSnapshotBytes);
  for (size_t k = 0; k < 4011; ++k) bytes[4 * k] = static_cast<uint8_t>((k * 7) % 200);
  ASSERT_EQ(document.LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  Paint();
  EXPECT_EQ(document.loadedFromFile, 0);
  const SpectrumResultArrays afterLoad = State().spectrum;

  // The same block analysed once by hand gives the same spectra.
  FakeTimers t;
  RecordingInvalidation i;
  ScriptedMessages m;
  FakeSoundInput so;
  MemoryProfile p;
  CSylvarineDoc d;
  CSylvarineView reference(d, {t, i, m, so, p});
  reference.PreCreateWindow();
  document.ProvideBlock(reference.State().samples);
  reference.AnalyseSpectrum(1);
  reference.AnalyseSpectrum(2);
  EXPECT_EQ(std::memcmp(&afterLoad, &reference.State().spectrum, sizeof afterLoad), 0);

  // Later paints leave the spectra alone.
  Paint();
  Paint();
  EXPECT_EQ(std::memcmp(&afterLoad, &State().spectrum, sizeof afterLoad), 0);
}

TEST_F(ScopeScreenTest, MetersSelectTheMeterFontAndDrawNoScopeScreen) {
  Paint();  // resources
  State().displayFamily = DisplayFamily::VuMeters;
  Paint();
  const auto fonts = surface.Of(Op::SelectFont);
  ASSERT_FALSE(fonts.empty());
  EXPECT_EQ(fonts[0].font, State().meterFont);
  EXPECT_TRUE(surface.Of(Op::DrawRectangle).empty());
  State().displayFamily = DisplayFamily::Spectrograph;
  Paint();
  EXPECT_TRUE(surface.Of(Op::DrawRectangle).empty());
}

}  // namespace
