#include <gtest/gtest.h>


#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "analyser/app/support/font_realisation.h"
#include "analyser/app/support/qpainter_surface.h"
#include "tests/support/gui_application.h"

namespace {

class QPainterSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }

  // Paints on a fresh white picture through the surface.
  template <typename Paint>
  QImage Picture(QSize size, Paint paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
      QPainterSurface surface(painter, caches, QRect(QPoint(0, 0), size));
      paint(surface);
    }
    painter.end();
    return image;
  }
  static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
  PainterCaches caches;
  static constexpr QRgb kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000;
};

TEST_F(QPainterSurfaceTest, ZeroWidthPenIsOnePixelAndColoursAreBgr) {
  const QImage image = Picture({60, 30}, [](DrawingSurface& s) {
    s.SetMapping(800, 600, 800, 600);
    s.SelectPen(PenSpec{PenStyle::Solid, 0, 0x0000FF});  // red in the low byte
    s.MoveTo(5, 10);
    s.LineTo(50, 10);
  });
  EXPECT_EQ(At(image, 20, 10), kRed);
  EXPECT_EQ(At(image, 20, 9), kWhite);
  EXPECT_EQ(At(image, 20, 11), kWhite);
}

TEST_F(QPainterSurfaceTest, WidePensHaveTheirWidthWithoutAntialiasing) {
  const QImage image = Picture({60, 30}, [](DrawingSurface& s) {
    s.SelectPen(PenSpec{PenStyle::Solid, 4, 0});
    s.MoveTo(5, 15);
    s.LineTo(50, 15);
  });
  int rows = 0;
  for (int y = 0; y < 30; ++y) {
    const QRgb pixel = At(image, 25, y);
    ASSERT_TRUE(pixel == kWhite || pixel == kBlack) << y;  // no blended edge
    rows += pixel == kBlack;
  }
  EXPECT_EQ(rows, 4);
}

TEST_F(QPainterSurfaceTest, RectangleErasesItsInteriorWithWhite) {
  const QImage image = Picture({40, 40}, [](DrawingSurface& s) {
    s.FillSolidRect(0, 0, 40, 40, 0x00FF00);
    s.SelectPen(PenSpec{PenStyle::Solid, 1, 0});
    s.DrawRectangle(Rect{5, 5, 30, 30});
  });
  EXPECT_EQ(At(image, 15, 15), kWhite);
  EXPECT_EQ(At(image, 5, 15), kBlack);
  EXPECT_EQ(At(image, 29, 15), kBlack);  // the right edge is exclusive, as for a rectangle
  EXPECT_EQ(At(image, 30, 15), 0x00FF00u);
  EXPECT_EQ(At(image, 2, 2), 0x00FF00u);
}

TEST_F(QPainterSurfaceTest, PrinterMappingScalesEveryUnitByThree) {
  const QImage image = Picture({90, 90}, [](DrawingSurface& s) {
    s.SetMapping(800, 600, 2400, 1800);
    s.FillSolidRect(10, 10, 5, 5, 0);
  });
  EXPECT_EQ(At(image, 29, 35), kWhite);
  EXPECT_EQ(At(image, 30, 30), kBlack);
  EXPECT_EQ(At(image, 44, 44), kBlack);
  EXPECT_EQ(At(image, 45, 40), kWhite);
}

TEST_F(QPainterSurfaceTest, GatheredLinesAreDrawnBeforeWhatFollows) {
  const QImage image = Picture({60, 30}, [](DrawingSurface& s) {
    s.SelectPen(PenSpec{PenStyle::Solid, 2, 0});
    s.MoveTo(0, 10);
    s.LineTo(30, 10);
    s.LineTo(59, 10);
    s.FillSolidRect(20, 0, 10, 30, 0x0000FF);  // over the line
    s.MoveTo(0, 20);
    s.LineTo(59, 20);  // drawn when the surface ends
  });
  EXPECT_EQ(At(image, 25, 10), kRed);
  EXPECT_EQ(At(image, 40, 10), kBlack);
  EXPECT_EQ(At(image, 25, 20), kBlack);
}

TEST_F(QPainterSurfaceTest, DottedPenLeavesGaps) {
  const QImage image = Picture({100, 10}, [](DrawingSurface& s) {
    s.SelectPen(PenSpec{PenStyle::Dot, 1, 0});
    s.MoveTo(0, 5);
    s.LineTo(99, 5);
  });
  int black = 0;
  for (int x = 0; x < 100; ++x) black += At(image, x, 5) == kBlack;
  EXPECT_GT(black, 20);
  EXPECT_LT(black, 80);
}

TEST_F(QPainterSurfaceTest, BumpEdgeIsRaisedOutsideAndSunkenInside) {
  const QPalette palette = QGuiApplication::palette();
  // A bump is drawn in the 3-D light and dark shadow shades.
  const QRgb light = palette.color(QPalette::Midlight).rgb() & 0xFFFFFFu;
  const QRgb dark = palette.color(QPalette::Shadow).rgb() & 0xFFFFFFu;
  ASSERT_NE(light, dark);
  const QImage image = Picture({40, 40}, [](DrawingSurface& s) {
    s.FillSolidRect(0, 0, 40, 40, 0x00FF00);
    s.DrawBumpEdge(Rect{5, 5, 35, 35});
  });
  EXPECT_EQ(At(image, 5, 20), light);   // outer left
  EXPECT_EQ(At(image, 34, 20), dark);   // outer right
  EXPECT_EQ(At(image, 6, 20), dark);    // inner left
  EXPECT_EQ(At(image, 33, 20), light);  // inner right
  EXPECT_EQ(At(image, 20, 5), light);
  EXPECT_EQ(At(image, 20, 34), dark);
  EXPECT_EQ(At(image, 20, 20), 0x00FF00u);  // the inside is left alone
  EXPECT_EQ(At(image, 4, 20), 0x00FF00u);
}

TEST_F(QPainterSurfaceTest, ArialMapsToACellOfTheGivenHeightAndAverageWidth) {
  FontSpec description;
  description.height = 12;
  description.width = 5;
  description.weight = 100;
  std::strcpy(description.faceName, "Arial");
  const QFont font = RealiseFont(description);
  const QFontMetrics metrics(font);
  EXPECT_LE(metrics.height(), 12);
  EXPECT_GE(metrics.height(), 10);
  EXPECT_NEAR(metrics.averageCharWidth(), 5, 1);
  EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);

  description.height = 24;
  description.width = 10;
  const QFontMetrics large(RealiseFont(description));
  EXPECT_LE(large.height(), 24);
  EXPECT_GE(large.height(), 21);
  EXPECT_NEAR(large.averageCharWidth(), 10, 1);
}

TEST_F(QPainterSurfaceTest, TextTopIsAtTheGivenPoint) {
  FontSpec description;
  description.height = 24;
  description.width = 10;
  std::strcpy(description.faceName, "Arial");
  const QImage image = Picture({80, 60}, [&description](DrawingSurface& s) {
    s.SelectFont(description);
    s.SetTransparentText();
    s.SetTextColour(0);
    s.TextOut(10, 20, "H");
  });
  int top = -1, bottom = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x)
      if (At(image, x, y) != kWhite) {
        if (top < 0) top = y;
        bottom = y;
      }
  ASSERT_GE(top, 0);
  EXPECT_GE(top, 20);        // nothing above the cell
  EXPECT_LE(bottom, 20 + 24);  // nor below it
  EXPECT_LE(top, 20 + 8);    // a capital starts near the cell's top
}

// Row y from x0 to x1 inclusive, black pixels as '#', others as '.'.
std::string Row(const QImage& image, int y, int x0, int x1) {
  std::string out;
  for (int x = x0; x <= x1; ++x) out += (image.pixel(x, y) & 0xFFFFFFu) == 0 ? '#' : '.';
  return out;
}

TEST_F(QPainterSurfaceTest, ThinLinesLeaveOutTheirEndPointAndZeroLengthDrawsNothing) {
  const QImage image = Picture({60, 30}, [](DrawingSurface& s) {
    s.SetMapping(800, 600, 800, 600);
    s.SelectPen(PenSpec{PenStyle::Solid, 1, 0});  // one pixel on the screen
    s.MoveTo(5, 10);
    s.LineTo(10, 10);
    s.LineTo(10, 14);  // the joint at (10, 10) is the next line's start
    s.MoveTo(30, 20);
    s.LineTo(30, 20);
    s.SelectPen(PenSpec{PenStyle::Solid, 0, 0});
    s.MoveTo(20, 5);
    s.LineTo(15, 5);  // backwards: (20, 5) drawn, (15, 5) not
  });
  EXPECT_EQ(Row(image, 10, 3, 12), "..######..");
  EXPECT_EQ(Row(image, 13, 9, 11), ".#.");
  EXPECT_EQ(Row(image, 14, 9, 11), "...");
  EXPECT_EQ(Row(image, 20, 28, 32), ".....");
  EXPECT_EQ(Row(image, 5, 14, 21), "..#####.");
}

TEST_F(QPainterSurfaceTest, DotsAreThreePixelsOnThreeOffFromTheStartOfEachLine) {
  auto paint = [](bool transparent) {
    return [transparent](DrawingSurface& s) {
      s.FillSolidRect(0, 0, 40, 10, 0xFFFFFF);
      s.FillSolidRect(0, 8, 1, 1, 0x0000FF);  // leaves red as the background colour
      if (transparent) s.SetTransparentText();
      s.SelectPen(PenSpec{PenStyle::Dot, 1, 0});
      s.MoveTo(2, 3);
      s.LineTo(16, 3);
    };
  };
  const QImage transparent = Picture({40, 10}, paint(true));
  EXPECT_EQ(Row(transparent, 3, 0, 17), "..###...###...##..");
  const QImage opaque = Picture({40, 10}, paint(false));
  EXPECT_EQ(At(opaque, 5, 3), kRed);  // gaps take the background colour
  EXPECT_EQ(At(opaque, 2, 3), kBlack);
  EXPECT_EQ(At(opaque, 16, 3), kWhite);
}

TEST_F(QPainterSurfaceTest, PrinterMappingWidensUnitPensButNotHairlines) {
  const QImage image = Picture({90, 90}, [](DrawingSurface& s) {
    s.SetMapping(800, 600, 2400, 1800);
    s.SelectPen(PenSpec{PenStyle::Solid, 0, 0});
    s.MoveTo(2, 5);
    s.LineTo(12, 5);  // device 6..35 on row 15, 36 left out
    s.SelectPen(PenSpec{PenStyle::Solid, 1, 0});
    s.MoveTo(2, 20);
    s.LineTo(12, 20);  // three device pixels wide round row 60
  });
  EXPECT_EQ(Row(image, 15, 5, 37), "." + std::string(30, '#') + "..");
  EXPECT_EQ(Row(image, 14, 10, 12), "...");
  int rows = 0;
  for (int y = 50; y < 70; ++y) rows += At(image, 20, y) == kBlack;
  EXPECT_EQ(rows, 3);
}

TEST_F(QPainterSurfaceTest, WideRectanglePenIsCentredOnTheFiguresEdges) {
  const QImage image = Picture({60, 60}, [](DrawingSurface& s) {
    s.FillSolidRect(0, 0, 60, 60, 0x00FF00);
    s.SelectPen(PenSpec{PenStyle::Solid, 4, 0});
    s.DrawRectangle(Rect{10, 10, 50, 50});  // edges at 10 and 49
  });
  EXPECT_EQ(Row(image, 30, 7, 13), ".####..");
  EXPECT_EQ(Row(image, 30, 45, 52), "..####..");
  EXPECT_EQ(At(image, 7, 30), 0x00FF00u);
  EXPECT_EQ(At(image, 30, 30), kWhite);
}

TEST_F(QPainterSurfaceTest, OpaqueTextBackgroundIsTheLastFillColour) {
  FontSpec description;
  description.height = 24;
  description.width = 10;
  std::strcpy(description.faceName, "Arial");
  const QImage image = Picture({80, 60}, [&description](DrawingSurface& s) {
    s.FillSolidRect(70, 50, 5, 5, 0x0000FF);
    s.SelectFont(description);
    s.SetTextColour(0);
    s.TextOut(10, 20, "H");
  });
  EXPECT_EQ(At(image, 11, 21), kRed);  // the cell's top-left corner, outside the glyph
}

}  // namespace
