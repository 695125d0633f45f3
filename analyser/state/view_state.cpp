#include "analyser/state/view_state.h"

void ApplyTimeBase(ViewState& state, const TimeBaseRow& row) {
  state.timeBase = row.timeBase;
  state.pixelStep = row.pixelStep;
  state.sampleStride = row.sampleStride;
}
