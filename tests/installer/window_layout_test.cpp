#include "installer/window/window_layout.h"

#include <gtest/gtest.h>

namespace {

using InstallerWindow::FittedTextHeight;
using InstallerWindow::MinimumFittedHeightPx;

TEST(StatusLineFit, ShrinksOnlyWhatIsTooWideAndNeverBelowTheFloor) {
  // A line that fits keeps its height, however close to the edge.
  EXPECT_EQ(FittedTextHeight(50, 1000, 1000), 50);
  EXPECT_EQ(FittedTextHeight(50, 0, 1000), 50);
  // Twice as wide as the room: half the height, so the whole line shows.
  EXPECT_EQ(FittedTextHeight(50, 2000, 1000), 25);
  // Truncated, so the fitted line is never wider than the room.
  EXPECT_EQ(FittedTextHeight(50, 1500, 1000), 33);
  EXPECT_LE(1500 * FittedTextHeight(50, 1500, 1000) / 50, 1000);
  // A full-length path would shrink to nothing: the floor holds, the middle is cut.
  EXPECT_EQ(FittedTextHeight(50, 20000, 1000), MinimumFittedHeightPx);
  // No overflow for the widest texts a script can hold.
  EXPECT_EQ(FittedTextHeight(50, 2'000'000'000, 2'000'000'000), 50);
  EXPECT_EQ(FittedTextHeight(50, 2'000'000'000, 1'999'999'999), 49);
}

}  // namespace
