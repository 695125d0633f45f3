#pragma once
// The view's one paint: every display, on the screen and on the printer.
#include <cstdint>

#include "analyser/display/drawing_surface.h"
#include "analyser/document/sylvarine_doc.h"
#include "analyser/state/view_state.h"

// Every display is drawn in 800 x 600 logical units: one device unit each on the
// screen, three on the printer.
constexpr int32_t kLogicalWidth = 800, kLogicalHeight = 600;
constexpr int32_t kPrinterScale = 3;
constexpr int32_t kPrinterPageWidth = kPrinterScale * kLogicalWidth;
constexpr int32_t kPrinterPageHeight = kPrinterScale * kLogicalHeight;
// The printed spectrograph is laid out for a page 700 logical units high.
constexpr int32_t kPrintedSpectrographHeight = 700;

// Refreshes the working copy of the document's block (and, once after a load, the
// spectra), re-creates pending resources and draws the current display.
void PaintView(ViewState& state, CSylvarineDoc& document, DrawingSurface& surface);
