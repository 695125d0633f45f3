// Placeholder until the acquisition cycle lands.
#include "analyser/view/sylvarine_view.h"
void CSylvarineView::OnTimer(uint32_t) {}
bool CSylvarineView::StartAcquisition() { return false; }
bool CSylvarineView::StopAcquisition() { return false; }
void CSylvarineView::OnRButtonDown(Point) {}
