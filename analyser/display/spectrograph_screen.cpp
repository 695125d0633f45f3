// Placeholder until the spectrograph screen lands.
#include "analyser/display/display_parts.h"
void DrawSpectrograph(CSylvarineView&, DrawingSurface&) {}
