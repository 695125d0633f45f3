#pragma once
// One printed page: the view's paint on a printer, a PDF writer or an image.
class CSylvarineView;
class QPaintDevice;

// The printer mapping puts 800 x 600 logical units on 2400 x 1800 device units.
constexpr int kPrinterPageWidth = 2400, kPrinterPageHeight = 1800;

// Paints the view as the printer's page; false when the device would not start or finish.
bool PaintForPrinting(QPaintDevice& device, CSylvarineView& view);
