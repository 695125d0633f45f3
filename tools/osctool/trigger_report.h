#pragma once
#include "analyser/capture/trigger_search.h"

// Prints {"triggerFound": 0|1, "triggerOffset": N} on stdout for a block's sum array.
void PrintTriggerReport(const int32_t* sumSamples);
