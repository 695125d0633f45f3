// Placeholder until the level meters land.
#include "analyser/display/display_parts.h"
void DrawLevelMeters(CSylvarineView&, DrawingSurface&) {}
