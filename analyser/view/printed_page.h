#pragma once
// The printed page: the view's printer mapping puts 2400 x 1800 device units on it, each
// one dot of a 300-dot-per-inch printer (8 x 6 inches), on a page in landscape.
#include <cstdint>
#include <string>
#include <string_view>

constexpr int32_t kPrinterUnitsPerInch = 300;
constexpr bool kPrintInLandscape = true;

// A printer that would not take the page; `where` names the printer or the output file.
inline std::string PrintFailedMessage(std::string_view where) {
  return "Impossible d'imprimer sur " + std::string(where) + ".";
}

// The print preview's buttons, left to right, and what each does.
enum class PreviewAction { Print, NextPage, PreviousPage, ZoomIn, ZoomOut, Close };
struct PreviewButton {
  PreviewAction action;
  const char* text;
};
inline constexpr PreviewButton kPreviewButtons[] = {
    {PreviewAction::Print, "&Imprimer..."},       {PreviewAction::NextPage, "Page &suivante"},
    {PreviewAction::PreviousPage, "Page &précédente"}, {PreviewAction::ZoomIn, "Zoom &avant"},
    {PreviewAction::ZoomOut, "Zoom a&rrière"},    {PreviewAction::Close, "&Fermer"},
};
// The whole page fits the window at the first zoom; each step doubles it.
constexpr int32_t kPreviewZoomSteps = 3;
