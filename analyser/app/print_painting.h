#pragma once
// One printed page: the view's paint on a printer, a PDF writer or an image, over the
// page's printed area.
#include "analyser/frame/printed_page.h"

class CSylvarineView;
class QPaintDevice;

// Paints the view as the printer's page; false when the device would not start or finish.
bool PaintForPrinting(QPaintDevice& device, CSylvarineView& view);
