#include "analyser/display/paint.h"

#include "analyser/display/drawing_resources.h"
#include "analyser/display/level_meters.h"
#include "analyser/display/scales.h"
#include "analyser/display/scope_screen.h"
#include "analyser/display/settings_panel.h"
#include "analyser/display/spectrograph_screen.h"
#include "analyser/display/traces.h"
#include "analyser/spectrum/analyse_spectrum.h"

namespace {

void SetMappingFor(const ViewState& state, DrawingSurface& surface) {
  if (state.outputTarget == OutputTarget::Printer)
    surface.SetMapping(kLogicalWidth, kLogicalHeight, kPrinterPageWidth, kPrinterPageHeight);
  else
    surface.SetMapping(kLogicalWidth, kLogicalHeight, kLogicalWidth, kLogicalHeight);
}

void DrawOscilloscopeScreen(ViewState& state, DrawingSurface& surface, Colour buttonFace,
                            const Rect& client) {
  const bool onScreen = state.outputTarget != OutputTarget::Printer;
  surface.SelectFont(state.labelFont);
  surface.SetTextColour(0);
  if (onScreen) FillScopeMargins(state, surface, buttonFace, client);
  DrawScopeFrame(state, surface);
  surface.SetTransparentText();
  DrawVerticalScale(state, surface);
  if (onScreen) DrawPanelFrameAndModeBoxes(state, surface);
  if (onScreen) DrawPanelTimeBaseRows(state, surface);
  DrawTimeLabels(state, surface);
  if (onScreen) DrawPanelRemainder(state, surface);
  DrawTraceAreaAndGrid(state, surface);
  DrawTraces(state, surface);
}

}  // namespace

void PaintView(ViewState& state, CSylvarineDoc& document, DrawingSurface& surface) {
  const Colour buttonFace = surface.ButtonFaceColour();
  const Rect client = surface.ClientRect();
  SetMappingFor(state, surface);
  if (state.resourcesPending == 1) {
    CreateDrawingResources(state);
    state.resourcesPending = 0;
  }
  document.ProvideBlock(state.samples);
  if (document.loadedFromFile == 1) {
    AnalyseSpectrumOf(state, 1);
    AnalyseSpectrumOf(state, 2);
    document.loadedFromFile = 0;
  }
  switch (state.displayFamily) {
    case DisplayFamily::Oscilloscope:
      DrawOscilloscopeScreen(state, surface, buttonFace, client);
      break;
    case DisplayFamily::VuMeters:
    case DisplayFamily::Bargraphs:
      surface.SelectFont(state.meterFont);
      DrawLevelMeters(state, surface);
      break;
    case DisplayFamily::Spectrograph:
      DrawSpectrograph(state, surface);
      break;
    default:
      break;
  }
}
