#include "tools/osctool/render_state.h"

#include "analyser/state/command_ids.h"

namespace {

// The fields each display command sets, for a view whose command table does not
// handle the command; the effects are those of the menu.
void SetFieldsOf(CSylvarineView& view, uint32_t id) {
  ViewState& s = view.State();
  if (id >= CommandId::StereoOffset && id <= CommandId::Lissajous) {
    if (s.refreshPeriod < 100) s.refreshPeriod = RefreshRate::Medium;
    s.displayFamily = DisplayFamily::Oscilloscope;
    s.scopeMode = static_cast<int32_t>(id - CommandId::StereoOffset) + ScopeMode::StereoOffset;
    s.traceSet = s.scopeMode <= ScopeMode::StereoOverlay ? TraceSet::Channels : s.scopeMode;
    if (s.scopeMode == ScopeMode::StereoOffset)
      s.rightTraceCentre = kOffsetCentreRight, s.leftTraceCentre = kOffsetCentreLeft;
    if (s.scopeMode == ScopeMode::StereoOverlay) s.rightTraceCentre = s.leftTraceCentre = kOverlayCentre;
  } else if (id == CommandId::VuMeters || id == CommandId::Bargraphs) {
    view.StartAcquisition();
    s.refreshPeriod = RefreshRate::Fast;
    s.displayFamily = id == CommandId::VuMeters ? DisplayFamily::VuMeters : DisplayFamily::Bargraphs;
  } else if (id == CommandId::Spectrograph) {
    s.refreshPeriod = RefreshRate::Spectrograph;
    s.scopeMode = ScopeMode::StereoOffset;
    s.displayFamily = DisplayFamily::Spectrograph;
    s.traceSet = TraceSet::Channels;
    s.rightTraceCentre = kOffsetCentreRight;
    s.leftTraceCentre = kOffsetCentreLeft;
  } else if (id >= CommandId::TimeBase50ms && id <= CommandId::TimeBase02ms) {
    ApplyTimeBase(s, kTimeBaseRows[id - CommandId::TimeBase50ms]);
  } else if (id >= CommandId::Gain1 && id <= CommandId::Gain5) {
    constexpr int32_t kGainOf[] = {1, 2, 5};
    if (s.displayFamily == DisplayFamily::Oscilloscope) s.verticalGain = kGainOf[id - CommandId::Gain1];
  } else if (id == CommandId::ScaleDecibel || id == CommandId::ScaleLinear) {
    s.verticalScale = id == CommandId::ScaleDecibel ? VerticalScale::Decibel : VerticalScale::Linear;
  } else if (id == CommandId::ScaleRight || id == CommandId::ScaleLeft) {
    if (OffsetLayoutShown(s))
      s.scaleSide = id == CommandId::ScaleRight ? ScaleSide::Right : ScaleSide::Left;
  } else if (id == CommandId::Grid) {
    s.gridVisible = 1 - s.gridVisible;
  } else if (id == CommandId::Start) {
    view.StartAcquisition();
  }
}

}  // namespace

void ApplyRenderCommand(CSylvarineView& view, uint32_t commandId) {
  if (!view.OnCommand(commandId)) SetFieldsOf(view, commandId);
}

void BeginRenderPrinting(CSylvarineView& view) {
  view.OnPreparePrinting([] { return true; });
  view.OnBeginPrinting();
  ViewState& s = view.State();
  if (s.outputTarget != OutputTarget::Printer) {  // hooks that leave the state alone
    view.StopAcquisition();
    s.outputTarget = OutputTarget::Printer;
    if (s.displayFamily != DisplayFamily::Spectrograph) s.displayFamily = DisplayFamily::Oscilloscope;
  }
}
