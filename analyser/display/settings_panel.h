#pragma once
// The settings panel beside the oscilloscope, screen only, drawn in three steps that the
// paint interleaves with the scope: its frame and the mode boxes; the time-base boxes
// and their indicators; then everything below them, the labels and the prompt.
#include "analyser/state/view_state.h"

class DrawingSurface;

void DrawPanelFrameAndModeBoxes(ViewState& state, DrawingSurface& surface);
void DrawPanelTimeBaseRows(ViewState& state, DrawingSurface& surface);
void DrawPanelRemainder(ViewState& state, DrawingSurface& surface);
