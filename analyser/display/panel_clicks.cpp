// Placeholder until the settings panel lands.
#include "analyser/view/sylvarine_view.h"
void CSylvarineView::OnLButtonDown(Point) {}
