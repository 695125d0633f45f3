// Left clicks: back to the screen, start a stopped measurement from the trace
// area, and the panel's boxes, each doing what its menu command does.
#include "analyser/display/panel_layout.h"
#include "analyser/view/sylvarine_view.h"

void CSylvarineView::OnLButtonDown(Point client) {
  ViewState& state = State();
  state.outputTarget = OutputTarget::Screen;
  state.lastClick = client;

  if (state.displayFamily == DisplayFamily::Oscilloscope) {
    if (PanelLayout::StrictlyInside(PanelLayout::kTraceClickArea, client) &&
        state.acquisitionRunning == 0) {
      StartAcquisition();
    }
    for (const PanelLayout::HitBand& band : PanelLayout::kHitBands) {
      if (PanelLayout::StrictlyInside(band, client)) OnCommand(band.commandId);
    }
  }
  Services().invalidation.Invalidate(nullptr, true);
}
