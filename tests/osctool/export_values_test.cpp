// Values back to the bytes they were captured from, and --range parsing.
#include <gtest/gtest.h>

#include "tools/osctool/sample_range.h"
#include "tools/osctool/snapshot_export.h"

namespace {

TEST(ExportValues, CapturedValuesGiveBackTheirBytesAndOthersClip) {
  for (int byte = 0; byte <= 255; ++byte) {
    bool clipped = true;
    EXPECT_EQ(CapturedByteOf(byte - 127, clipped), byte);
    EXPECT_FALSE(clipped);
  }
  bool clipped = false;
  EXPECT_EQ(CapturedByteOf(-128, clipped), 0);
  EXPECT_TRUE(clipped);
  EXPECT_EQ(CapturedByteOf(129, clipped), 255);
  EXPECT_TRUE(clipped);
  EXPECT_EQ(CapturedByteOf(INT32_MIN, clipped), 0);
  EXPECT_EQ(CapturedByteOf(INT32_MAX, clipped), 255);
}

TEST(ExportValues, RangesAreInclusiveAndInsideTheSnapshot) {
  SampleRange range;
  QString error;
  ASSERT_TRUE(ParseSampleRange("0:4010", range, error));
  EXPECT_EQ(range.Count(), 4011);
  ASSERT_TRUE(ParseSampleRange("7:7", range, error));
  EXPECT_EQ(range.Count(), 1);
  for (const char* bad : {"9:8", "0:4011", "-1:5", "5", "a:b", "1:2:3", ""})
    EXPECT_FALSE(ParseSampleRange(bad, range, error)) << bad;
}

}  // namespace
