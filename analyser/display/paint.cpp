// Placeholder until the paint lands.
#include "analyser/display/drawing_surface.h"
#include "analyser/view/sylvarine_view.h"
void CSylvarineView::OnDraw(DrawingSurface&) {}
