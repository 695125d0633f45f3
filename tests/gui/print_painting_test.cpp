// A printed page: the whole oscilloscope reaches the paper, the last trace included; the
// window meanwhile stays at the screen's scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "analyser/app/print_painting.h"
#include "analyser/app/view_widget.h"
#include "analyser/view/sylvarine_view.h"
#include "tests/support/view_on_doubles.h"
#include "tests/support/gui_application.h"

namespace {

int CountColour(const QImage& image, QRgb colour, int top, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
  return count;
}

using PrintRig = ViewOnDoubles;

TEST(PrintPainting, BothChannelTracesReachThePage) {
  EnsureApplication();
  auto rig = std::make_unique<PrintRig>();
  rig->view.PreCreateWindow();  // first run: red upper trace, yellow lower trace
  SampleBlock& block = rig->document.Block();
  for (int i = 0; i < kSignificantSamples; ++i) {
    block.rightSamples[i] = 50;  // drawn at y 170
    block.leftSamples[i] = 50;   // drawn at y 370
  }
  ASSERT_TRUE(rig->view.OnPreparePrinting([] { return true; }));
  rig->view.OnBeginPrinting();
  QImage page(kPrinterPageWidth, kPrinterPageHeight, QImage::Format_RGB32);
  page.fill(Qt::white);
  ASSERT_TRUE(PaintForPrinting(page, rig->view));
  rig->view.OnEndPrinting();

  // Three device units per logical unit: the traces lie near y 510 and 1110.
  EXPECT_GT(CountColour(page, qRgb(255, 0, 0), 480, 540), 1000);
  EXPECT_GT(CountColour(page, qRgb(255, 255, 0), 1080, 1140), 1000);
}

// The print dialog is open between the preparation and the printing: a part of the window
// uncovered then is painted as the screen shows it, not three times too large.
TEST(PrintPainting, TheWindowKeepsTheScreenScaleWhilePrinting) {
  EnsureApplication();
  auto rig = std::make_unique<PrintRig>();
  rig->view.PreCreateWindow();
  CViewWidget widget;
  widget.Attach(&rig->view);
  widget.resize(800, 600);
  bool painted = false;
  ASSERT_TRUE(rig->view.OnPreparePrinting([&] {
    const QImage window = widget.grab().toImage();
    // The grey margin and the trace area's black border where the screen has them.
    EXPECT_EQ(window.pixel(5, 5), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(window.pixel(20, 100), qRgb(0, 0, 0));
    painted = true;
    return true;
  }));
  EXPECT_TRUE(painted);
  EXPECT_EQ(rig->view.State().outputTarget, OutputTarget::Printer);
  rig->view.OnEndPrinting();
}

}  // namespace
