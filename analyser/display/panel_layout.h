#pragma once
// Where the settings panel's boxes and labels sit, and which click does what.
#include <cstdint>

#include "analyser/state/command_ids.h"
#include "platform/geometry.h"

namespace PanelLayout {

constexpr Rect kPanelFrame{565, 15, 775, 424};
constexpr int32_t kBoxSize = 15;
constexpr int32_t kIndicatorInset = 2;
constexpr int32_t kIndicatorSize = 11;

constexpr int32_t kFirstColumnBoxX = 570, kFirstColumnLabelX = 590;
constexpr int32_t kScaleBoxX = 665, kScaleLabelX = 685;
constexpr int32_t kSideBoxX = 710, kSideLabelX = 730;
constexpr int32_t kLabelDrop = 3;  // a label's top lies 3 units below its box's top

constexpr Colour kModeColour = 0x0000FF;       // red
constexpr Colour kTimeBaseColour = 0x00FFFF;   // yellow
constexpr Colour kRefreshColour = 0x00FF00;    // green
constexpr Colour kSyncColour = 0x0000FF;       // red
constexpr Colour kGainColour = 0xFF0000;       // blue
constexpr Colour kScaleColour = 0x00FF00;      // green
constexpr Colour kRightSideColour = 0x0000FF;  // red
constexpr Colour kLeftSideColour = 0x00FFFF;   // yellow

struct ModeRow {
  int32_t top;
  int32_t scopeMode;
  const char* label;
};
constexpr ModeRow kModeRows[5] = {
    {20, 1, "Stereo Decales"},    {40, 2, "Stereo Superposes"}, {60, 3, "Somme des 2 voies"},
    {80, 4, "Difference"},        {100, 5, "Figure de Lissajou"},
};

struct TimeBaseBox {
  int32_t top;
  int32_t timeBase;
  const char* label;
};
constexpr TimeBaseBox kTimeBaseBoxes[8] = {
    {120, 50, "50ms.(5ms./div.)"},      {140, 20, "20ms.(2ms./div.)"},
    {160, 10, "10ms.(1ms./div.)"},      {180, 5000, "5ms.(500us./div.)"},
    {200, 2000, "2ms.(200us./div.)"},   {220, 1000, "1ms.(100us./div.)"},
    {240, 500, "0.5ms.(50us./div.)"},   {260, 200, "0.2ms.(20us./div.)"},
};

struct ValueRow {
  int32_t top;
  int32_t value;
  const char* label;
};
constexpr ValueRow kRefreshRows[3] = {{280, 100, "Rapide"}, {300, 500, "Moyen"}, {320, 1000, "Lent"}};
constexpr int32_t kSyncTop = 340;
constexpr const char* kSyncLabel = "Synchronisation";
constexpr ValueRow kGainRows[3] = {{360, 1, "X 1"}, {380, 2, "X 2"}, {400, 5, "X 5"}};
constexpr ValueRow kScaleRows[2] = {{370, 1, "DB."}, {390, 2, "Lin."}};
constexpr ValueRow kSideRows[2] = {{370, 1, "Droite"}, {390, 2, "Gauche"}};

constexpr int32_t kSeparatorLeft = 590, kSeparatorRight = 770;
constexpr int32_t kSeparatorBelowModes = 117, kSeparatorBelowTimeBases = 277,
                  kSeparatorBelowRefresh = 337, kSeparatorBelowSync = 357;
constexpr Point kColumnSeparatorTop{620, 360}, kColumnSeparatorBottom{620, 417};
constexpr Point kScaleTitleAt{625, 383};
constexpr const char* kScaleTitle = "Echelle";

constexpr Point kHintAt{555, 430};
constexpr const char* kHint = "Cliquez dans les cases pour choisir les reglages";
constexpr Point kPromptAt{15, 460};
constexpr const char* kPromptWhileRunning =
    "Cliquez sur l'ecran avec le bouton DROIT pour arreter la mesure.";
constexpr const char* kPromptWhileStopped =
    "Cliquez sur l'ecran avec le bouton GAUCHE pour demarrer la mesure.";

// Clicks: every bound is excluded, so a point on a band boundary selects nothing.
struct HitBand {
  int32_t left, top, right, bottom;  // exclusive bounds
  uint32_t commandId;
};
constexpr HitBand kHitBands[] = {
    {565, 15, 585, 35, CommandId::StereoOffset},   {565, 35, 585, 55, CommandId::StereoOverlay},
    {565, 55, 585, 75, CommandId::Sum},            {565, 75, 585, 95, CommandId::Difference},
    {565, 95, 585, 115, CommandId::Lissajous},     {565, 115, 585, 135, CommandId::TimeBase50ms},
    {565, 135, 585, 155, CommandId::TimeBase20ms}, {565, 155, 585, 175, CommandId::TimeBase10ms},
    {565, 175, 585, 195, CommandId::TimeBase5ms},  {565, 195, 585, 215, CommandId::TimeBase2ms},
    {565, 215, 585, 235, CommandId::TimeBase1ms},  {565, 235, 585, 255, CommandId::TimeBase05ms},
    {565, 255, 585, 275, CommandId::TimeBase02ms}, {565, 275, 585, 295, CommandId::RefreshFast},
    {565, 295, 585, 315, CommandId::RefreshMedium}, {565, 315, 585, 335, CommandId::RefreshSlow},
    {565, 355, 585, 375, CommandId::Gain1},        {565, 375, 585, 395, CommandId::Gain2},
    {565, 395, 585, 415, CommandId::Gain5},        {665, 370, 680, 385, CommandId::ScaleDecibel},
    {665, 390, 680, 405, CommandId::ScaleLinear},  {710, 370, 725, 385, CommandId::ScaleRight},
    {710, 390, 725, 405, CommandId::ScaleLeft},
};

// A left click strictly inside this area starts a stopped measurement, a right click
// there stops a running one.
constexpr HitBand kTraceClickArea{15, 15, 524, 424, CommandId::Start};

constexpr bool StrictlyInside(const HitBand& band, Point p) {
  return band.left < p.x && p.x < band.right && band.top < p.y && p.y < band.bottom;
}

constexpr bool InTraceClickArea(Point p) { return StrictlyInside(kTraceClickArea, p); }

}  // namespace PanelLayout
