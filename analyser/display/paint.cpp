// The view's one paint: every display, on the screen and on the printer.
#include "analyser/display/display_parts.h"
#include "analyser/display/drawing_surface.h"
#include "analyser/display/oscilloscope_parts.h"
#include "analyser/view/sylvarine_view.h"

namespace {

void SetMappingFor(const ViewState& state, DrawingSurface& surface) {
  if (state.outputTarget == OutputTarget::Printer)
    surface.SetMapping(800, 600, 2400, 1800);
  else
    surface.SetMapping(800, 600, 800, 600);
}

void DrawOscilloscopeScreen(CSylvarineView& view, DrawingSurface& surface, Colour buttonFace,
                            const Rect& client) {
  ViewState& state = view.State();
  const bool onScreen = state.outputTarget != OutputTarget::Printer;
  surface.SelectFont(state.labelFont);
  surface.SetTextColour(0);
  if (onScreen) FillScopeMargins(state, surface, buttonFace, client);
  DrawScopeFrame(state, surface);
  surface.SetTransparentText();
  DrawVerticalScale(state, surface);
  if (onScreen) DrawPanelFrameAndModeBoxes(view, surface);
  if (onScreen) DrawPanelTimeBaseRows(view, surface);
  DrawTimeLabels(state, surface);
  if (onScreen) DrawPanelRemainder(view, surface);
  DrawTraceAreaAndGrid(state, surface);
  DrawTraces(state, surface);
}

}  // namespace

void CSylvarineView::OnDraw(DrawingSurface& surface) {
  ViewState& state = *state_;
  const Colour buttonFace = surface.ButtonFaceColour();
  const Rect client = surface.ClientRect();
  SetMappingFor(state, surface);
  if (state.resourcesPending == 1) {
    CreateDrawingResources(state);
    state.resourcesPending = 0;
  }
  document_.ProvideBlock(state.samples);
  if (document_.loadedFromFile == 1) {
    AnalyseSpectrum(1);
    AnalyseSpectrum(2);
    document_.loadedFromFile = 0;
  }
  switch (state.displayFamily) {
    case DisplayFamily::Oscilloscope:
      DrawOscilloscopeScreen(*this, surface, buttonFace, client);
      break;
    case DisplayFamily::VuMeters:
    case DisplayFamily::Bargraphs:
      surface.SelectFont(state.meterFont);
      DrawLevelMeters(*this, surface);
      break;
    case DisplayFamily::Spectrograph:
      DrawSpectrograph(*this, surface);
      break;
    default:
      break;
  }
}
