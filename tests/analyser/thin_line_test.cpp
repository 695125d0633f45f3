#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "analyser/display/device_scaling.h"
#include "analyser/display/thin_line.h"

namespace {

TEST(ThinLine, HalfwayPixelsAreSettledByTheOctant) {
  using Pixels = std::vector<std::pair<int32_t, int32_t>>;
  auto plot = [](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    Pixels out;
    thin_line::PlotPixels(x0, y0, x1, y1, {}, [&](int32_t x, int32_t y, int64_t) { out.emplace_back(x, y); });
    return out;
  };
  EXPECT_EQ(plot(0, 0, 4, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  EXPECT_EQ(plot(4, 2, 0, 0), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
  EXPECT_EQ(plot(0, 2, 4, 0), (Pixels{{0, 2}, {1, 1}, {2, 1}, {3, 0}}));  // octant 8 steps on ties
  EXPECT_EQ(plot(0, 0, 2, 4), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
  EXPECT_EQ(plot(0, 0, -2, 4), (Pixels{{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}));  // octant 3
  EXPECT_TRUE(plot(7, 7, 7, 7).empty());
}

// Walking only the part of a line over the device must give exactly the pixels (and dot
// indices) the whole walk gives there; a reference walk without a clip checks it.
TEST(ThinLine, ClippedWalkKeepsExactlyThePixelsOfTheWholeWalk) {
  using Pixel = std::tuple<int32_t, int32_t, int64_t>;
  const thin_line::Bounds clip{-3, 2, 17, 11};
  auto inside = [&](int32_t x, int32_t y) {
    return x >= clip.left && x <= clip.right && y >= clip.top && y <= clip.bottom;
  };
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> coordinate(-40, 60);
  for (int line = 0; line < 4000; ++line) {
    const int32_t x0 = coordinate(random), y0 = coordinate(random);
    const int32_t x1 = coordinate(random), y1 = coordinate(random);
    std::vector<Pixel> whole, clipped;
    thin_line::PlotPixels(x0, y0, x1, y1, {}, [&](int32_t x, int32_t y, int64_t n) {
      if (inside(x, y)) whole.emplace_back(x, y, n);
    });
    thin_line::PlotPixels(x0, y0, x1, y1, clip, [&](int32_t x, int32_t y, int64_t n) {
      if (inside(x, y)) clipped.emplace_back(x, y, n);
    });
    ASSERT_EQ(clipped, whole) << x0 << "," << y0 << " to " << x1 << "," << y1;
  }
}

TEST(ThinLine, ALineAcrossTheWholeIntegerRangeVisitsOnlyTheDevice) {
  int64_t visited = 0;
  thin_line::PlotPixels(5, INT32_MIN, 6, INT32_MAX, {0, 0, 799, 599},
                        [&](int32_t, int32_t y, int64_t) { visited += y >= 0 && y < 600; });
  EXPECT_EQ(visited, 600);
  EXPECT_EQ(thin_line::PixelCount(5, INT32_MIN, 6, INT32_MAX), int64_t{UINT32_MAX});
}

TEST(DeviceScaling, HalvesRoundAwayFromZeroWhateverTheSigns) {
  EXPECT_EQ(Scaled(1, 3, 2), 2);    // 1.5
  EXPECT_EQ(Scaled(-1, 3, 2), -2);  // -1.5
  EXPECT_EQ(Scaled(1, -3, 2), -2);
  EXPECT_EQ(Scaled(1, 3, -2), -2);
  EXPECT_EQ(Scaled(-1, -3, 2), 2);
  EXPECT_EQ(Scaled(4, 1, 3), 1);   // 1.33
  EXPECT_EQ(Scaled(5, 1, 3), 2);   // 1.67
  EXPECT_EQ(Scaled(-4, 1, 3), -1);
  EXPECT_EQ(Scaled(800, 2400, 800), 2400);
}

TEST(DeviceScaling, AZeroDenominatorKeepsTheValueAndHugeProductsStayIn32Bits) {
  EXPECT_EQ(Scaled(17, 5, 0), 17);
  EXPECT_EQ(Scaled(INT32_MAX, 3, 1), INT32_MAX);
  EXPECT_EQ(Scaled(INT32_MIN, 3, 1), INT32_MIN);
  EXPECT_EQ(Scaled(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
}

}  // namespace
