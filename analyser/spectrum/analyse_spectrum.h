#pragma once
// The period-and-swing spectrum estimator: no transform, integers only, no allocation.
#include <cstdint>

#include "analyser/state/view_state.h"

// Period lengths (in samples) that bound the 20 bins of the first decade, long to short.
// Each further decade divides them by 10.
inline constexpr int32_t kBinBoundaries[21] = {4410, 3937, 3528, 3127, 2791, 2477, 2205,
                                               1968, 1756, 1563, 1395, 1242, 1108, 986,
                                               880,  784,  700,  622,  555,  494,  441};

// Analyses channel 1 (rightSamples) or 2 (leftSamples) of `state.samples` and updates that
// channel's integrated and display spectra. Any other channel number does nothing.
void AnalyseSpectrumOf(ViewState& state, uint8_t channel);
