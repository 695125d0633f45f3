#pragma once
// The print preview where the shell draws its own: its buttons, left to right, and what
// each does, and how far it zooms.
#include <cstdint>

enum class PreviewAction { Print, NextPage, PreviousPage, ZoomIn, ZoomOut, Close };
struct PreviewButton {
  PreviewAction action;
  const char* text;
};
inline constexpr PreviewButton kPreviewButtons[] = {
    {PreviewAction::Print, "&Imprimer..."},
    {PreviewAction::NextPage, "Page &suivante"},
    {PreviewAction::PreviousPage, "Page &précédente"},
    {PreviewAction::ZoomIn, "Zoom &avant"},
    {PreviewAction::ZoomOut, "Zoom a&rrière"},
    {PreviewAction::Close, "&Fermer"},
};
// The whole page fits the window at the first zoom; each further step doubles it.
constexpr int32_t kPreviewZoomSteps = 3;
