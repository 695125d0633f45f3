// The oscilloscope screen's paint as behaviour: what follows the client's size, the
// colours, the grid, the preferences and the document. Its coordinates are the recorded
// paints' (tests/data/paints).
#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/analyser/display_fixture.h"

namespace {

using Op = RecordingSurface::Op;
using Line = RecordingSurface::Line;

class ScopeScreenTest : public DisplayTest {
 protected:
  std::vector<Line> AxisLines() { return surface.LinesWith(State().axisPen); }
  std::vector<Line> DottedLines() { return surface.LinesWith(State().gridDotPen); }
};

TEST_F(ScopeScreenTest, MarginsTakeTheBackgroundAndTheButtonFaceReachesTheClientsEdges) {
  State().scopeBackgroundColour = 0x123456;
  surface = RecordingSurface({0, 0, 1000, 700}, 0xABCDEF);
  Paint();
  int margins = 0;
  std::vector<RecordingSurface::Fill> face;
  for (const auto& fill : surface.Fills()) {
    margins += fill.colour == 0x123456;
    if (fill.colour == 0xABCDEF) face.push_back(fill);
  }
  EXPECT_EQ(margins, 5);
  ASSERT_EQ(face.size(), 2u);  // below the drawing and right of it, to the client's edges
  for (const auto& fill : face) {
    EXPECT_EQ(fill.width, 1000);
    EXPECT_EQ(fill.height, 700);
  }
}

TEST_F(ScopeScreenTest, TraceAreaIsFramedAfterTheScaleBarAndBeforeGridAndTraces) {
  Paint();
  const auto& entries = surface.entries;
  size_t frame = entries.size(), firstGridLine = entries.size(), lastScale = 0;
  for (size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].op == Op::DrawRectangle) {
      frame = k;
      EXPECT_EQ(entries[k].pen, State().framePen);
    }
    if (entries[k].op == Op::LineTo && entries[k].pen == State().gridDotPen &&
        firstGridLine == entries.size())
      firstGridLine = k;
    if (entries[k].op == Op::FillSolidRect && entries[k].a == 520) lastScale = k;
  }
  EXPECT_LT(lastScale, frame);  // the frame covers the inner part of the zone bar
  EXPECT_LT(frame, firstGridLine);
  EXPECT_LT(firstGridLine, entries.size());
}

TEST_F(ScopeScreenTest, AHiddenGridKeepsOnlyItsThirtySixBorderTicks) {
  Paint();
  const auto withGrid = AxisLines();
  ASSERT_FALSE(DottedLines().empty());
  State().gridVisible = 0;
  Paint();
  EXPECT_TRUE(DottedLines().empty());
  const auto withoutGrid = AxisLines();
  ASSERT_EQ(withoutGrid.size(), 36u);
  for (const Line& tick : withoutGrid) {
    const bool drawnWithTheGrid = std::any_of(withGrid.begin(), withGrid.end(), [&](const Line& l) {
      return l.from == tick.from && l.to == tick.to;
    });
    EXPECT_TRUE(drawnWithTheGrid) << tick.from.x << "," << tick.from.y;
  }
}

TEST_F(ScopeScreenTest, ResourcesAreMadeAnewOnlyWhenPending) {
  ASSERT_EQ(State().resourcesPending, 1);
  Paint();
  EXPECT_EQ(State().resourcesPending, 0);
  EXPECT_STREQ(State().fontFaceName, "Arial");
  EXPECT_EQ(State().labelFont.charSet, 255);  // what the recorded paints do not show

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
  const int32_t zeroLine = State().rightTraceCentre;
  FillChannels(7, 0);
  Paint();
  EXPECT_EQ(State().samples.rightSamples[4010], 7);
  EXPECT_EQ(surface.LinesWith(State().topTracePen).back().to.y, zeroLine + 7);
  FillChannels(-3, 0);
  Paint();
  EXPECT_EQ(surface.LinesWith(State().topTracePen).back().to.y, zeroLine - 3);
}

TEST_F(ScopeScreenTest, LoadedSnapshotGetsItsSpectraOnceAtTheFirstPaint) {
  std::vector<uint8_t> bytes(kSnapshotBytes);
  for (size_t k = 0; k < 4011; ++k) bytes[4 * k] = static_cast<uint8_t>((k * 7) % 200);
  ASSERT_EQ(document.LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  Paint();
  EXPECT_EQ(document.loadedFromFile, 0);
  const SpectrumResultArrays afterLoad = State().spectrum;

  // The same block analysed once by hand gives the same spectra.
  auto reference = std::make_unique<ViewOnDoubles>();
  reference->view.PreCreateWindow();
  document.ProvideBlock(reference->view.State().samples);
  reference->view.AnalyseSpectrum(1);
  reference->view.AnalyseSpectrum(2);
  EXPECT_EQ(std::memcmp(&afterLoad, &reference->view.State().spectrum, sizeof afterLoad), 0);

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
