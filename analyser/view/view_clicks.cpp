// Clicks on the view. Left: back to the screen, start a stopped measurement from the
// trace area, and the panel's boxes, each doing what its menu command does.
// Right: stop a running measurement from the trace area.
#include "analyser/display/panel_layout.h"
#include "analyser/view/sylvarine_view.h"

void CSylvarineView::OnLButtonDown(Point client) {
  ViewState& state = *state_;
  state.outputTarget = OutputTarget::Screen;

  if (state.displayFamily == DisplayFamily::Oscilloscope) {
    if (PanelLayout::InTraceClickArea(client) && state.acquisitionRunning == 0) {
      StartAcquisition();
    }
    for (const PanelLayout::HitBand& band : PanelLayout::kHitBands) {
      if (PanelLayout::StrictlyInside(band, client)) OnCommand(band.commandId);
    }
  }
  services_.invalidation.Invalidate(nullptr, true);
}

void CSylvarineView::OnRButtonDown(Point client) {
  const ViewState& state = *state_;
  if (state.displayFamily != DisplayFamily::Oscilloscope || !PanelLayout::InTraceClickArea(client))
    return;
  if (StopAcquisition()) services_.invalidation.Invalidate(nullptr, true);
}
