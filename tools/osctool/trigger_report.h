#pragma once
#include <QJsonObject>

#include "analyser/capture/trigger_search.h"

// Prints {"schemaVersion": 1, "triggerFound": 0|1, "triggerOffset": N} on stdout for a block's sum array, with
// the members of `extra` besides.
void PrintTriggerReport(const int32_t* sumSamples, const QJsonObject& extra = {});
