#pragma once
// The pieces of the one paint operation, called by the paint in its order.
class CSylvarineView;
class DrawingSurface;

// Settings panel, screen only (display/panel*.cpp).
void DrawPanelFrameAndModeBoxes(CSylvarineView& view, DrawingSurface& surface);  // paint 6.6
void DrawPanelTimeBaseRows(CSylvarineView& view, DrawingSurface& surface);       // panel part of 6.7
void DrawPanelRemainder(CSylvarineView& view, DrawingSurface& surface);          // paint 6.8

// Level meters: peaks, then VU meters or bar graphs; the caller selected meterFont.
void DrawLevelMeters(CSylvarineView& view, DrawingSurface& surface);
// Spectrograph screen.
void DrawSpectrograph(CSylvarineView& view, DrawingSurface& surface);
