// The settings panel beside the oscilloscope: boxes, indicators, labels and prompts.
// It exists on the screen only; the printer never shows it.
#include "analyser/display/settings_panel.h"

#include "analyser/display/drawing_surface.h"
#include "analyser/display/panel_layout.h"

using namespace PanelLayout;

namespace {

bool OnScreen(const ViewState& state) { return state.outputTarget == OutputTarget::Screen; }

void DrawBox(ViewState& state, DrawingSurface& surface, int32_t x0, int32_t top) {
  state.panelBox = {x0, top, x0 + kBoxSize, top + kBoxSize};
  surface.DrawBumpEdge(state.panelBox);
}

void DrawIndicator(DrawingSurface& surface, int32_t x0, int32_t top, bool selected,
                   Colour colour) {
  if (!selected) return;
  surface.FillSolidRect(x0 + kIndicatorInset, top + kIndicatorInset, kIndicatorSize,
                        kIndicatorSize, colour);
}

void DrawRow(ViewState& state, DrawingSurface& surface, int32_t x0, int32_t top, bool selected,
             Colour colour) {
  DrawBox(state, surface, x0, top);
  DrawIndicator(surface, x0, top, selected, colour);
}

void DrawSeparator(DrawingSurface& surface, int32_t y) {
  surface.MoveTo(kSeparatorLeft, y);
  surface.LineTo(kSeparatorRight, y);
}

void DrawLabel(DrawingSurface& surface, int32_t x, int32_t boxTop, const char* text) {
  surface.TextOut(x, boxTop + kLabelDrop, text);
}

}  // namespace

void DrawPanelFrameAndModeBoxes(ViewState& state, DrawingSurface& surface) {
  if (!OnScreen(state)) return;
  state.panelFrame = kPanelFrame;
  surface.DrawBumpEdge(state.panelFrame);
  for (const ModeRow& row : kModeRows) {
    DrawRow(state, surface, kFirstColumnBoxX, row.top, state.scopeMode == row.scopeMode,
            kModeColour);
  }
  DrawBox(state, surface, kFirstColumnBoxX, kTimeBaseBoxes[0].top);
}

void DrawPanelTimeBaseRows(ViewState& state, DrawingSurface& surface) {
  if (!OnScreen(state)) return;
  DrawIndicator(surface, kFirstColumnBoxX, kTimeBaseBoxes[0].top,
                state.timeBase == kTimeBaseBoxes[0].timeBase, kTimeBaseColour);
  for (int row = 1; row < 8; ++row) {
    const TimeBaseBox& box = kTimeBaseBoxes[row];
    DrawRow(state, surface, kFirstColumnBoxX, box.top, state.timeBase == box.timeBase,
            kTimeBaseColour);
  }
}

void DrawPanelRemainder(ViewState& state, DrawingSurface& surface) {
  if (!OnScreen(state)) return;
  // The scale side is offered only while the offset layout is on screen.
  const bool showsSide = OffsetLayoutShown(state);

  for (const ValueRow& row : kRefreshRows) {
    DrawRow(state, surface, kFirstColumnBoxX, row.top, state.refreshPeriod == row.value,
            kRefreshColour);
  }
  DrawRow(state, surface, kFirstColumnBoxX, kSyncTop, state.triggerFound == 1, kSyncColour);
  for (const ValueRow& row : kGainRows) {
    DrawRow(state, surface, kFirstColumnBoxX, row.top, state.verticalGain == row.value,
            kGainColour);
  }
  for (const ValueRow& row : kScaleRows) {
    DrawRow(state, surface, kScaleBoxX, row.top, state.verticalScale == row.value, kScaleColour);
  }
  if (showsSide) {
    DrawRow(state, surface, kSideBoxX, kSideRows[0].top, state.scaleSide == kSideRows[0].value,
            kRightSideColour);
    DrawRow(state, surface, kSideBoxX, kSideRows[1].top, state.scaleSide == kSideRows[1].value,
            kLeftSideColour);
  }

  surface.SelectPen(state.thinPen);
  surface.MoveTo(kColumnSeparatorTop.x, kColumnSeparatorTop.y);
  surface.LineTo(kColumnSeparatorBottom.x, kColumnSeparatorBottom.y);
  DrawSeparator(surface, kSeparatorBelowModes);
  for (const ModeRow& row : kModeRows) DrawLabel(surface, kFirstColumnLabelX, row.top, row.label);
  for (const TimeBaseBox& box : kTimeBaseBoxes) {
    DrawLabel(surface, kFirstColumnLabelX, box.top, box.label);
  }
  DrawSeparator(surface, kSeparatorBelowTimeBases);
  for (const ValueRow& row : kRefreshRows) {
    DrawLabel(surface, kFirstColumnLabelX, row.top, row.label);
  }
  DrawSeparator(surface, kSeparatorBelowRefresh);
  DrawLabel(surface, kFirstColumnLabelX, kSyncTop, kSyncLabel);
  DrawSeparator(surface, kSeparatorBelowSync);
  for (const ValueRow& row : kGainRows) DrawLabel(surface, kFirstColumnLabelX, row.top, row.label);
  surface.TextOut(kScaleTitleAt.x, kScaleTitleAt.y, kScaleTitle);
  for (const ValueRow& row : kScaleRows) DrawLabel(surface, kScaleLabelX, row.top, row.label);
  if (showsSide) {
    for (const ValueRow& row : kSideRows) DrawLabel(surface, kSideLabelX, row.top, row.label);
  }
  surface.TextOut(kHintAt.x, kHintAt.y, kHint);
  DrawSeparator(surface, kSeparatorBelowSync);
  surface.TextOut(kPromptAt.x, kPromptAt.y,
                  state.acquisitionRunning == 1 ? kPromptWhileRunning : kPromptWhileStopped);
}
