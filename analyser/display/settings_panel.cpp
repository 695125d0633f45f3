// Placeholder until the settings panel lands.
#include "analyser/display/display_parts.h"
void DrawPanelFrameAndModeBoxes(CSylvarineView&, DrawingSurface&) {}
void DrawPanelTimeBaseRows(CSylvarineView&, DrawingSurface&) {}
void DrawPanelRemainder(CSylvarineView&, DrawingSurface&) {}
