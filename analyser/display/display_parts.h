#pragma once
// The pieces of the one paint operation, called by the paint in its order.
#include "analyser/state/view_state.h"

class DrawingSurface;

// Settings panel, screen only: its frame and the mode boxes; the time-base boxes and
// their indicators; then everything below them, the labels and the prompt.
void DrawPanelFrameAndModeBoxes(ViewState& state, DrawingSurface& surface);
void DrawPanelTimeBaseRows(ViewState& state, DrawingSurface& surface);
void DrawPanelRemainder(ViewState& state, DrawingSurface& surface);

// Level meters: peaks, then VU meters or bar graphs; the caller selected meterFont.
void DrawLevelMeters(ViewState& state, DrawingSurface& surface);
// Spectrograph screen.
void DrawSpectrograph(ViewState& state, DrawingSurface& surface);
