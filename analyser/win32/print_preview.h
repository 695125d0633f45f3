#pragma once
// The print preview, drawn here (the framework's is not there): the page as the printer
// will print it, with the buttons a person expects: print, next and previous page, zoom
// in and out, close. It runs modally over its owner.
#include <windows.h>

#include <functional>

// The paper as the printer has it, in its own dots.
struct PaperGeometry {
  int dotsPerInchX = 300, dotsPerInchY = 300;
  SIZE paper{3300, 2550};          // the whole sheet
  POINT printableOffset{75, 75};   // where the printer's drawing starts on it
};

// `drawPage` draws the page on a device context whose dots are `dotsPerInch` (x, y) and
// whose origin is the printable area's corner. Returns true when the person chose to print.
bool RunPrintPreview(HWND owner, HINSTANCE instance, const PaperGeometry& paper,
                     const std::function<void(HDC, int, int)>& drawPage);
