#pragma once
// The spectrograph screen: both channels' spectra on a logarithmic frequency axis.
#include "analyser/state/view_state.h"

class DrawingSurface;

void DrawSpectrograph(ViewState& state, DrawingSurface& surface);
