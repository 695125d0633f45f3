#pragma once
// The printed page: the paint's logical units, three device units each, on a landscape
// page of 300 dots an inch, so that the drawing is 8 inches wide.
#include <cstdint>
#include <string>
#include <string_view>

#include "analyser/display/paint.h"
#include "platform/geometry.h"

constexpr int32_t kPrinterDotsPerInch = 300;
constexpr bool kPrintedLandscape = true;
// Where the paint draws on the page, in device units.
constexpr Rect kPrintedArea = {0, 0, kPrinterPageWidth, kPrinterPageHeight};

// Printing into a file (the print dialog's choice, or a printer on the "FILE:" port): the
// file dialog that asks where, its filter and the extension it adds.
constexpr char kPrintToFileTitle[] = "Imprimer dans un fichier";
constexpr char kPrintToFileFilter[] = "Fichiers d'impression (*.prn)";
constexpr char kPrintToFileExtension[] = ".prn";
constexpr char kFilePort[] = "FILE:";

// A printer that would not start or finish the page: `printer` is its name or file.
std::string PrintFailureMessage(std::string_view printer);
