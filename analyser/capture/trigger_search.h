#pragma once
// Trigger search: the first downward crossing of -60 in the summed signal,
// looked for between sum indices 300 and 1000 (both examined).
#include <cstdint>

constexpr int32_t kTriggerFirstIndex = 300;
constexpr int32_t kTriggerLastIndex = 1000;
constexpr int32_t kTriggerLevel = -60;

struct TriggerResult {
  int32_t found = 0;   // 0 or 1
  int32_t offset = 0;  // crossing index - 300 (1..700); 0 when none
};

// `sum` must hold at least kTriggerLastIndex + 1 values.
TriggerResult FindTrigger(const int32_t* sum);
