#include <gtest/gtest.h>

#include <vector>

#include "analyser/capture/trigger_search.h"

namespace {

// Exactly the values the search may read: reading past index 1000 is caught by ASan.
std::vector<int32_t> SumOf(int32_t value) { return std::vector<int32_t>(1001, value); }

TEST(TriggerSearch, StepDownAt500GivesOffset200) {
  auto sum = SumOf(0);
  for (int i = 500; i <= 1000; ++i) sum[i] = -100;
  const TriggerResult r = FindTrigger(sum.data());
  EXPECT_EQ(r.found, 1);
  EXPECT_EQ(r.offset, 200);
}

TEST(TriggerSearch, NoCrossingWhenAlwaysAboveOrAlwaysBelow) {
  for (int32_t level : {-60, 0, 256, -61, -254}) {
    auto sum = SumOf(level);
    const TriggerResult r = FindTrigger(sum.data());
    EXPECT_EQ(r.found, 0) << level;
    EXPECT_EQ(r.offset, 0) << level;
  }
}

TEST(TriggerSearch, LowStartIsSkippedBeforeLookingForTheCrossing) {
  auto sum = SumOf(-100);
  for (int i = 400; i < 450; ++i) sum[i] = -60;  // exactly the level counts as above
  const TriggerResult r = FindTrigger(sum.data());
  EXPECT_EQ(r.found, 1);
  EXPECT_EQ(r.offset, 150);
}

TEST(TriggerSearch, IndexThousandIsStillExamined) {
  auto sum = SumOf(0);
  sum[1000] = -61;
  TriggerResult r = FindTrigger(sum.data());
  EXPECT_EQ(r.found, 1);
  EXPECT_EQ(r.offset, 700);

  // Low until 999 and high at 1000: no crossing follows within the window.
  sum = SumOf(-100);
  sum[1000] = 0;
  r = FindTrigger(sum.data());
  EXPECT_EQ(r.found, 0);
}

TEST(TriggerSearch, EarliestCrossingGivesOffsetOne) {
  auto sum = SumOf(-200);
  sum[300] = 10;
  const TriggerResult r = FindTrigger(sum.data());
  EXPECT_EQ(r.found, 1);
  EXPECT_EQ(r.offset, 1);
}

TEST(TriggerSearch, ValuesBeforeIndex300DoNotCount) {
  auto sum = SumOf(-100);
  for (int i = 0; i < 300; ++i) sum[i] = 100;
  EXPECT_EQ(FindTrigger(sum.data()).found, 0);
}

}  // namespace
