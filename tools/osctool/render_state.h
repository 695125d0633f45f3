#pragma once
// Brings a view into the display state that osctool render was asked for.
#include <cstdint>

#include "analyser/view/sylvarine_view.h"

// Runs the menu command `commandId` on the view, as the menu would.
void ApplyRenderCommand(CSylvarineView& view, uint32_t commandId);
// The print hooks up to the paint of a page (the print dialog answers yes).
void BeginRenderPrinting(CSylvarineView& view);
