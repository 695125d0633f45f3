#pragma once
// The level displays: the peaks of both channels, then the VU meters or the bar graphs.
#include "analyser/state/view_state.h"

class DrawingSurface;

// Largest value among indices 1..4000 of the two channels, into rightPeak and leftPeak.
void ComputeLevelPeaks(ViewState& state);
// Peaks, then VU meters or bar graphs; the caller selected meterFont.
void DrawLevelMeters(ViewState& state, DrawingSurface& surface);
