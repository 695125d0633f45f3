#include "analyser/capture/trigger_search.h"

TriggerResult FindTrigger(const int32_t* sum) {
  int32_t i = kTriggerFirstIndex;
  // Skip a low start: the crossing must follow a value at or above the level.
  while (sum[i] < kTriggerLevel) {
    if (i >= kTriggerLastIndex) return {};
    ++i;
  }
  while (sum[i] >= kTriggerLevel) {
    if (i >= kTriggerLastIndex) return {};
    ++i;
  }
  return {1, i - kTriggerFirstIndex};
}
